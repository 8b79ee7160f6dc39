// SPDX-License-Identifier: MIT
#include "gallery/IPEditPage.h"

#include "controls/IPEdit.h"
#include "platform/Fonts.h"

namespace maskwell::gallery {

namespace {

constexpr TColor kLightGrey = RGBColor(238, 238, 238);
constexpr int kFontPixels = 11;

QFont EditFont(int pixels) {
    return PixelFont("MS Sans Serif", pixels);
}

} // namespace

IPEditPage::IPEditPage(QWidget* parent)
    : GalleryPage("Type an address octet by octet: a dot or the third digit moves to the next "
                  "field; leaving a field repairs it (empty fields become 0, the first octet 1 "
                  "to 239, the others at most 255). Text is the dotted address as it stands, "
                  "Value the same as a 32-bit number.",
                  parent) {
    BeginGroup("Addresses", 3);
    AddAddress("Plain", "Text \"192.168.0.1\", the calculator's start")->SetText("192.168.0.1");
    AddAddress("ByValue", "Value 167772161 (0A000001)")->SetValue(0x0A000001);
    auto* grey = AddAddress("LightGrey", "Color light grey, as in the calculator");
    grey->SetColor(kLightGrey);
    grey->SetText("172.16.254.3");

    BeginGroup("States and sizes", 3);
    auto* disabled = AddAddress("Disabled", "Enabled off: fields and dots turn grey");
    disabled->SetText("10.1.2.3");
    disabled->SetEnabled(false);
    auto* squeezed = AddAddress("Squeezed", "Made 40 x 10: grows back to its minimum");
    squeezed->SetText("1.2.3.4");
    squeezed->resize(40, 10);
    auto* large = AddAddress("LargeFont", "A 16-pixel font: the fields follow it");
    large->setFont(EditFont(16));
    large->resize(260, 28);
    large->SetText("239.255.255.255");

    for (QWidget* sample : Samples())
        static_cast<TIPEdit*>(sample)->Loaded();
    FinishSamples();
}

TIPEdit* IPEditPage::AddAddress(const QString& name, const QString& caption) {
    auto* edit = AddSample<TIPEdit>(name, caption);
    edit->setFont(EditFont(kFontPixels));
    edit->resize(169, 21); // the calculator's size
    return edit;
}

} // namespace maskwell::gallery
