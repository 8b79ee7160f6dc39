// SPDX-License-Identifier: MIT
// The main window's form: every control with its name, box, texts, lists and
// looks, and the bindings of the user's events to the handlers.
#include "app/FormControls.h"
#include "app/Images.h"
#include "app/Main.h"
#include "app/ResultsFocus.h"
#include "app/ResultsReadout.h"
#include "app/SubnetListLink.h"
#include "app/Version.h"
#include "controls/IPEdit.h"
#include "controls/Label3D.h"
#include "controls/QlCheckBox.h"
#include "controls/advedit/AdvEdit.h"
#include "core/AddressEntry.h"
#include "core/ClassTables.h"
#include "core/InversedMask.h"
#include "platform/Bevel.h"
#include "platform/CrispIcon.h"
#include "platform/ErrorBox.h"
#include "platform/Fonts.h"
#include "platform/MenuBar.h"
#include "platform/PageControl.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QComboBox>
#include <QGuiApplication>
#include <QToolButton>
#include <QVBoxLayout>

namespace maskwell {

namespace {

constexpr QSize clientSize(292, 299);
const TColor kLightGrey = RGBColor(238, 238, 238);
const TColor kPaleGreen = RGBColor(213, 255, 213);

// A control filled with one of the design's light colours keeps black text
// under any desktop palette (a dark theme's light text would vanish on it).
void KeepDarkText(QWidget* control) {
    QPalette palette = control->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        for (const QPalette::ColorRole role :
             {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
            palette.setColor(group, role, Qt::black);
    control->setPalette(palette);
}

// What an assistive technology reads out for a control: a short name and a
// sentence on what it does. A selector's drop-down list is named after it
// when first reached (InstallControlAccessibility).
void Describe(QWidget* control, const QString& name, const QString& description) {
    control->setAccessibleName(name);
    control->setAccessibleDescription(description);
}

// Its description is the results its mask gives (TResultsReadout).
QComboBox* MaskSelector(QWidget* parent, const QRect& box, const QString& hint,
                        std::span<const std::string_view> rows) {
    auto* combo = new QComboBox(parent);
    combo->setGeometry(box);
    combo->setAccessibleName(hint.left(1) + hint.mid(1).toLower());
    combo->setMaxVisibleItems(999); // the drop-down shows every row at once
    combo->setToolTip(hint);
    QPalette palette = combo->palette();
    palette.setColor(QPalette::Button, ResolveColor(kLightGrey));
    palette.setColor(QPalette::Base, ResolveColor(kLightGrey));
    combo->setPalette(palette);
    KeepDarkText(combo);
    for (const std::string_view row : rows)
        combo->addItem(QString::fromUtf8(row.data(), static_cast<qsizetype>(row.size())));
    combo->setCurrentIndex(-1);
    return combo;
}

// The button runs a command of the window (BindCopyButton), which brings
// the glyph, the hint with the key, and the description.
QToolButton* CopyButton(QWidget* parent, const QRect& box, const QString& name,
                        const QString& hint) {
    auto* button = new QToolButton(parent);
    button->setAccessibleName(name);
    button->setGeometry(box);
    button->setAutoRaise(true);
    button->setIcon(CrispIcon(CopyGlyph())); // sharp at any device pixel ratio
    button->setIconSize(QSize(16, 15));
    button->setToolTip(hint);
    button->setFocusPolicy(Qt::NoFocus); // copying never takes the focus from a field
    return button;
}

TAdvEdit* ResultField(QWidget* parent, const QRect& box, const QString& name) {
    auto* field = new TAdvEdit(parent);
    Describe(field, name,
             QStringLiteral("Result, read-only; Up and Down move between the results, Escape goes "
                            "back, Ctrl+C copies"));
    field->BeginLoading();
    field->SetBounds(box.x(), box.y(), box.width(), box.height());
    field->SetReadOnly(true);
    field->SetTabStop(false);
    field->SetEditAlign(eaCenter);
    field->SetEditType(etString);
    field->SetAutoSelect(false);
    field->SetColor(kLightGrey);
    field->SetFocusColor(kPaleGreen);
    // Black on the light fills, also when a dark desktop palette makes the
    // window text light.
    field->SetFontColor(clBlack);
    field->SetFocusFontColor(clBlack);
    field->setFont(PixelFont("MS Sans Serif", 11));
    field->Loaded();
    return field;
}

} // namespace

void TMaskwellForm::CreateControls() {
    setObjectName("MaskwellForm");
    setWindowTitle(QStringLiteral("Maskwell v") + QLatin1String(ProductVersion));
    // A window shows the application's icon unless it has its own; only
    // without one (a test, a host program) does it draw its own copy.
    if (QGuiApplication::windowIcon().isNull())
        setWindowIcon(ApplicationIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFont(PixelFont("MS Sans Serif", 11));
    setAccessibleDescription("Subnets an IPv4 address: type the address, pick a mask in any "
                             "list; F6 goes to the results");

    auto* client = new QWidget(this);
    client->setFixedSize(clientSize);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize); // a fixed-size window
    CreateMenu();
    layout->setMenuBar(MainMenu1);
    layout->addWidget(client);

    Panel1 = RaisedPanel(client, {4, 4, 284, 292});
    CreateAddressLine();
    Panel3 = RaisedPanel(Panel1, {4, 42, 274, 244});
    PageControl1 = new TPageControl(Panel3);
    PageControl1->setGeometry(1, 1, 272, 242);
    PageControl1->setFont(PixelFont("Verdana", 9));
    Describe(PageControl1, "Result pages", "Left and Right switch between the pages");
    CreateSubnetInfoPage();
    // The Address Info page's tab is there from the start; its controls are
    // built when the page is first shown (BuildAddressInfoPage).
    TabSheet2 = PageControl1->AddPage("Address Info");
    PageControl1->SetActivePageIndex(0);

    setTabOrder(IPE->ByteEdit(3), PageControl1);
    setTabOrder(PageControl1, CB2);
    setTabOrder(CB2, CB1);
    setTabOrder(CB1, CB4);
    setTabOrder(CB4, CB3);
}

// Alt with a caption's underlined letter opens its menu (TMenuBar).
void TMaskwellForm::CreateMenu() {
    auto* bar = new TMenuBar(this);
    MainMenu1 = bar;
    Quit1 = bar->AddMenu("File");
    Exit1 = Quit1->addAction("Exit");
    Edit1 = bar->AddMenu("Edit");
    CopyAll1 = Edit1->addAction("Copy All");
    CopyAll1->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    PasteAddress1 = Edit1->addAction("Paste Address");
    PasteAddress1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    Edit1->addSeparator();
    // The check box takes no focus (the tab order stays the form's); this is
    // its way from the keyboard.
    UseInversedMask1 = Edit1->addAction("Use Inversed Mask");
    UseInversedMask1->setCheckable(true);
    UseInversedMask1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    GoToResults1 = Edit1->addAction("Go to Results");
    GoToResults1->setShortcut(QKeySequence(Qt::Key_F6));
    View1 = bar->AddMenu("View");
    SubnetList1 = View1->addAction("Subnet List");
    SubnetList1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    About1 = bar->addAction("About"); // acts at once, no sub-menu
}

void TMaskwellForm::CreateAddressLine() {
    const QFont verdana = PixelFont("Verdana", 9);
    Panel2 = RaisedPanel(Panel1, {4, 4, 274, 34});
    Label3D2 = FormLabel(Panel2, "IP Address:", {7, 10, 61, 12}, verdana);
    IPE = new TIPEdit(Panel2);
    IPE->setGeometry(72, 6, 169, 21);
    IPE->SetColor(kLightGrey);
    KeepDarkText(IPE); // the octets and dots on the light fill
    IPE->setToolTip("IP Address");
    Describe(IPE, "IP address", "The address to subnet, typed octet by octet");
    for (int octet = 0; octet < 4; ++octet)
        Describe(IPE->ByteEdit(octet), QStringLiteral("IP address, octet %1 of 4").arg(octet + 1),
                 "A number from 0 to 255; a dot or the third digit moves to the next octet");
    IPE->SetText("192.168.0.1");
    IPE->Loaded();
    SpeedButton8 =
        CopyButton(Panel2, {248, 6, 20, 20}, "Copy IP address", "Copy IP Address to Clipboard");
}

void TMaskwellForm::CreateSubnetInfoPage() {
    const QFont verdana = PixelFont("Verdana", 9);
    const ClassLists& classA = ClassALists();
    TabSheet1 = PageControl1->AddPage("Subnet Info");

    Bevel1 = BevelLine(TabSheet1, TBevel::bsTopLine, {0, 0, 129, 9});
    Bevel2 = BevelLine(TabSheet1, TBevel::bsLeftLine, {128, 0, 25, 25});
    ChB1 = new TQlCheckBox(TabSheet1);
    ChB1->setGeometry(0, 8, 153, 17);
    ChB1->SetCaption("Use Inversed Mask");
    ChB1->SetChecked(false);
    ChB1->SetCustomColor(ccRed);
    ChB1->SetHiLigthMode(true);
    ChB1->SetHiLigthColor(RGBColor(12, 97, 63));
    // The caption is drawn on the page, so it takes the page's text colour
    // (black on the light palette, light on a dark one).
    ChB1->SetFontColor(clWindowText);
    ChB1->SetBackgroundColor(clSilver);
    ChB1->SetFont(verdana);
    ChB1->setAccessibleDescription("Shows wildcard masks in the subnet mask list (Ctrl+I)");

    Panel4 = RaisedPanel(TabSheet1, {0, 30, 263, 182});
    // The selectors take their font from the panel: a drop-down list given a
    // font of its own builds its popup list at once, four of them at start-up.
    Panel4->setFont(PixelFont("MS Sans Serif", 11));
    // Sized for the longer caption it shows while the list holds wildcard masks.
    Label3D1 = FormLabel(Panel4, "Wildcard Mask:", {48, 6, 69, 12}, verdana);
    Label3D1->SetCaption("Subnet Mask:");
    Label3D3 = FormLabel(Panel4, "Mask Bits:", {193, 6, 54, 12}, verdana);
    CB1 = MaskSelector(Panel4, {8, 21, 145, 21}, "Subnet Mask", classA.Masks);
    SpeedButton1 =
        CopyButton(Panel4, {158, 20, 20, 20}, "Copy subnet mask", "Copy Subnet Mask to Clipboard");
    CB2 = MaskSelector(Panel4, {184, 21, 73, 21}, "Mask Bits", classA.MaskBits);
    Label3D4 = FormLabel(Panel4, "Max Subnets:", {36, 48, 69, 12}, verdana);
    Label3D5 = FormLabel(Panel4, "Max Hosts Per Subnet:", {139, 48, 116, 12}, verdana);
    CB3 = MaskSelector(Panel4, {8, 64, 121, 21}, "Max Subnets", classA.MaxSubnets);
    CB4 = MaskSelector(Panel4, {136, 64, 121, 21}, "Max Hosts Per Subnet", classA.MaxHosts);
    Label3D6 = FormLabel(Panel4, "Subnet Host Address Range:", {48, 92, 145, 12}, verdana);
    E1 = ResultField(Panel4, {8, 110, 220, 21}, "Subnet host address range");
    SpeedButton3 = CopyButton(Panel4, {236, 111, 20, 20}, "Copy subnet host address range",
                              "Copy Subnet Host Address Range to Clipboard");
    Label3D7 = FormLabel(Panel4, "Subnet ID:", {24, 137, 55, 12}, verdana);
    Label3D8 = FormLabel(Panel4, "Subnet Broadcast:", {132, 137, 93, 12}, verdana);
    E2 = ResultField(Panel4, {8, 154, 89, 21}, "Subnet ID");
    SpeedButton4 =
        CopyButton(Panel4, {104, 153, 20, 20}, "Copy subnet ID", "Copy Subnet ID to Clipboard");
    E3 = ResultField(Panel4, {130, 154, 99, 21}, "Subnet broadcast");
    SpeedButton5 = CopyButton(Panel4, {236, 153, 20, 20}, "Copy subnet broadcast",
                              "Copy Subnet Broadcast to Clipboard");
}

// Its rows and the texts come from the calculator's values when the page is
// attached to it.
void TMaskwellForm::CreateAddressInfoPage() {
    const QFont courier = PixelFont("Courier New", 11);
    Bevel3 = BevelLine(TabSheet2, TBevel::bsTopLine, {0, 0, 265, 9});
    Label3D9 = FormLabel(TabSheet2, "Address Type:", {80, 6, 91, 14}, courier);
    CBA1 = new QComboBox(TabSheet2);
    CBA1->setGeometry(0, 24, 264, 20);
    CBA1->setFont(PixelFont("Verdana", 9));
    Describe(CBA1, "Address type",
             "the address's class; choosing another moves the address into it");
    QPalette palette = CBA1->palette();
    palette.setColor(QPalette::Button, ResolveColor(kLightGrey));
    palette.setColor(QPalette::Base, ResolveColor(kLightGrey));
    CBA1->setPalette(palette);
    KeepDarkText(CBA1);
    L10 = FormLabel(TabSheet2, QString(), {0, 52, 265, 14}, courier);
    EA1 = ResultField(TabSheet2, {0, 72, 264, 21}, "Class bit map");
    Label3D11 = FormLabel(TabSheet2, "Binary:", {104, 98, 49, 14}, courier);
    EA2 = ResultField(TabSheet2, {0, 114, 264, 21}, "Address in binary");
    Label3D12 = FormLabel(TabSheet2, "Hexadecimal:", {88, 142, 84, 14}, courier);
    EA3 = ResultField(TabSheet2, {0, 158, 264, 21}, "Address in hexadecimal");
    Bevel4 = BevelLine(TabSheet2, TBevel::bsTopLine, {0, 184, 265, 9});
    Bevel5 = BevelLine(TabSheet2, TBevel::bsTopLine, {-1, 192, 265, 9});
    Bevel6 = BevelLine(TabSheet2, TBevel::bsTopLine, {-1, 200, 265, 9});
    Bevel7 = BevelLine(TabSheet2, TBevel::bsTopLine, {-1, 208, 265, 9});
}

void TMaskwellForm::BindEvents() {
    connect(IPE, &TIPEdit::OctetsRepaired, this, [this] { Guarded([this] { RebindCheckbox(); }); });
    const auto bind = [this](QComboBox* selector, void (TMaskwellForm::*handler)()) {
        connect(selector, &QComboBox::activated, this,
                [this, handler] { Guarded([&] { (this->*handler)(); }); });
    };
    bind(CB1, &TMaskwellForm::CB1Change);
    bind(CB2, &TMaskwellForm::CB2Change);
    bind(CB3, &TMaskwellForm::CB3Change);
    bind(CB4, &TMaskwellForm::CB4Change);
    connect(ChB1, &TQlCheckBox::Clicked, this, [this] { Guarded([this] { ChB1Click(); }); });
    connect(ChB1, &TQlCheckBox::CheckedChanged, UseInversedMask1, &QAction::setChecked);
    // However the list comes to be refilled (the check box, a class rebuild),
    // its label names the form it shows.
    connect(CB1->model(), &QAbstractItemModel::rowsInserted, this, [this] {
        Label3D1->SetCaption(ListsInversedMasks(State()) ? "Wildcard Mask:" : "Subnet Mask:");
    });
    connect(TabSheet1, &TTabSheet::MousePressed, this,
            [this](QMouseEvent* event) { Guarded([&] { TabSheet1MouseDown(event); }); });

    BindCopyButton(SpeedButton8, 1, &TMaskwellForm::SpeedButton8Click);
    BindCopyButton(SpeedButton1, 2, &TMaskwellForm::SpeedButton1Click);
    BindCopyButton(SpeedButton3, 3, &TMaskwellForm::SpeedButton3Click);
    BindCopyButton(SpeedButton4, 4, &TMaskwellForm::SpeedButton4Click);
    BindCopyButton(SpeedButton5, 5, &TMaskwellForm::SpeedButton5Click);
    connect(IPE, &TIPEdit::PasteRequested, this,
            [this](const QString& text) { Guarded([&] { PasteAddress(text); }); });
    const auto command = [this](QAction* action, void (TMaskwellForm::*handler)(),
                                Qt::ConnectionType type = Qt::AutoConnection) {
        connect(
            action, &QAction::triggered, this,
            [this, handler] { Guarded([&] { (this->*handler)(); }); }, type);
    };
    command(CopyAll1, &TMaskwellForm::CopyAll1Click);
    // A paste may end in a notice box; it opens once the menu command has
    // returned, so that an assistive technology that ran the command as an
    // action is not kept waiting for the box to close.
    command(PasteAddress1, &TMaskwellForm::PasteAddress1Click, Qt::QueuedConnection);
    command(UseInversedMask1, &TMaskwellForm::UseInversedMask1Click);
    command(GoToResults1, &TMaskwellForm::GoToResults1Click);
    command(SubnetList1, &TMaskwellForm::SubnetList1Click);
    command(Exit1, &TMaskwellForm::Exit1Click);
    command(About1, &TMaskwellForm::About1Click);
    BindResults();
    // However the page comes to be shown (its tab, Left or Right on the page
    // control, code), its controls are built first.
    TabSheet2->installEventFilter(this);
}

// The copy buttons take no focus; each runs a command of the window, whose
// key works from anywhere in it, on either page. The tooltip shows the key,
// and assistive technologies read it from the button's command.
void TMaskwellForm::BindCopyButton(QToolButton* button, int digit,
                                   void (TMaskwellForm::*handler)()) {
    const QKeySequence keys(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_0 + digit));
    const QString hint = button->toolTip() + " (" + keys.toString(QKeySequence::NativeText) + ")";
    auto* action = new QAction(button->icon(), button->accessibleName(), this);
    action->setShortcut(keys);
    action->setToolTip(hint);
    addAction(action);
    button->setDefaultAction(action);
    button->setAccessibleDescription(hint);
    connect(action, &QAction::triggered, this,
            [this, handler] { Guarded([&] { (this->*handler)(); }); });
}

void TMaskwellForm::BindResults() {
    // A subnet chosen in the list becomes the address, as a class picked on
    // the Address Info page moves it: written, repaired and rebuilt.
    subnetList_ = new TSubnetListLink(*this, State(), {E1, E2, E3}, [this](const AddressInput& id) {
        TakeAddressInput(State(), id, [this] { RepairTakenAddress(); });
    });
    resultsReadout_ =
        new TResultsReadout(*E1, *E2, *E3, {CB1, CB2, CB3, CB4, PageControl1->Tab(0)}, this);
    resultsFocus_ = new TResultsFocus(
        [this]() -> std::vector<QWidget*> {
            if (PageControl1->ActivePageIndex() == 0)
                return {E1, E2, E3};
            if (EA1)
                return {EA1, EA2, EA3};
            return {};
        },
        this);
    for (QWidget* field : {E1, E2, E3})
        resultsFocus_->Watch(field);
}

} // namespace maskwell
