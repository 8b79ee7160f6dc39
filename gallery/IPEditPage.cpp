// SPDX-License-Identifier: MIT
#include "gallery/IPEditPage.h"

#include "controls/IPEdit.h"
#include "core/Error.h"
#include "platform/Fonts.h"

namespace maskwell::gallery {

namespace {

constexpr TColor kLightGrey = RGBColor(238, 238, 238);
constexpr int kFontPixels = 11;

QFont EditFont(int pixels) {
    return PixelFont("MS Sans Serif", pixels);
}

QString ValueText(const TIPEdit& edit) {
    try {
        const std::uint32_t value = edit.Value();
        return QStringLiteral("%1 (%2)").arg(value).arg(value, 8, 16, QChar(u'0')).toUpper();
    } catch (const ConversionError&) {
        return QStringLiteral("not a number while a field is being edited");
    }
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
    BuildPanel();
    FinishSamples();
}

TIPEdit* IPEditPage::AddAddress(const QString& name, const QString& caption) {
    auto* edit = AddSample<TIPEdit>(name, caption);
    edit->setFont(EditFont(kFontPixels));
    edit->resize(169, 21); // the calculator's size
    connect(edit, &TIPEdit::TextChanged, this, [this, edit] {
        if (edit == SelectedSample())
            Properties().Refresh();
    });
    connect(edit, &TIPEdit::Clicked, this, [this, edit] { Log(edit, "Clicked"); });
    connect(edit, &TIPEdit::DoubleClicked, this, [this, edit] { Log(edit, "DoubleClicked"); });
    connect(edit, &TIPEdit::FocusEntered, this, [this, edit] { Log(edit, "FocusEntered"); });
    connect(edit, &TIPEdit::FocusExited, this, [this, edit] { Log(edit, "FocusExited"); });
    connect(edit, &TIPEdit::OctetsRepaired, this,
            [this, edit] { Log(edit, "OctetsRepaired: " + edit->Text()); });
    return edit;
}

void IPEditPage::BuildPanel() {
    PropertyPanel& panel = Properties();
    auto edit = [this] { return Selected<TIPEdit>(); };
    panel.AddText(
        "Text", [edit] { return edit()->Text(); },
        [edit](const QString& text) { edit()->SetText(text); });
    panel.AddReadout("Value", [edit] { return ValueText(*edit()); });
    panel.AddColor(
        "Color", [edit] { return edit()->Color(); },
        [edit](TColor color) { edit()->SetColor(color); });
    panel.AddSwitch(
        "Enabled", [edit] { return edit()->Enabled(); },
        [edit](bool on) { edit()->SetEnabled(on); });
    panel.AddNumber(
        "FontPixels", 8, 24, [edit] { return edit()->font().pixelSize(); },
        [edit](int pixels) {
            edit()->setFont(EditFont(pixels));
            edit()->Loaded();
        });
    panel.AddNumber(
        "Width", 0, 400, [edit] { return edit()->width(); },
        [edit](int width) { edit()->resize(width, edit()->height()); });
    panel.AddNumber(
        "Height", 0, 60, [edit] { return edit()->height(); },
        [edit](int height) { edit()->resize(edit()->width(), height); });
}

} // namespace maskwell::gallery
