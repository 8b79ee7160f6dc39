// SPDX-License-Identifier: MIT
#include "gallery/QlCheckBoxPage.h"

#include "controls/QlCheckBox.h"
#include "platform/Fonts.h"
#include "platform/TextDrawing.h"

namespace maskwell::gallery {

namespace {

constexpr int kFontPixels = 11;
constexpr int kCaptionLeft = 21; // the caption starts right of the 16-pixel box
constexpr TColor kDarkGreen = RGBColor(12, 97, 63);

const QStringList kCustomColors = {"ccBlue", "ccRed", "ccGreen"};

QFont BoxFont(int pixels) {
    return PixelFont("Verdana", pixels);
}

// Wide enough for the box and the whole caption.
void FitCaption(TQlCheckBox& box) {
    box.resize(kCaptionLeft + TextExtent(box.CanvasFont(), box.Caption()).width() + 4,
               box.height());
}

} // namespace

QlCheckBoxPage::QlCheckBoxPage(QWidget* parent)
    : GalleryPage("A check box drawn from 16 x 16 bitmaps, so that its mark can be blue, red or "
                  "green. A left press and release toggles it; a disabled box never toggles. "
                  "With HiLigthMode the caption takes HiLigthColor while the pointer is over "
                  "it; with TabStop it takes the focus by Tab and toggles on Space.",
                  parent) {
    BeginGroup("Marks", 4);
    AddBox("Unchecked", "Unchecked, every CustomColor", "Unchecked");
    for (int color = ccBlue; color <= ccGreen; ++color) {
        const QString& name = kCustomColors[color];
        auto* box = AddBox("Checked" + name.mid(2), "Checked, " + name, "Checked");
        box->SetCustomColor(static_cast<TGCustomColor>(color));
        box->SetChecked(true);
    }

    BeginGroup("States", 4);
    auto* disabledOff = AddBox("DisabledUnchecked", "Enabled off, unchecked", "Disabled");
    disabledOff->SetEnabled(false);
    auto* disabledOn = AddBox("DisabledChecked", "Enabled off, checked", "Disabled");
    disabledOn->SetChecked(true);
    disabledOn->SetEnabled(false);
    auto* hover =
        AddBox("HiLigthMode", "HiLigthMode: green under the pointer", "Use Inversed Mask");
    hover->SetCustomColor(ccRed);
    hover->SetHiLigthMode(true);
    hover->SetHiLigthColor(kDarkGreen);
    auto* keyboard = AddBox("TabStop", "TabStop: Tab, then Space", "Keyboard");
    keyboard->SetTabStop(true);
    keyboard->SetCustomColor(ccGreen);

    BeginGroup("Captions", 4);
    auto* calculator =
        AddBox("Calculator", "Verdana 9 px, as in the calculator", "Use Inversed Mask");
    calculator->SetFont(BoxFont(9));
    calculator->SetCustomColor(ccRed);
    FitCaption(*calculator);
    auto* navy = AddBox("NavyCaption", "FontColor clNavy", "Subnet Info");
    navy->SetFontColor(clNavy);
    navy->SetChecked(true);
    auto* large = AddBox("LargeFont", "Verdana 14 px, 20 pixels high", "Address Info");
    large->SetFont(BoxFont(14));
    large->resize(large->width(), 20);
    FitCaption(*large);

    BuildPanel();
    FinishSamples();
}

TQlCheckBox* QlCheckBoxPage::AddBox(const QString& name, const QString& caption,
                                    const QString& text) {
    auto* box = AddSample<TQlCheckBox>(name, caption);
    box->SetFont(BoxFont(kFontPixels));
    box->SetCaption(text);
    FitCaption(*box);
    connect(box, &TQlCheckBox::Clicked, this, [this, box] {
        Log(box, QStringLiteral("Clicked, Checked %1").arg(box->Checked() ? "on" : "off"));
        if (box == SelectedSample())
            Properties().Refresh();
    });
    return box;
}

void QlCheckBoxPage::BuildPanel() {
    PropertyPanel& panel = Properties();
    auto box = [this] { return Selected<TQlCheckBox>(); };
    panel.AddText(
        "Caption", [box] { return box()->Caption(); },
        [box](const QString& text) {
            box()->SetCaption(text);
            FitCaption(*box());
        });
    panel.AddSwitch(
        "Checked", [box] { return box()->Checked(); }, [box](bool on) { box()->SetChecked(on); });
    panel.AddSwitch(
        "Enabled", [box] { return box()->Enabled(); }, [box](bool on) { box()->SetEnabled(on); });
    panel.AddChoice(
        "CustomColor", kCustomColors, [box] { return int(box()->CustomColor()); },
        [box](int color) { box()->SetCustomColor(static_cast<TGCustomColor>(color)); });
    panel.AddSwitch(
        "HiLigthMode", [box] { return box()->HiLigthMode(); },
        [box](bool on) { box()->SetHiLigthMode(on); });
    panel.AddColor(
        "HiLigthColor", [box] { return box()->HiLigthColor(); },
        [box](TColor color) { box()->SetHiLigthColor(color); });
    panel.AddColor(
        "FontColor", [box] { return box()->FontColor(); },
        [box](TColor color) { box()->SetFontColor(color); });
    panel.AddSwitch(
        "TabStop", [box] { return box()->TabStop(); }, [box](bool on) { box()->SetTabStop(on); });
    panel.AddNumber(
        "Height", 8, 40, [box] { return box()->height(); },
        [box](int height) { box()->resize(box()->width(), height); });
    panel.AddNumber(
        "FontPixels", 8, 20, [box] { return box()->Font().pixelSize(); },
        [box](int pixels) {
            box()->SetFont(BoxFont(pixels));
            FitCaption(*box());
        });
}

} // namespace maskwell::gallery
