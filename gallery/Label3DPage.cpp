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

} // namespace

Label3DPage::Label3DPage(QWidget* parent)
    : GalleryPage("A label that draws its text raised, recessed or shadowed, rotated by any "
                  "angle, inside a plain or bevelled border, as a web or e-mail link that "
                  "opens on a click, or trimmed with an ellipsis. It paints only its text and "
                  "border unless Transparent is off.",
                  parent) {
    BeginGroup("Text styles", 3);
    for (int style = tsNone; style <= tsShadow; ++style) {
        const QString name = NameOf(static_cast<TTextStyle>(style));
        const bool shadow = style == tsShadow;
        auto* label = AddLabel(name, name + (shadow ? ", Shift 3" : ""), "Subnet Mask");
        label->SetTextStyle(static_cast<TTextStyle>(style));
        if (shadow)
            label->SetShift(3);
    }

    BeginGroup("Borders and background", 3);
    for (int type = btDefault; type <= btRaised; ++type) {
        const QString name = NameOf(static_cast<TBorderType>(type));
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

    FinishSamples();
}

TLabel3D* Label3DPage::AddLabel(const QString& name, const QString& caption, const QString& text) {
    auto* label = AddSample<TLabel3D>(name, caption);
    label->SetFont(LabelFont(kFontPixels));
    label->SetTransparent(true);
    label->SetCaption(text);
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

} // namespace maskwell::gallery
