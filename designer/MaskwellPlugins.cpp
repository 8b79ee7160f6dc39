// SPDX-License-Identifier: MIT
#include "designer/MaskwellPlugins.h"

#include "controls/DesignTime.h"
#include "controls/IPEdit.h"
#include "controls/Label3D.h"
#include "controls/QlCheckBox.h"
#include "controls/QlFancyButton.h"
#include "controls/advedit/AdvEdit.h"
#include "designer/AboutBox.h"
#include "designer/CheckBoxTaskMenu.h"
#include "designer/ControlIcons.h"
#include "designer/ControlPlugin.h"

#include <QDesignerFormEditorInterface>
#include <QExtensionManager>

namespace maskwell::designer {

namespace {

template <typename Control> QWidget* Create(QWidget* parent) {
    return new Control(parent);
}

QIcon IPEditIcon() {
    auto* sample = new TIPEdit;
    sample->SetText(QStringLiteral("10.0.0.1"));
    return IconOf(sample);
}

QIcon Label3DIcon() {
    auto* sample = new TLabel3D;
    QFont font = sample->Font();
    font.setPixelSize(22);
    font.setBold(true);
    sample->SetFont(font);
    sample->SetTextStyle(Label3D::tsLightRaised);
    sample->SetCaption(QStringLiteral("Ab"));
    return IconOf(sample);
}

QIcon CheckBoxIcon() {
    auto* sample = new TQlCheckBox;
    sample->SetCaption({});
    sample->SetCustomColor(ccRed);
    sample->SetChecked(true);
    sample->resize(16, 16);
    return IconOf(sample);
}

QIcon FancyButtonIcon() {
    auto* sample = new TQlFancyButton;
    sample->SetCaption(QStringLiteral("OK"));
    sample->resize(44, 30);
    return IconOf(sample);
}

QIcon AdvEditIcon() {
    auto* sample = new TAdvEdit;
    sample->SetPrefix(QStringLiteral("$"));
    sample->SetText(QStringLiteral("12"));
    sample->resize(36, 21);
    return IconOf(sample);
}

void RegisterCheckBoxTaskMenu(QDesignerFormEditorInterface* core) {
    QExtensionManager* manager = core->extensionManager();
    manager->registerExtensions(new CheckBoxTaskMenuFactory(manager),
                                Q_TYPEID(QDesignerTaskMenuExtension));
}

} // namespace

MaskwellPlugins::MaskwellPlugins(QObject* parent) : QObject(parent) {
    SetDesignTimeAboutBox(&ShowAboutBox);
    const QList<ControlDescription> controls = {
        {QStringLiteral("maskwell::TIPEdit"),
         QStringLiteral("ipEdit"),
         QStringLiteral("controls/IPEdit.h"),
         tr("IPv4 address edit"),
         tr("Four octet fields separated by dots: typing is limited to digits, a dot or the third "
            "digit moves on, and leaving a field repairs the octets."),
         QSize(185, 21),
         {},
         &Create<TIPEdit>,
         &IPEditIcon,
         nullptr},
        {QStringLiteral("maskwell::TLabel3D"), QStringLiteral("label3D"),
         QStringLiteral("controls/Label3D.h"), tr("3D label"),
         tr("A label with raised, recessed or shadowed text, rotation, a border, web and e-mail "
            "link styles and ellipsis trimming."),
         QSize(65, 17), QStringLiteral("Label3D"), &Create<TLabel3D>, &Label3DIcon, nullptr},
        {QStringLiteral("maskwell::TQlCheckBox"),
         QStringLiteral("qlCheckBox"),
         QStringLiteral("controls/QlCheckBox.h"),
         tr("Glyph check box"),
         tr("A check box drawn from its own glyphs, with a red, green or blue check mark and a "
            "caption that can light up under the pointer. About... in its context menu."),
         QSize(97, 16),
         {},
         &Create<TQlCheckBox>,
         &CheckBoxIcon,
         &RegisterCheckBoxTaskMenu},
        {QStringLiteral("maskwell::TQlFancyButton"), QStringLiteral("qlFancyButton"),
         QStringLiteral("controls/QlFancyButton.h"), tr("Fancy button"),
         tr("A push button drawn by the program: capsule, oval or rounded rectangle face with a "
            "shaded frame, caption effects, a hover colour and an optional glyph strip."),
         QSize(97, 25), QStringLiteral("QlFancyButton"), &Create<TQlFancyButton>, &FancyButtonIcon,
         nullptr},
        {QStringLiteral("maskwell::TAdvEdit"),
         QStringLiteral("advEdit"),
         QStringLiteral("controls/advedit/AdvEdit.h"),
         tr("Advanced edit"),
         tr("A single-line edit with edit types, prefix and suffix, focus colours, an attached "
            "label, a lookup list and persistence."),
         QSize(121, TAdvEdit::kDefaultHeight),
         {},
         &Create<TAdvEdit>,
         &AdvEditIcon,
         nullptr},
    };
    for (const ControlDescription& control : controls)
        plugins_.append(new ControlPlugin(control, this));
}

} // namespace maskwell::designer
