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
        const QString name = NameOf(static_cast<TGCustomColor>(color));
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

    // A new caption or font keeps the box wide enough for the caption.
    connect(&Properties(), &PropertyPanel::Edited, this,
            [this] { FitCaption(*Selected<TQlCheckBox>()); });
    FinishSamples();
}

TQlCheckBox* QlCheckBoxPage::AddBox(const QString& name, const QString& caption,
                                    const QString& text) {
    auto* box = AddSample<TQlCheckBox>(name, caption);
    box->SetFont(BoxFont(kFontPixels));
    box->SetCaption(text);
    FitCaption(*box);
    return box;
}

} // namespace maskwell::gallery
