// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Color.h"

#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <vector>

class QFormLayout;

namespace maskwell::gallery {

// A compact form of editors, each bound to a getter and a setter of the
// control a page has selected. An edit calls the setter and then reads every
// getter back, so what the control made of the value (a clamp, a property that
// follows another) shows at once. Each editor is named after its property
// (objectName), which is also the row's label.
class PropertyPanel : public QWidget {
    Q_OBJECT

public:
    template <typename T> using Getter = std::function<T()>;
    template <typename T> using Setter = std::function<void(T)>;

    explicit PropertyPanel(QWidget* parent = nullptr);

    // An enumeration: items are its value names in ordinal order.
    void AddChoice(const QString& name, const QStringList& items, Getter<int> get, Setter<int> set);
    void AddNumber(const QString& name, int minimum, int maximum, Getter<int> get, Setter<int> set);
    void AddSwitch(const QString& name, Getter<bool> get, Setter<bool> set);
    // Applied when the line is left or Enter is pressed.
    void AddText(const QString& name, Getter<QString> get, Setter<QString> set);
    // The named colours of the toolkit, plus whatever the control holds.
    void AddColor(const QString& name, Getter<TColor> get, Setter<TColor> set);
    // A value that is only shown.
    void AddReadout(const QString& name, Getter<QString> get);

    // Reads every getter into its editor without calling a setter.
    void Refresh();

private:
    // Runs a setter, then shows what the control now holds.
    void Apply(const std::function<void()>& set);
    void AddRow(const QString& name, QWidget* editor, std::function<void()> load);

    QFormLayout* form_;
    std::vector<std::function<void()>> loaders_;
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
