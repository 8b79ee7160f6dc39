// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

namespace maskwell::designer {

// The plugin Qt Designer loads: the five Maskwell controls, in the "Maskwell"
// group of the widget box.
class MaskwellPlugins : public QObject, public QDesignerCustomWidgetCollectionInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)

public:
    explicit MaskwellPlugins(QObject* parent = nullptr);

    QList<QDesignerCustomWidgetInterface*> customWidgets() const override { return plugins_; }

private:
    QList<QDesignerCustomWidgetInterface*> plugins_;
};

} // namespace maskwell::designer
