// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <functional>

class QDesignerFormEditorInterface;

namespace maskwell::designer {

// What the designer shows and needs for one control.
struct ControlDescription {
    QString className;  // with its namespace, as forms and uic name it
    QString objectName; // the name a new instance starts with
    QString header;     // the include file generated code uses
    QString toolTip;
    QString whatsThis;
    QSize defaultSize;
    // The Caption a new instance gets in the designer, so that it can be seen
    // on the form (as Qt's own widgets get "TextLabel"); empty for none.
    QString defaultCaption;
    std::function<QWidget*(QWidget* parent)> create;
    std::function<QIcon()> icon;
    // Registers the control's designer extensions, if it has any.
    std::function<void(QDesignerFormEditorInterface* core)> initialize;
};

// One control in the designer's widget box, in the "Maskwell" group. Once a
// form designer has initialised it, the controls it creates are marked as
// being at design time; a form loader that only creates widgets through it
// (QUiLoader in a program) gets plain, running controls.
class ControlPlugin : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    ControlPlugin(ControlDescription description, QObject* parent);

    QString name() const override { return description_.className; }
    QString group() const override;
    QString toolTip() const override { return description_.toolTip; }
    QString whatsThis() const override { return description_.whatsThis; }
    QString includeFile() const override { return description_.header; }
    QIcon icon() const override;
    bool isContainer() const override { return false; }
    QWidget* createWidget(QWidget* parent) override;
    bool isInitialized() const override { return !core_.isNull(); }
    void initialize(QDesignerFormEditorInterface* core) override;
    QString domXml() const override;

private:
    ControlDescription description_;
    mutable QIcon icon_;
    // The designer that initialised the plugin, while it lives.
    QPointer<QDesignerFormEditorInterface> core_;
};

} // namespace maskwell::designer
