// SPDX-License-Identifier: MIT
#pragma once

#include "controls/ColorProperty.h"
#include "platform/Color.h"
#include "platform/ControlTypes.h"

#include <QFrame>
#include <QLineEdit>
#include <array>
#include <cstdint>
#include <optional>

class QContextMenuEvent;
class QLabel;

namespace maskwell {

// One octet field of the address control: a borderless single-line edit with
// centred text "0" that, like every edit field of the platform, selects its
// whole text when it gains the focus other than by a click.
class TIPByteEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TIPByteEdit(QWidget* parent = nullptr);

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);

    int Tag() const { return tag_; }
    void SetTag(int value) { tag_ = value; }

    // Limits what the user types or pastes (0: no limit). Text written by code
    // is never cut to it.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int value);

    QString Text() const { return text(); }
    void SetText(const QString& value);

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    int EditLimit() const;

    TAlignment alignment_ = taCenter;
    int tag_ = 0;
    int maxLength_ = 0;
};

// The input control for an IPv4 address: a framed panel holding four octet
// fields separated by dots. It filters typing to digits, moves to the next
// field on "." or after three digits, repairs and clamps the octets whenever a
// field is left, and then reports the repair (OctetsRepaired).
class TIPEdit : public QFrame {
    Q_OBJECT
    // Published for forms: Text before Value, so a loaded form sets the text
    // first and then the number, as stored.
    Q_PROPERTY(QString Text READ Text WRITE setText NOTIFY TextChanged)
    Q_PROPERTY(uint Value READ ValueProperty WRITE setValue NOTIFY TextChanged)
    Q_PROPERTY(QColor Color READ ColorRgb WRITE setColor)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)

public:
    explicit TIPEdit(QWidget* parent = nullptr);
    ~TIPEdit() override;

    // The four field texts joined with ".", as they stand (no repair).
    QString Text() const;
    // Sets the fields from a dotted text; never fails (parts are read leniently).
    void SetText(const QString& value);

    // The address as a number, the first octet most significant; a field that
    // is not a decimal number raises ConversionError.
    std::uint32_t Value() const;
    void SetValue(std::uint32_t value);

    // The control's own enabled flag, Qt's. The fields and dots are never
    // switched one by one: they follow the control, and the control follows a
    // disabled parent, as any Qt widget does.
    bool Enabled() const { return !testAttribute(Qt::WA_ForceDisabled); }
    void SetEnabled(bool value) { setEnabled(value); }

    // The panel's and the fields' background.
    TColor Color() const { return color_; }
    void SetColor(TColor value);

    MASKWELL_RGB_ACCESSORS(Color)
    // Value for the meta-object system, which must not see an exception: 0
    // while a field holds no number.
    uint ValueProperty() const;

    // The setters forms compiled by uic call (set + the property name); each
    // hands the value to the setter above, so its rules apply.
    void setText(const QString& value) { SetText(value); }
    void setValue(uint value) { SetValue(value); }
    void setColor(const QColor& value) { SetColorRgb(value); }

    // True during the repair that follows a move of the focus from one field
    // to another: the user is still entering the address. The repair that
    // completes it (the focus leaving the control, the last field filling up,
    // a paste) runs with this false.
    bool MovingBetweenFields() const { return movingBetweenFields_; }

    // Lays the fields out once all properties are set (the fields are laid
    // out on every resize as well).
    void Loaded() { ArrangeFields(); }

    TIPByteEdit* ByteEdit(int index) const {
        return FByteEdits.at(static_cast<std::size_t>(index));
    }
    QLabel* DotLabel(int index) const { return FDotLabels.at(static_cast<std::size_t>(index)); }

signals:
    // Any field's text changed (typing, deleting, a repair, Text or Value
    // written), so Text and Value did.
    void TextChanged();
    // A click on a field, a dot or the free area; the click that follows an
    // automatic move to the next field is taken and reports nothing.
    void Clicked();
    // A double-click on a field or a dot.
    void DoubleClicked();
    // The focus entered the control; it is in field 0 by now.
    void FocusEntered();
    // The focus left the control as a whole.
    void FocusExited();
    // After every completed repair of the octets: the address is whole again.
    void OctetsRepaired();
    // The text of a paste into a field: the paste keys, the field's menu and
    // the middle-button selection paste. The fields never take pasted text
    // themselves, so without a receiver a paste does nothing.
    void PasteRequested(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    class Fields;

    int FieldIndex(const QObject* object) const;
    int DotIndex(const QObject* object) const;

    bool ByteKeyPress(int index, const QKeyEvent& event);
    void ByteKeyUp(int index, const QKeyEvent& event);
    void ByteFocusIn(const QFocusEvent& event);
    void ByteExit(const QFocusEvent& event);
    bool PartMouse(QWidget* part, const QMouseEvent& event, bool isDot);
    void ByteClick();
    void DotClick();
    void PartDblClick();
    void ByteChange();
    bool ByteContextMenu(TIPByteEdit* field, const QContextMenuEvent& event);
    void Paste(const QString& text);
    void PanelEnter();
    void MoveToField(int index);
    void ValidateOctets();
    void ArrangeFields();
    void GrowTo(int width, int height);

    std::array<TIPByteEdit*, 4> FByteEdits{};
    std::array<QLabel*, 4> FDotLabels{};
    bool FFocusMoved = false;
    TColor color_ = clWindow;

    // Whether the focus is in one of the fields as far as entering and leaving
    // the control go (switching windows neither enters nor leaves it).
    bool focusWithin_ = false;
    // Set while the focus is being taken to field 0 on entry.
    bool redirecting_ = false;
    // The field moved into after three digits, until its first key press.
    int justAdvanced_ = -1;
    // The digit key whose press filled a field, until the next key goes down
    // or the field is left; its release moves on.
    struct KeyDown {
        int field;
        int key;
        quint32 scanCode;
        bool IsReleasedBy(const QKeyEvent& event) const;
    };
    std::optional<KeyDown> fillingKey_;
    bool movingBetweenFields_ = false;
    // The part a left press began on; a release on the same part is a click.
    QObject* pressed_ = nullptr;
    int arrangeRuns_ = 0;
};

} // namespace maskwell
