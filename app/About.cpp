// SPDX-License-Identifier: MIT
#include "app/About.h"

#include "app/FormControls.h"
#include "app/Version.h"
#include "controls/Label3D.h"
#include "controls/QlFancyButton.h"
#include "platform/ErrorBox.h"
#include "platform/Fonts.h"
#include "platform/ShellOpen.h"
#include "platform/WindowDrag.h"
#include "platform/WindowPlacement.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QStyle>

namespace maskwell {

const QString TAboutF::kWebAddress = QStringLiteral("maskwell.example.org");

namespace {

constexpr QSize clientSize(225, 165);

} // namespace

TAboutF::TAboutF(QWidget& mainWindow) : QWidget(nullptr), mainWindow_(mainWindow) {
    setObjectName("AboutF");
    setWindowTitle("About Maskwell");
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_QuitOnClose, false); // only the main window ends the program
    setFixedSize(clientSize);
    setFont(PixelFont("MS Sans Serif", 11));
    // The design's light window with its dark blue, black and blue texts,
    // whatever the desktop's palette: the light standard palette of the style.
    QPalette palette = style()->standardPalette();
    palette.setColor(QPalette::Window, ResolveColor(cl3DLight, palette));
    setPalette(palette);
    setAutoFillBackground(true);
}

// Built when the window is first shown: start-up creates the window but need
// not pay for its fonts (the name's face is used nowhere else).
void TAboutF::CreateControls() {
    Panel1 = RaisedPanel(this, {4, 4, 217, 157});
    Panel1->installEventFilter(this); // a press on its free area drags the window
    Label3D3 =
        FormLabel(Panel1, "Maskwell", {24, 6, 172, 34}, PixelFont("Book Antiqua", 28, true, true),
                  taLeftJustify, RGBColor(0, 0, 140));
    Bevel1 = BevelLine(Panel1, TBevel::bsTopLine, {8, 44, 201, 9});
    Label3D1 = FormLabel(Panel1, QStringLiteral("Version ") + QLatin1String(ProductVersion),
                         {58, 50, 108, 17}, PixelFont("Courier New", 15, true));
    Label3D4 =
        FormLabel(Panel1, "Maskwell Team", {40, 70, 150, 18}, PixelFont("Courier New", 16, true));
    Label3D2 = FormLabel(Panel1, QString::fromUtf8("\u00A9 2026 Maskwell Team"), {40, 90, 144, 16},
                         PixelFont("Courier New", 13, true));
    Label3D5 = FormLabel(Panel1, kWebAddress, {32, 108, 158, 16},
                         PixelFont("Arial", 13, true, true), taCenter, clBlue);
    Label3D5->setCursor(Qt::PointingHandCursor);
    Label3D5->setFocusPolicy(Qt::TabFocus); // a link the keyboard reaches
    Label3D5->setAccessibleDescription(QStringLiteral("Opens the maker's web page"));
    connect(Label3D5, &TLabel3D::Clicked, this, [this] { Guarded([this] { Label3D5Click(); }); });
    connect(Label3D5, &TLabel3D::MouseEntered, this,
            [this] { Guarded([this] { Label3D5MouseEnter(); }); });
    connect(Label3D5, &TLabel3D::MouseExited, this,
            [this] { Guarded([this] { Label3D5MouseExit(); }); });

    OkB = new TQlFancyButton(Panel1);
    OkB->setGeometry(80, 132, 65, 17);
    OkB->SetCaption("OK");
    OkB->setFont(PixelFont("MS Sans Serif", 11));
    OkB->SetFontColor(clBlack);
    TQlEffect* effects = OkB->FancyEffects();
    effects->SetFaceColor(RGBColor(219, 219, 219));
    effects->SetFrameColor(clGray);
    effects->SetFrameStyle(QlFancyButton::fmGradient);
    effects->SetFrameWidth(4);
    effects->SetHoverColor(RGBColor(12, 97, 63));
    effects->SetShape(QlFancyButton::btnRectangle);
    effects->SetCornerRadius(6);
    effects->SetTextStyle(QlFancyButton::txLowered);
    OkB->Glyphs()->SetLayout(QlFancyButton::lyLeft);
    OkB->Glyphs()->SetNumber(1);
    OkB->Glyphs()->SetDistance(0);
    connect(OkB, &TQlFancyButton::Clicked, this, [this] { Guarded([this] { OkBClick(); }); });
    OkB->setFocusPolicy(Qt::TabFocus);
    OkB->setAccessibleDescription(QStringLiteral("Closes this window"));
    setTabOrder(OkB, Label3D5);
}

void TAboutF::ShowInsteadOf(QWidget& mainWindow) {
    if (!Panel1)
        CreateControls();
    // A dialog of the main window for the compositor, over its centre where
    // the program places its windows.
    SetTransientParent(*this, mainWindow);
    PlaceWindow(*this, mainWindow.frameGeometry().center() - rect().center());
    show();
    OkB->setFocus(Qt::ActiveWindowFocusReason); // Return or Space closes the window
    ActivateWindow(*this);
    mainWindow.hide();
}

void TAboutF::OkBClick() {
    hide();
    mainWindow_.show();
    ActivateWindow(mainWindow_);
}

void TAboutF::Label3D5Click() {
    ShellOpen(kWebAddress);
}

void TAboutF::Label3D5MouseEnter() {
    QFont font = Label3D5->Font();
    font.setUnderline(true);
    Label3D5->SetFont(font);
}

void TAboutF::Label3D5MouseExit() {
    QFont font = Label3D5->Font();
    font.setUnderline(false);
    Label3D5->SetFont(font);
}

void TAboutF::Panel1MouseDown(QMouseEvent* event) {
    StartWindowDrag(Panel1, *event);
}

void TAboutF::closeEvent(QCloseEvent* event) {
    Guarded([this] { OkBClick(); });
    event->accept(); // the window is only hidden; it stays for the next time
}

void TAboutF::keyPressEvent(QKeyEvent* event) {
    // The close keystrokes of a window without a frame.
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool TAboutF::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Panel1 && event->type() == QEvent::MouseButtonPress) {
        auto* press = static_cast<QMouseEvent*>(event);
        // A press a label or the button passed on is not one on the panel.
        if (Panel1->childAt(press->position().toPoint()) == nullptr) {
            Guarded([&] { Panel1MouseDown(press); });
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace maskwell
