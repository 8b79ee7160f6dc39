// SPDX-License-Identifier: MIT
#include "gallery/Label3DPage.h"

#include "controls/Label3D.h"
#include "platform/Fonts.h"

#include <QFontMetrics>

namespace maskwell::gallery {

namespace {

using namespace Label3D;

constexpr int kFontPixels = 18;

QFont LabelFont(int pixels) {
    return PixelFont("Arial", pixels, true);
}

const QStringList kTextStyles = {"tsNone",     "tsRaised",        "tsLightRaised",
                                 "tsRecessed", "tsHeavyRecessed", "tsShadow"};
const QStringList kBorderTypes = {"btDefault", "btRecessed", "btRaised"};
const QStringList kPenStyles = {"psSolid",      "psDash",  "psDot",        "psDashDot",
                                "psDashDotDot", "psClear", "psInsideFrame"};
const QStringList kLabelStyles = {"lsDefault", "lsWWWAddress", "lsEMailAddress"};
const QStringList kEllipsesStyles = {"esNone", "esEnd", "esPath"};
const QStringList kAlignments = {"taLeftJustify", "taRightJustify", "taCenter"};

} // namespace

Label3DPage::Label3DPage(QWidget* parent)
    : GalleryPage("A label that draws its text raised, recessed or shadowed, rotated by any "
                  "angle, inside a plain or bevelled border, as a web or e-mail link that "
                  "opens on a click, or trimmed with an ellipsis. It paints only its text and "
                  "border unless Transparent is off.",
                  parent) {
    BeginGroup("Text styles", 3);
    for (int style = tsNone; style <= tsShadow; ++style) {
        const QString& name = kTextStyles[style];
        const bool shadow = style == tsShadow;
        auto* label = AddLabel(name, name + (shadow ? ", Shift 3" : ""), "Subnet Mask");
        label->SetTextStyle(static_cast<TTextStyle>(style));
        if (shadow)
            label->SetShift(3);
    }

    BeginGroup("Borders and background", 3);
    for (int type = btDefault; type <= btRaised; ++type) {
        const QString& name = kBorderTypes[type];
        auto* label = AddBoxedLabel(name, "Border, " + name, "Max Hosts");
        label->SetBorder(true);
        label->SetBorderType(static_cast<TBorderType>(type));
    }
    auto* dashed = AddBoxedLabel("DashedBorder", "btDefault, psDash, clNavy", "Subnet ID");
    dashed->SetBorder(true);
    dashed->SetBorderPenStyle(psDash);
    dashed->SetBorderColor(clNavy);
    auto* opaque = AddBoxedLabel("Opaque", "Transparent off, clInfoBk", "Broadcast");
    opaque->SetTransparent(false);
    opaque->SetColor(clInfoBk);
    auto* disabled = AddLabel("Disabled", "tsRaised, Enabled off", "Address Info");
    disabled->SetEnabled(false);

    BeginGroup("Rotated text (Escapement, degrees counter-clockwise)", 4);
    for (const int degrees : {30, 90, 180, 270}) {
        auto* label = AddLabel(QStringLiteral("Escapement%1").arg(degrees),
                               QStringLiteral("Escapement %1").arg(degrees), "Binary");
        label->SetEscapement(degrees);
    }

    BeginGroup("Links, trimming and wrapping", 3);
    auto* web = AddLabel("WebLink", "lsWWWAddress: a click opens it", "www.example.org");
    web->SetTextStyle(tsNone);
    web->SetLabelStyle(lsWWWAddress);
    web->SetAddress("https://www.example.org");
    web->SetFontColor(clBlue);
    auto* mail = AddLabel("MailLink", "lsEMailAddress: a click writes to it", "team@example.org");
    mail->SetTextStyle(tsNone);
    mail->SetLabelStyle(lsEMailAddress);
    mail->SetAddress("team@example.org");
    mail->SetFontColor(clBlue);
    auto* end = AddLabel("EllipsisEnd", "esEnd in 150 pixels",
                         "Subnet Host Address Range of the whole network");
    end->SetEllipsesStyle(esEnd);
    end->resize(150, end->height());
    auto* path = AddLabel("EllipsisPath", "esPath in 150 pixels",
                          "/home/user/.config/maskwell/maskwell.ini");
    path->SetEllipsesStyle(esPath);
    path->resize(150, path->height());
    auto* wrapped = AddLabel("WordWrap", "WordWrap, taCenter, 150 pixels",
                             "The last address and mask are remembered");
    wrapped->SetAutoSize(false);
    wrapped->SetWordWrap(true);
    wrapped->SetAlignment(taCenter);
    wrapped->resize(150, 3 * QFontMetrics(wrapped->Font()).lineSpacing() + 2);

    BuildPanel();
    FinishSamples();
}

TLabel3D* Label3DPage::AddLabel(const QString& name, const QString& caption, const QString& text) {
    auto* label = AddSample<TLabel3D>(name, caption);
    label->SetFont(LabelFont(kFontPixels));
    label->SetTransparent(true);
    label->SetCaption(text);
    connect(label, &TLabel3D::Clicked, this, [this, label] { Log(label, "Clicked"); });
    connect(label, &TLabel3D::DoubleClicked, this, [this, label] { Log(label, "DoubleClicked"); });
    connect(label, &TLabel3D::MouseEntered, this, [this, label] { Log(label, "MouseEntered"); });
    connect(label, &TLabel3D::MouseExited, this, [this, label] { Log(label, "MouseExited"); });
    return label;
}

// A label of fixed size with its text centred both ways, so that a border
// keeps some room around the text.
TLabel3D* Label3DPage::AddBoxedLabel(const QString& name, const QString& caption,
                                     const QString& text) {
    auto* label = AddLabel(name, caption, text);
    label->SetTextStyle(tsNone);
    label->SetAutoSize(false);
    label->SetAlignment(taCenter);
    label->SetLayout(tlCenter);
    label->resize(label->width() + 20, label->height() + 10);
    return label;
}

void Label3DPage::BuildPanel() {
    PropertyPanel& panel = Properties();
    auto label = [this] { return Selected<TLabel3D>(); };
    panel.AddText(
        "Caption", [label] { return label()->Caption(); },
        [label](const QString& text) { label()->SetCaption(text); });
    panel.AddChoice(
        "TextStyle", kTextStyles, [label] { return int(label()->TextStyle()); },
        [label](int style) { label()->SetTextStyle(static_cast<TTextStyle>(style)); });
    panel.AddNumber(
        "Shift", -8, 8, [label] { return label()->Shift(); },
        [label](int pixels) { label()->SetShift(pixels); });
    panel.AddNumber(
        "Escapement", -360, 720, [label] { return label()->Escapement(); },
        [label](int degrees) { label()->SetEscapement(degrees); });
    panel.AddSwitch(
        "Border", [label] { return label()->Border(); },
        [label](bool on) { label()->SetBorder(on); });
    panel.AddChoice(
        "BorderType", kBorderTypes, [label] { return int(label()->BorderType()); },
        [label](int type) { label()->SetBorderType(static_cast<TBorderType>(type)); });
    panel.AddChoice(
        "BorderPenStyle", kPenStyles, [label] { return int(label()->BorderPenStyle()); },
        [label](int style) { label()->SetBorderPenStyle(static_cast<TPenStyle>(style)); });
    panel.AddNumber(
        "BorderWidth", 0, 8, [label] { return label()->BorderWidth(); },
        [label](int width) { label()->SetBorderWidth(width); });
    panel.AddColor(
        "BorderColor", [label] { return label()->BorderColor(); },
        [label](TColor color) { label()->SetBorderColor(color); });
    panel.AddChoice(
        "LabelStyle", kLabelStyles, [label] { return int(label()->LabelStyle()); },
        [label](int style) { label()->SetLabelStyle(static_cast<TLabelStyle>(style)); });
    panel.AddText(
        "Address", [label] { return label()->Address(); },
        [label](const QString& address) { label()->SetAddress(address); });
    panel.AddChoice(
        "EllipsesStyle", kEllipsesStyles, [label] { return int(label()->EllipsesStyle()); },
        [label](int style) { label()->SetEllipsesStyle(static_cast<TEllipsesStyle>(style)); });
    panel.AddChoice(
        "Alignment", kAlignments, [label] { return int(label()->Alignment()); },
        [label](int alignment) { label()->SetAlignment(static_cast<TAlignment>(alignment)); });
    panel.AddSwitch(
        "AutoSize", [label] { return label()->AutoSize(); },
        [label](bool on) { label()->SetAutoSize(on); });
    panel.AddNumber(
        "Width", 0, 400, [label] { return label()->width(); },
        [label](int width) { label()->resize(width, label()->height()); });
    panel.AddSwitch(
        "WordWrap", [label] { return label()->WordWrap(); },
        [label](bool on) { label()->SetWordWrap(on); });
    panel.AddSwitch(
        "Transparent", [label] { return label()->Transparent(); },
        [label](bool on) { label()->SetTransparent(on); });
    panel.AddColor(
        "Color", [label] { return label()->Color(); },
        [label](TColor color) { label()->SetColor(color); });
    panel.AddColor(
        "FontColor", [label] { return label()->FontColor(); },
        [label](TColor color) { label()->SetFontColor(color); });
    panel.AddNumber(
        "FontPixels", 8, 40, [label] { return label()->Font().pixelSize(); },
        [label](int pixels) { label()->SetFont(LabelFont(pixels)); });
    panel.AddSwitch(
        "Enabled", [label] { return label()->Enabled(); },
        [label](bool on) { label()->SetEnabled(on); });
}

} // namespace maskwell::gallery
