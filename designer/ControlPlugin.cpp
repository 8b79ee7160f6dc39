// SPDX-License-Identifier: MIT
#include "designer/ControlPlugin.h"

#include "controls/DesignTime.h"

#include <QDesignerFormEditorInterface>

namespace maskwell::designer {

ControlPlugin::ControlPlugin(ControlDescription description, QObject* parent)
    : QObject(parent), description_(std::move(description)) {}

QString ControlPlugin::group() const {
    return QStringLiteral("Maskwell");
}

QIcon ControlPlugin::icon() const {
    // Drawn by the control itself, once: it needs a running application.
    if (icon_.isNull() && description_.icon)
        icon_ = description_.icon();
    return icon_;
}

QWidget* ControlPlugin::createWidget(QWidget* parent) {
    QWidget* control = description_.create(parent);
    if (core_)
        MarkDesignTime(control);
    return control;
}

void ControlPlugin::initialize(QDesignerFormEditorInterface* core) {
    if (!core || core_ == core)
        return;
    core_ = core;
    if (description_.initialize)
        description_.initialize(core);
}

QString ControlPlugin::domXml() const {
    // A new instance takes the control's own default size and, where it has
    // one, a caption to be seen by; every other property keeps the value the
    // control is constructed with. Only the designer's widget box reads this.
    const QString shortName = description_.className.section(QStringLiteral("::"), -1);
    const QString caption = description_.defaultCaption.isEmpty()
                                ? QString()
                                : QStringLiteral("  <property name=\"Caption\">\n"
                                                 "   <string>%1</string>\n"
                                                 "  </property>\n")
                                      .arg(description_.defaultCaption.toHtmlEscaped());
    return QStringLiteral("<ui language=\"c++\" displayname=\"%1\">\n"
                          " <widget class=\"%2\" name=\"%3\">\n"
                          "  <property name=\"geometry\">\n"
                          "   <rect><x>0</x><y>0</y><width>%4</width><height>%5</height></rect>\n"
                          "  </property>\n"
                          "%6"
                          " </widget>\n"
                          "</ui>\n")
        .arg(shortName, description_.className, description_.objectName)
        .arg(description_.defaultSize.width())
        .arg(description_.defaultSize.height())
        .arg(caption);
}

} // namespace maskwell::designer
