// SPDX-License-Identifier: MIT
#include "gallery/PropertyPanel.h"

#include "platform/ErrorBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QSignalBlocker>
#include <QSpinBox>
#include <utility>

namespace maskwell::gallery {

namespace {

QIcon Swatch(TColor color) {
    QPixmap pixmap(12, 12);
    pixmap.fill(ResolveColor(color));
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, 11, 11);
    return QIcon(pixmap);
}

} // namespace

const std::vector<NamedColor>& NamedColors() {
    static const std::vector<NamedColor> colors = {
        {"clBlack", clBlack},       {"clMaroon", clMaroon},       {"clGreen", clGreen},
        {"clNavy", clNavy},         {"clGray", clGray},           {"clSilver", clSilver},
        {"clRed", clRed},           {"clLime", clLime},           {"clBlue", clBlue},
        {"clWhite", clWhite},       {"clWindow", clWindow},       {"clWindowText", clWindowText},
        {"clBtnFace", clBtnFace},   {"clBtnShadow", clBtnShadow}, {"clHighlight", clHighlight},
        {"clGrayText", clGrayText}, {"clInfoBk", clInfoBk},
    };
    return colors;
}

QString ColorName(TColor color) {
    for (const NamedColor& named : NamedColors())
        if (named.color == color)
            return QString::fromLatin1(named.name);
    return ResolveColor(color).name().toUpper();
}

PropertyPanel::PropertyPanel(QWidget* parent) : QWidget(parent), form_(new QFormLayout(this)) {
    form_->setContentsMargins(0, 0, 0, 0);
    form_->setVerticalSpacing(3);
    form_->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
}

void PropertyPanel::AddRow(const QString& name, QWidget* editor, std::function<void()> load) {
    editor->setObjectName(name);
    form_->addRow(name, editor);
    loaders_.push_back(std::move(load));
}

void PropertyPanel::Apply(const std::function<void()>& set) {
    if (loading_)
        return;
    Guarded(set); // a refused value shows in the error box, as in the program
    Refresh();
}

void PropertyPanel::Refresh() {
    loading_ = true;
    for (const auto& load : loaders_)
        load();
    loading_ = false;
}

void PropertyPanel::AddChoice(const QString& name, const QStringList& items, Getter<int> get,
                              Setter<int> set) {
    auto* combo = new QComboBox(this);
    combo->addItems(items);
    connect(combo, &QComboBox::currentIndexChanged, this,
            [this, set = std::move(set)](int index) { Apply([&] { set(index); }); });
    AddRow(name, combo, [combo, get = std::move(get)] {
        const QSignalBlocker blocker(combo);
        combo->setCurrentIndex(get());
    });
}

void PropertyPanel::AddNumber(const QString& name, int minimum, int maximum, Getter<int> get,
                              Setter<int> set) {
    auto* spin = new QSpinBox(this);
    spin->setRange(minimum, maximum);
    spin->setKeyboardTracking(false); // typed digits apply on Enter or when left
    connect(spin, &QSpinBox::valueChanged, this,
            [this, set = std::move(set)](int value) { Apply([&] { set(value); }); });
    AddRow(name, spin, [spin, get = std::move(get)] {
        const QSignalBlocker blocker(spin);
        spin->setValue(get());
    });
}

void PropertyPanel::AddSwitch(const QString& name, Getter<bool> get, Setter<bool> set) {
    auto* box = new QCheckBox(this);
    connect(box, &QCheckBox::toggled, this,
            [this, set = std::move(set)](bool on) { Apply([&] { set(on); }); });
    AddRow(name, box, [box, get = std::move(get)] {
        const QSignalBlocker blocker(box);
        box->setChecked(get());
    });
}

void PropertyPanel::AddText(const QString& name, Getter<QString> get, Setter<QString> set) {
    auto* line = new QLineEdit(this);
    connect(line, &QLineEdit::editingFinished, this, [this, line, get, set = std::move(set)] {
        if (line->text() != get())
            Apply([&] { set(line->text()); });
    });
    AddRow(name, line, [line, get = std::move(get)] {
        const QSignalBlocker blocker(line);
        line->setText(get());
    });
}

void PropertyPanel::AddColor(const QString& name, Getter<TColor> get, Setter<TColor> set) {
    auto* combo = new QComboBox(this);
    for (const NamedColor& named : NamedColors())
        combo->addItem(Swatch(named.color), QString::fromLatin1(named.name),
                       QVariant::fromValue(named.color));
    connect(combo, &QComboBox::currentIndexChanged, this,
            [this, combo, set = std::move(set)](int index) {
                Apply([&] { set(combo->itemData(index).value<TColor>()); });
            });
    AddRow(name, combo, [combo, get = std::move(get)] {
        const QSignalBlocker blocker(combo);
        const TColor color = get();
        int index = combo->findData(QVariant::fromValue(color));
        if (index < 0) { // a colour of the sample's own: offered from now on
            combo->addItem(Swatch(color), ColorName(color), QVariant::fromValue(color));
            index = combo->count() - 1;
        }
        combo->setCurrentIndex(index);
    });
}

void PropertyPanel::AddReadout(const QString& name, Getter<QString> get) {
    auto* label = new QLabel(this);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    AddRow(name, label, [label, get = std::move(get)] { label->setText(get()); });
}

} // namespace maskwell::gallery
