// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Color.h"

#include <QImage>
#include <QMetaObject>
#include <QMetaProperty>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

class QFormLayout;

namespace maskwell::gallery {

// The properties a control publishes, read from its meta-object and shown in
// the order it declares them, each in an editor made for its type: a switch,
// a number, a text, the names of an enumeration (QMetaEnum), a colour, a
// font's size, a picture. What it shows is what the form designer shows: the
// properties of the control's own classes, then Qt's enabled and font where
// the control publishes no property of that name, and its width and height.
//
// An edit writes the property and then reads every property back, so what the
// control made of the value (a clamp, a property that follows another) shows
// at once; a property's change signal (NOTIFY) reads them back as well. Each
// editor is named after its property (objectName), which is also its row's
// label.
class PropertyPanel : public QWidget {
    Q_OBJECT

public:
    explicit PropertyPanel(QWidget* parent = nullptr);

    // Shows the control's properties; the editors are made for the class of
    // the first control shown, so every control shown must be of that class.
    void Show(QWidget* control);

    // A picture the editors of picture properties offer, by name.
    void OfferPicture(const QString& name, const QImage& picture);

    // The properties shown for a class, in the order shown (width and height
    // aside).
    static std::vector<QMetaProperty> ShownProperties(const QMetaObject& meta);

public slots:
    // Reads every property into its editor without writing one.
    void Refresh();

signals:
    // A property was written from its editor (the control has taken it).
    void Edited(const QString& property);

private:
    struct Row {
        QMetaProperty property;
        std::function<void(const QVariant&)> load;
    };

    void Build(const QMetaObject& meta);
    QWidget* Editor(const QMetaProperty& property, std::function<void(const QVariant&)>& load);
    QWidget* ChoiceEditor(const QMetaProperty& property,
                          std::function<void(const QVariant&)>& load);
    QWidget* ColorEditor(const QMetaProperty& property, std::function<void(const QVariant&)>& load);
    QWidget* PictureEditor(const QMetaProperty& property,
                           std::function<void(const QVariant&)>& load);
    QWidget* TextEditor(const QMetaProperty& property, std::function<void(const QVariant&)>& load);
    QWidget* SizeEditor(const QString& name, bool width);
    // Writes a value through the property, then shows what the control holds.
    void Write(const QMetaProperty& property, const QVariant& value);
    void Resize(QSize size);
    void AddRow(const QString& name, QWidget* editor);

    QFormLayout* form_;
    const QMetaObject* meta_ = nullptr;
    QPointer<QWidget> control_;
    std::vector<Row> rows_;
    std::vector<std::function<void()>> sizeLoaders_;
    std::vector<QMetaObject::Connection> notifications_;
    std::vector<std::pair<QString, QImage>> pictures_;
    bool loading_ = false;
};

// The toolkit's colour names the colour editors offer, with their values.
struct NamedColor {
    const char* name;
    TColor color;
};
const std::vector<NamedColor>& NamedColors();

// The name of a colour: its toolkit name, or #RRGGBB.
QString ColorName(TColor color);

} // namespace maskwell::gallery
