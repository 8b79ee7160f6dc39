// SPDX-License-Identifier: MIT
#include "gallery/PropertyPanel.h"

#include "platform/ErrorBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMetaEnum>
#include <QPainter>
#include <QPixmap>
#include <QSignalBlocker>
#include <QSpinBox>
#include <utility>

namespace maskwell::gallery {

namespace {

// Wide enough for any number a control clamps or normalises.
constexpr int kNumberLimit = 99999;

QIcon Swatch(const QColor& color) {
    QPixmap pixmap(12, 12);
    pixmap.fill(color);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, 11, 11);
    return QIcon(pixmap);
}

// The classes of ours a control is made of, its base classes first; Qt's own
// classes end the chain.
std::vector<const QMetaObject*> OwnClasses(const QMetaObject& meta) {
    std::vector<const QMetaObject*> classes;
    for (const QMetaObject* cls = &meta;
         cls && QLatin1String(cls->className()).startsWith(QLatin1String("maskwell::"));
         cls = cls->superClass())
        classes.insert(classes.begin(), cls);
    return classes;
}

bool Publishes(const std::vector<QMetaProperty>& shown, const char* name) {
    return std::any_of(shown.begin(), shown.end(), [name](const QMetaProperty& property) {
        return QLatin1String(property.name()).compare(QLatin1String(name), Qt::CaseInsensitive) ==
               0;
    });
}

// A number as the unsigned properties hold one (an address), in decimal and
// in hexadecimal.
QString UnsignedText(uint value) {
    return QStringLiteral("%1 (%2)").arg(value).arg(value, 8, 16, QChar(u'0')).toUpper();
}

int PixelSize(const QFont& font) {
    return font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
}

QImage Comparable(const QImage& image) {
    return image.convertToFormat(QImage::Format_RGB32);
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

std::vector<QMetaProperty> PropertyPanel::ShownProperties(const QMetaObject& meta) {
    std::vector<QMetaProperty> shown;
    for (const QMetaObject* cls : OwnClasses(meta))
        for (int i = cls->propertyOffset(); i < cls->propertyCount(); ++i)
            if (const QMetaProperty property = cls->property(i);
                property.isReadable() && property.isDesignable())
                shown.push_back(property);
    for (const char* name : {"enabled", "font"})
        if (!Publishes(shown, name))
            shown.push_back(meta.property(meta.indexOfProperty(name)));
    return shown;
}

void PropertyPanel::OfferPicture(const QString& name, const QImage& picture) {
    pictures_.emplace_back(name, Comparable(picture));
}

void PropertyPanel::Show(QWidget* control) {
    for (const QMetaObject::Connection& connection : notifications_)
        disconnect(connection);
    notifications_.clear();
    control_ = control;
    if (!control)
        return;
    if (!meta_)
        Build(*control->metaObject());
    Q_ASSERT(control->metaObject() == meta_); // one class per panel
    const QMetaMethod refresh = metaObject()->method(metaObject()->indexOfSlot("Refresh()"));
    for (const Row& row : rows_)
        if (row.property.hasNotifySignal())
            notifications_.push_back(connect(control, row.property.notifySignal(), this, refresh));
    Refresh();
}

void PropertyPanel::Build(const QMetaObject& meta) {
    meta_ = &meta;
    for (const QMetaProperty& property : ShownProperties(meta)) {
        std::function<void(const QVariant&)> load;
        QWidget* editor = Editor(property, load);
        AddRow(QString::fromLatin1(property.name()), editor);
        rows_.push_back({property, std::move(load)});
    }
    AddRow(QStringLiteral("Width"), SizeEditor(QStringLiteral("Width"), true));
    AddRow(QStringLiteral("Height"), SizeEditor(QStringLiteral("Height"), false));
}

void PropertyPanel::AddRow(const QString& name, QWidget* editor) {
    editor->setObjectName(name);
    form_->addRow(name, editor);
}

void PropertyPanel::Refresh() {
    if (!control_)
        return;
    loading_ = true;
    for (const Row& row : rows_)
        row.load(row.property.read(control_));
    for (const auto& load : sizeLoaders_)
        load();
    loading_ = false;
}

void PropertyPanel::Write(const QMetaProperty& property, const QVariant& value) {
    if (loading_ || !control_)
        return;
    // A refused value shows in the error box, as in the program.
    Guarded([&] { property.write(control_, value); });
    Refresh();
    emit Edited(QString::fromLatin1(property.name()));
}

void PropertyPanel::Resize(QSize size) {
    if (loading_ || !control_)
        return;
    control_->resize(size);
    Refresh();
    emit Edited(QStringLiteral("size"));
}

QWidget* PropertyPanel::Editor(const QMetaProperty& property,
                               std::function<void(const QVariant&)>& load) {
    if (!property.isWritable()) {
        auto* label = new QLabel(this);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        load = [label](const QVariant& value) { label->setText(value.toString()); };
        return label;
    }
    if (property.isEnumType())
        return ChoiceEditor(property, load);
    switch (property.metaType().id()) {
    case QMetaType::Bool: {
        auto* box = new QCheckBox(this);
        connect(box, &QCheckBox::toggled, this, [this, property](bool on) { Write(property, on); });
        load = [box](const QVariant& value) {
            const QSignalBlocker blocker(box);
            box->setChecked(value.toBool());
        };
        return box;
    }
    case QMetaType::Int: {
        auto* spin = new QSpinBox(this);
        spin->setRange(-kNumberLimit, kNumberLimit);
        spin->setKeyboardTracking(false); // typed digits apply on Enter or when left
        connect(spin, &QSpinBox::valueChanged, this,
                [this, property](int value) { Write(property, value); });
        load = [spin](const QVariant& value) {
            const QSignalBlocker blocker(spin);
            spin->setValue(value.toInt());
        };
        return spin;
    }
    case QMetaType::QFont: {
        // The size in pixels; the family and the style stay as they are.
        auto* spin = new QSpinBox(this);
        spin->setRange(1, 200);
        spin->setKeyboardTracking(false);
        spin->setToolTip(tr("Pixel size"));
        connect(spin, &QSpinBox::valueChanged, this, [this, property](int pixels) {
            QFont font = property.read(control_).value<QFont>();
            font.setPixelSize(pixels);
            Write(property, font);
        });
        load = [spin](const QVariant& value) {
            const QSignalBlocker blocker(spin);
            spin->setValue(PixelSize(value.value<QFont>()));
            spin->setToolTip(value.value<QFont>().family());
        };
        return spin;
    }
    case QMetaType::QColor:
        return ColorEditor(property, load);
    case QMetaType::QPixmap:
    case QMetaType::QImage:
        return PictureEditor(property, load);
    default:
        return TextEditor(property, load);
    }
}

QWidget* PropertyPanel::ChoiceEditor(const QMetaProperty& property,
                                     std::function<void(const QVariant&)>& load) {
    auto* combo = new QComboBox(this);
    const QMetaEnum values = property.enumerator();
    for (int i = 0; i < values.keyCount(); ++i)
        combo->addItem(QString::fromLatin1(values.key(i)), values.value(i));
    connect(combo, &QComboBox::currentIndexChanged, this,
            [this, property, combo](int index) { Write(property, combo->itemData(index)); });
    load = [combo](const QVariant& value) {
        const QSignalBlocker blocker(combo);
        combo->setCurrentIndex(combo->findData(value.toInt()));
    };
    return combo;
}

// The toolkit's named colours, and any other colour a control holds, offered
// from then on. A colour goes to the control as Qt's colour, as forms and the
// designer give it.
QWidget* PropertyPanel::ColorEditor(const QMetaProperty& property,
                                    std::function<void(const QVariant&)>& load) {
    auto* combo = new QComboBox(this);
    for (const NamedColor& named : NamedColors())
        combo->addItem(Swatch(ResolveColor(named.color)), QString::fromLatin1(named.name),
                       QVariant::fromValue(named.color));
    connect(combo, &QComboBox::currentIndexChanged, this, [this, property, combo](int index) {
        Write(property, ResolveColor(combo->itemData(index).value<TColor>()));
    });
    load = [combo](const QVariant& value) {
        const QSignalBlocker blocker(combo);
        const QColor color = value.value<QColor>();
        const auto shows = [&](int index) {
            return index >= 0 && ResolveColor(combo->itemData(index).value<TColor>()) == color;
        };
        if (shows(combo->currentIndex()))
            return; // a system colour and a plain one may look the same
        // Else by a system colour's name first: the controls start in those.
        for (const bool system : {true, false})
            for (int index = 0; index < combo->count(); ++index)
                if (IsSystemColor(combo->itemData(index).value<TColor>()) == system &&
                    shows(index)) {
                    combo->setCurrentIndex(index);
                    return;
                }
        const TColor own = ToTColor(color);
        combo->addItem(Swatch(color), ColorName(own), QVariant::fromValue(own));
        combo->setCurrentIndex(combo->count() - 1);
    };
    return combo;
}

// None, or one of the pictures the page offers; a picture of the control's
// own is offered by its size from then on.
QWidget* PropertyPanel::PictureEditor(const QMetaProperty& property,
                                      std::function<void(const QVariant&)>& load) {
    auto* combo = new QComboBox(this);
    combo->addItem(tr("(none)"), QImage());
    for (const auto& [name, picture] : pictures_)
        combo->addItem(name, picture);
    connect(combo, &QComboBox::currentIndexChanged, this, [this, property, combo](int index) {
        const QImage picture = combo->itemData(index).value<QImage>();
        if (property.metaType().id() == QMetaType::QPixmap)
            Write(property, QPixmap::fromImage(picture));
        else
            Write(property, picture);
    });
    load = [combo](const QVariant& value) {
        const QSignalBlocker blocker(combo);
        const QImage picture = value.metaType().id() == QMetaType::QPixmap
                                   ? value.value<QPixmap>().toImage()
                                   : value.value<QImage>();
        const QImage shown = picture.isNull() ? QImage() : Comparable(picture);
        for (int index = 0; index < combo->count(); ++index)
            if (combo->itemData(index).value<QImage>() == shown) {
                combo->setCurrentIndex(index);
                return;
            }
        combo->addItem(QStringLiteral("%1 x %2").arg(shown.width()).arg(shown.height()), shown);
        combo->setCurrentIndex(combo->count() - 1);
    };
    return combo;
}

// Texts, characters, lists of texts (separated by commas) and unsigned
// numbers (shown with their hexadecimal form): applied when the line is left
// or Enter is pressed, if it changed.
QWidget* PropertyPanel::TextEditor(const QMetaProperty& property,
                                   std::function<void(const QVariant&)>& load) {
    auto* line = new QLineEdit(this);
    const int type = property.metaType().id();
    if (type == QMetaType::QChar)
        line->setMaxLength(1);
    const auto shown = [type](const QVariant& value) {
        switch (type) {
        case QMetaType::UInt:
            return UnsignedText(value.toUInt());
        case QMetaType::QStringList:
            return value.toStringList().join(QStringLiteral(", "));
        default:
            return value.toString();
        }
    };
    connect(line, &QLineEdit::editingFinished, this, [this, property, line, type, shown] {
        if (line->text() == shown(property.read(control_)))
            return;
        switch (type) {
        case QMetaType::UInt: {
            bool number = false;
            const uint value = line->text().section(u' ', 0, 0).toUInt(&number, 0);
            if (number)
                Write(property, value);
            else
                Refresh();
            break;
        }
        case QMetaType::QStringList: {
            QStringList items = line->text().split(u',', Qt::SkipEmptyParts);
            for (QString& item : items)
                item = item.trimmed();
            Write(property, items);
            break;
        }
        default:
            Write(property, line->text());
            break;
        }
    });
    load = [line, shown](const QVariant& value) {
        const QSignalBlocker blocker(line);
        line->setText(shown(value));
    };
    return line;
}

QWidget* PropertyPanel::SizeEditor(const QString& name, bool width) {
    auto* spin = new QSpinBox(this);
    spin->setRange(0, kNumberLimit);
    spin->setKeyboardTracking(false);
    connect(spin, &QSpinBox::valueChanged, this, [this, width](int value) {
        if (control_)
            Resize(width ? QSize(value, control_->height()) : QSize(control_->width(), value));
    });
    sizeLoaders_.push_back([this, spin, width] {
        const QSignalBlocker blocker(spin);
        spin->setValue(width ? control_->width() : control_->height());
    });
    spin->setToolTip(name);
    return spin;
}

} // namespace maskwell::gallery
