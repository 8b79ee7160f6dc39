// SPDX-License-Identifier: MIT
#include "gallery/QlFancyButtonPage.h"

#include "controls/QlFancyButton.h"
#include "platform/Fonts.h"
#include "ui_QlFancyButtonShapes.h"

#include <QPainter>

namespace maskwell::gallery {

namespace {

using namespace QlFancyButton;

constexpr int kFontPixels = 12;
constexpr TColor kAboutFace = RGBColor(219, 219, 219);
constexpr TColor kDarkGreen = RGBColor(12, 97, 63);
constexpr TColor kSky = RGBColor(190, 220, 250);

QFont ButtonFont(int pixels) {
    return PixelFont("Verdana", pixels, true);
}

// Four 16 x 16 cells, normal, disabled, pressed and hot: a disc on a magenta
// ground, the strip's bottom-left pixel (magenta) being the transparent
// colour.
QImage GlyphStrip() {
    constexpr int kCell = 16;
    QImage strip(4 * kCell, kCell, QImage::Format_RGB32);
    strip.fill(QColor(255, 0, 255));
    QPainter painter(&strip);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QColor discs[] = {QColor(0, 128, 0), QColor(128, 128, 128), QColor(0, 80, 0),
                            QColor(0, 200, 0)};
    for (int cell = 0; cell < 4; ++cell) {
        painter.setPen(Qt::black);
        painter.setBrush(discs[cell]);
        painter.drawEllipse(cell * kCell + 2, 2, 11, 11);
    }
    return strip;
}

} // namespace

QlFancyButtonPage::QlFancyButtonPage(QWidget* parent)
    : GalleryPage("A push button drawn by the program: a face in one of three shapes inside a "
                  "frame that shades from FrameColor into FaceColor, a sunken look while "
                  "pressed, a caption effect whose text takes HoverColor over the face, and a "
                  "glyph from a strip of up to four cells (normal, disabled, pressed, hot). It "
                  "never grows beyond 145 x 145.",
                  parent) {
    // The shapes come from a form (QlFancyButtonShapes.ui, compiled by uic), as
    // a program's own forms do; the form is only their maker.
    BeginGroup("Shapes (from the form QlFancyButtonShapes.ui)", 4);
    {
        QWidget form;
        Ui::QlFancyButtonShapes shapes;
        shapes.setupUi(&form);
        Dress(AdoptSample(shapes.Capsule, "btnCapsule"));
        Dress(AdoptSample(shapes.Oval, "btnOval"));
        Dress(AdoptSample(shapes.Rounded, "btnRectangle, CornerRadius 6\nAlt+A clicks it"));
        Dress(AdoptSample(shapes.Square, "btnRectangle, CornerRadius 0"));
    }

    BeginGroup("Frames and colours", 4);
    AddButton("ThinFrame", "FrameWidth 3", {97, 25})->FancyEffects()->SetFrameWidth(3);
    AddButton("WideFrame", "FrameWidth 12", {110, 41})->FancyEffects()->SetFrameWidth(12);
    AddButton("NoFrame", "fmNone", {97, 25})->FancyEffects()->SetFrameStyle(fmNone);
    auto* sky = AddButton("Coloured", "Face sky, frame clNavy,\nhover clRed", {97, 25});
    sky->FancyEffects()->SetFaceColor(kSky);
    sky->FancyEffects()->SetFrameColor(clNavy);
    sky->FancyEffects()->SetHoverColor(clRed);
    auto* about = AddButton("AboutOk", "The About window's OK", {65, 17});
    about->SetCaption("OK");
    about->setFont(PixelFont("MS Sans Serif", 11));
    about->FancyEffects()->SetFaceColor(kAboutFace);
    about->FancyEffects()->SetHoverColor(kDarkGreen);
    auto* disabled = AddButton("Disabled", "Disabled, txShadowed,\nglyph cell 2", {97, 25});
    disabled->FancyEffects()->SetTextStyle(txShadowed);
    disabled->Glyphs()->SetGlyph(GlyphStrip());
    disabled->Glyphs()->SetNumber(4);
    disabled->Glyphs()->SetDistance(4);
    disabled->SetEnabled(false);

    BeginGroup("Caption effects", 4);
    for (int style = txNone; style <= txShadowed; ++style) {
        const QString name = NameOf(static_cast<TTextStyle>(style));
        AddButton(name, name, {97, 25})
            ->FancyEffects()
            ->SetTextStyle(static_cast<TTextStyle>(style));
    }

    BeginGroup("Glyph layouts (a strip of 4 cells, Distance 4)", 5);
    for (int layout = lyLeft; layout <= lyCenter; ++layout) {
        const QString name = NameOf(static_cast<TBmpLayout>(layout));
        const bool vertical = layout == lyTop || layout == lyBottom || layout == lyCenter;
        auto* button = AddButton(name, name, {97, vertical ? 44 : 25});
        button->Glyphs()->SetGlyph(GlyphStrip());
        button->Glyphs()->SetNumber(4);
        button->Glyphs()->SetDistance(4);
        button->Glyphs()->SetLayout(static_cast<TBmpLayout>(layout));
    }

    Properties().OfferPicture("Four discs", GlyphStrip());
    FinishSamples();
}

TQlFancyButton* QlFancyButtonPage::AddButton(const QString& name, const QString& caption,
                                             QSize size) {
    auto* button = Dress(AddSample<TQlFancyButton>(name, caption));
    button->SetCaption("Apply");
    button->resize(size);
    return button;
}

TQlFancyButton* QlFancyButtonPage::Dress(TQlFancyButton* button) {
    button->setFont(ButtonFont(kFontPixels));
    return button;
}

} // namespace maskwell::gallery
