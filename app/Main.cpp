// SPDX-License-Identifier: MIT
#include "app/Main.h"

#include "app/About.h"
#include "app/ControlAdapters.h"
#include "app/DeferredAdapters.h"
#include "app/ResultsFocus.h"
#include "app/SubnetListLink.h"
#include "controls/IPEdit.h"
#include "controls/Label3D.h"
#include "controls/OctetText.h"
#include "controls/QlCheckBox.h"
#include "controls/advedit/AdvEdit.h"
#include "core/AddressEntry.h"
#include "core/AddressInfo.h"
#include "core/ClassRebuild.h"
#include "core/ClassTables.h"
#include "core/InversedMask.h"
#include "core/SelectorLinkage.h"
#include "core/SubnetComputation.h"
#include "platform/ErrorBox.h"
#include "platform/IniFile.h"
#include "platform/PageControl.h"
#include "platform/WindowDrag.h"
#include "platform/WindowPlacement.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>

namespace maskwell {

// The calculator's view of the window: one adapter per control it reads or
// writes, and the state made of them. The Address Info page is built when
// first shown; until then its values wait in deferred adapters.
class TMaskwellForm::Calculator {
public:
    explicit Calculator(TMaskwellForm& form)
        : ipe(*form.IPE), cb1(*form.CB1), cb2(*form.CB2), cb3(*form.CB3), cb4(*form.CB4),
          chb1(*form.ChB1), e1(*form.E1), e2(*form.E2), e3(*form.E3), cba1(AddressClassRows(), 0),
          notices(form, [&form] { return form.HoldsNoticesBack(); }), state{ipe, cb1,  cb2,    cb3,
                                                                            cb4, chb1, e1,     e2,
                                                                            e3,  cba1, l10,    ea1,
                                                                            ea2, ea3,  notices} {}

    // The page's widgets take the held values and hold them from now on.
    void AttachAddressInfo(TMaskwellForm& form) {
        cba1.Attach(std::make_unique<ComboBoxSelector>(*form.CBA1));
        l10.Attach(std::make_unique<CaptionField<TLabel3D>>(*form.L10));
        ea1.Attach(std::make_unique<WidgetTextField<TAdvEdit>>(*form.EA1));
        ea2.Attach(std::make_unique<WidgetTextField<TAdvEdit>>(*form.EA2));
        ea3.Attach(std::make_unique<WidgetTextField<TAdvEdit>>(*form.EA3));
    }

    WidgetTextField<TIPEdit> ipe;
    ComboBoxSelector cb1, cb2, cb3, cb4;
    CheckBoxField<TQlCheckBox> chb1;
    WidgetTextField<TAdvEdit> e1, e2, e3;
    DeferredSelector cba1;
    DeferredTextField l10, ea1, ea2, ea3;
    NoticeBoxSink notices;
    CalculatorState state;

private:
    // The address type list's rows, as the page starts with them.
    static std::vector<std::string_view> AddressClassRows() {
        std::vector<std::string_view> rows;
        for (const AddressClassInfo& info : AddressClasses())
            rows.push_back(info.RowText);
        return rows;
    }
};

namespace {

// The octet fields of the address control, for the repair of a stored address.
class AddressFields final : public OctetFields {
public:
    explicit AddressFields(TIPEdit& edit) : edit_(edit) {}
    QString OctetText(int index) const override { return edit_.ByteEdit(index)->Text(); }
    void SetOctetText(int index, const QString& text) override {
        edit_.ByteEdit(index)->SetText(text);
    }

private:
    TIPEdit& edit_;
};

} // namespace

TMaskwellForm::TMaskwellForm(QString settingsPath, QWidget* parent)
    : QWidget(parent), settingsPath_(std::move(settingsPath)) {
    CreateControls();
    calculator_ = std::make_unique<Calculator>(*this);
    BindEvents();
}

TMaskwellForm::~TMaskwellForm() {
    Guarded([this] { FormDestroy(); });
}

CalculatorState& TMaskwellForm::State() {
    return calculator_->state;
}

void TMaskwellForm::BuildAddressInfoPage() {
    if (CBA1)
        return;
    CreateAddressInfoPage();
    setTabOrder(CB3, CBA1);
    connect(CBA1, &QComboBox::activated, this, [this] { Guarded([this] { CBA1Change(); }); });
    calculator_->AttachAddressInfo(*this);
    for (QWidget* field : {EA1, EA2, EA3})
        resultsFocus_->Watch(field);
    // Built while the page is being shown: its new controls are shown with it.
    if (TabSheet2->isVisible())
        for (QWidget* control : TabSheet2->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!control->testAttribute(Qt::WA_WState_ExplicitShowHide))
                control->show();
}

void TMaskwellForm::RebindCheckbox() {
    maskwell::RebindCheckbox(State());
}
void TMaskwellForm::StartCalc() {
    maskwell::StartCalc(State());
}

void TMaskwellForm::CB1Change() {
    maskwell::CB1Change(State());
}
void TMaskwellForm::CB2Change() {
    maskwell::CB2Change(State());
}
void TMaskwellForm::CB3Change() {
    maskwell::CB3Change(State());
}
void TMaskwellForm::CB4Change() {
    maskwell::CB4Change(State());
}
void TMaskwellForm::ChB1Click() {
    maskwell::ChB1Click(State());
}
void TMaskwellForm::CBA1Change() {
    maskwell::CBA1Change(State());
}

void TMaskwellForm::FormActivate() {
    // Later activations (back from About, switching programs) change nothing;
    // nor does one that arrives while the multicast notice of the first is up.
    if (activated_ || activating_)
        return;
    const QScopedValueRollback<bool> activating(activating_, true);
    Clip = QGuiApplication::clipboard();
    Ini = std::make_unique<TIniFile>(settingsPath_);
    std::optional<SubnetListSettings> subnetList;
    {
        // An address from the command line replaces the stored one before the
        // window shows anything: no notice about an address never shown.
        const QScopedValueRollback<bool> replaced(loadingReplacedAddress_,
                                                  startAddress_.has_value());
        subnetList = LoadSettings(*Ini, State(), [this] { RepairStoredAddress(); });
    }
    if (startAddress_)
        TakeAddressInput(State(), *startAddress_, [this] { RepairTakenAddress(); });
    StartCalc();
    activated_ = true;
    subnetList_->Restore(subnetList);
}

// Stored while the event loop still runs, so that an error box about a
// refused write is an ordinary modal box.
void TMaskwellForm::FormClose() {
    if (Ini) // never activated: nothing was loaded, nothing is stored
        StoreSettings(*Ini, State(), subnetList_->Settings());
}

void TMaskwellForm::FormDestroy() {
    Clip = nullptr;
    Ini.reset();
}

void TMaskwellForm::Exit1Click() {
    close();
    QCoreApplication::quit();
}

void TMaskwellForm::CopyAll1Click() {
    CopyToClipboard(ResultSummary());
}

void TMaskwellForm::PasteAddress1Click() {
    if (const QClipboard* clipboard = QGuiApplication::clipboard())
        PasteAddress(clipboard->text());
}

// The check box's toggle, as a click on it runs it.
void TMaskwellForm::UseInversedMask1Click() {
    ChB1->Activate();
    UseInversedMask1->setChecked(ChB1->Checked());
}

void TMaskwellForm::GoToResults1Click() {
    resultsFocus_->GoToResults();
}

void TMaskwellForm::SubnetList1Click() {
    subnetList_->Open();
}

TSubnetsWindow* TMaskwellForm::SubnetsWindow() const {
    return subnetList_->Window();
}

void TMaskwellForm::PasteAddress(const QString& text) {
    maskwell::PasteAddress(State(), text.toStdString(), [this] { RepairTakenAddress(); });
}

QString TMaskwellForm::ResultSummary() {
    return QString::fromStdString(ResultSummaryText(State()));
}

void TMaskwellForm::About1Click() {
    if (aboutWindow_)
        aboutWindow_->ShowInsteadOf(*this);
}

void TMaskwellForm::TabSheet1MouseDown(QMouseEvent* event) {
    StartWindowDrag(TabSheet1, *event);
}

void TMaskwellForm::SpeedButton1Click() {
    CopyToClipboard(CB1->currentText());
}
void TMaskwellForm::SpeedButton3Click() {
    CopyToClipboard(E1->Text());
}
void TMaskwellForm::SpeedButton4Click() {
    CopyToClipboard(E2->Text());
}
void TMaskwellForm::SpeedButton5Click() {
    CopyToClipboard(E3->Text());
}
void TMaskwellForm::SpeedButton8Click() {
    CopyToClipboard(IPE->Text());
}

void TMaskwellForm::CopyToClipboard(const QString& text) {
    if (Clip)
        Clip->setText(text);
}

// No box interrupts the user typing the address: a move from one octet to the
// next by typing leaves the address incomplete, and the calculator gives the
// notice again at the rebuild that completes it.
bool TMaskwellForm::HoldsNoticesBack() const {
    return loadingReplacedAddress_ || IPE->MovingBetweenFields();
}

// An address taken as a whole (pasted, or from the command line) is repaired
// as leaving a field repairs it: a first octet of 0 becomes 1, above 239 239.
void TMaskwellForm::RepairTakenAddress() {
    AddressFields fields(*IPE);
    RepairOctets(fields);
}

// A stored address may hold what the address control never keeps after a
// repair (a negative octet, 0 or above 239 first, above 255): it is repaired
// as leaving a field would repair it, a negative octet counting as empty.
void TMaskwellForm::RepairStoredAddress() {
    AddressFields fields(*IPE);
    for (int index = 0; index < 4; ++index)
        if (fields.OctetText(index).startsWith(u'-'))
            fields.SetOctetText(index, index == 0 ? QStringLiteral("1") : QStringLiteral("0"));
    RepairOctets(fields);
}

bool TMaskwellForm::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        Guarded([this] { FormActivate(); });
    return QWidget::event(event);
}

bool TMaskwellForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == TabSheet2 && event->type() == QEvent::Show) {
        TabSheet2->removeEventFilter(this);
        Guarded([this] { BuildAddressInfoPage(); });
    }
    QLineEdit* first = IPE->ByteEdit(0);
    if (watched == first && event->type() == QEvent::FocusIn) {
        // The window's first focus lands in the first octet with its text
        // selected, as tabbing into it would, so typing replaces the address.
        first->removeEventFilter(this);
        QMetaObject::invokeMethod(first, &QLineEdit::selectAll, Qt::QueuedConnection);
    }
    return QWidget::eventFilter(watched, event);
}

void TMaskwellForm::closeEvent(QCloseEvent* event) {
    Guarded([this] { FormClose(); });
    QWidget::closeEvent(event);
}

void TMaskwellForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (shownOnce_ || event->spontaneous())
        return;
    shownOnce_ = true;
    // Centred on the screen where the program places its windows; a Wayland
    // compositor places them itself.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        PlaceWindow(*this, screen->availableGeometry().center() - rect().center());
    IPE->ByteEdit(0)->installEventFilter(this);
    IPE->ByteEdit(0)->setFocus();
    // Shown means activated on a desktop with a window manager; without one the
    // window may not become active until clicked, yet must show its results.
    QTimer::singleShot(0, this, [this] { Guarded([this] { FormActivate(); }); });
}

} // namespace maskwell
