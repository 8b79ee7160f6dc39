// SPDX-License-Identifier: MIT
#pragma once

#include "controls/ColorProperty.h"
#include "platform/Color.h"

#include <QFont>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <string>

namespace maskwell {

// The colour of the check mark. The fixed underlying type lets the control hold
// (and draw) a value outside the three names, as a stored form can.
namespace QlCheckBox {
Q_NAMESPACE
enum TGCustomColor : std::uint8_t { ccBlue, ccRed, ccGreen };
Q_ENUM_NS(TGCustomColor)
} // namespace QlCheckBox
using QlCheckBox::TGCustomColor;
using enum QlCheckBox::TGCustomColor;

// A check box drawn from six 16 x 16 bitmaps (so that the mark can be red, green
// or blue) with its caption beside them, optionally recoloured while the
// pointer is over it. It draws only the box and the caption: everywhere else
// the parent's background shows.
//
// It keeps its own Enabled flag: a disabled check box looks grey and never
// toggles, but the widget stays enabled and still takes the pointer events.
// A left press anywhere on it arms it; the left release toggles Checked and
// reports Clicked, unless the pointer has left the control in between. The
// pointer position is read from the cursor (QCursor::pos()), not from the
// event.
//
// Keyboard access is off by default, as the box has no focus of its own; with
// TabStop on it takes the focus by Tab (never by a click), shows a focus frame
// around its caption and toggles on Space.
class TQlCheckBox : public QWidget {
    Q_OBJECT
    // Published for forms. About only opens the about box in a form designer;
    // it holds no value and a form never stores it.
    Q_PROPERTY(QColor BackgroundColor READ BackgroundColorRgb WRITE setBackgroundColor)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(QFont Font READ Font WRITE SetFont)
    Q_PROPERTY(
        maskwell::QlCheckBox::TGCustomColor CustomColor READ CustomColor WRITE setCustomColor)
    Q_PROPERTY(QString About READ About WRITE setAbout STORED false)
    Q_PROPERTY(bool Checked READ Checked WRITE setChecked NOTIFY CheckedChanged)
    Q_PROPERTY(bool HiLigthMode READ HiLigthMode WRITE setHiLigthMode)
    Q_PROPERTY(QColor HiLigthColor READ HiLigthColorRgb WRITE setHiLigthColor)
    Q_PROPERTY(QColor FontColor READ FontColorRgb WRITE setFontColor)
    Q_PROPERTY(bool TabStop READ TabStop WRITE setTabStop)

public:
    explicit TQlCheckBox(QWidget* parent = nullptr);

    // Stored and never drawn: the parent's background shows instead.
    TColor BackgroundColor() const { return backgroundColor_; }
    void SetBackgroundColor(TColor color);

    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& caption);

    // The check box's own enabled state; QWidget::isEnabled() stays true.
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool enabled);

    // The caption is drawn with this font's family, size and style, where the
    // size goes through whole points as it does on the desktop canvas.
    const QFont& Font() const { return font_; }
    void SetFont(const QFont& font);

    TGCustomColor CustomColor() const { return customColor_; }
    void SetCustomColor(TGCustomColor color);

    // A design-time link to an about box; it keeps no value. In a form
    // designer (IsDesignTime) setting it opens the box; in a program it does
    // nothing.
    QString About() const { return {}; }
    void SetAbout(const QString&);

    // Setting it from code never reports Clicked.
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);

    // Caption in HiLigthColor while the pointer is over the control. Plain
    // fields: setting them repaints nothing.
    bool HiLigthMode() const { return hiLigthMode_; }
    void SetHiLigthMode(bool on) { hiLigthMode_ = on; }
    TColor HiLigthColor() const { return hiLigthColor_; }
    void SetHiLigthColor(TColor color) { hiLigthColor_ = color; }

    TColor FontColor() const { return fontColor_; }
    void SetFontColor(TColor color);

    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool on);

    // Toggles and reports Clicked as a click does (when Enabled): the action
    // an assistive technology's "toggle" runs.
    void Activate();

    MASKWELL_RGB_ACCESSORS(BackgroundColor)
    MASKWELL_RGB_ACCESSORS(HiLigthColor)
    MASKWELL_RGB_ACCESSORS(FontColor)

    // The setters forms compiled by uic call (set + the property name); each
    // hands the value to the setter above, so its rules apply.
    void setBackgroundColor(const QColor& value) { SetBackgroundColorRgb(value); }
    void setCaption(const QString& value) { SetCaption(value); }
    void setCustomColor(QlCheckBox::TGCustomColor value) { SetCustomColor(value); }
    void setAbout(const QString& value) { SetAbout(value); }
    void setChecked(bool value) { SetChecked(value); }
    void setHiLigthMode(bool value) { SetHiLigthMode(value); }
    void setHiLigthColor(const QColor& value) { SetHiLigthColorRgb(value); }
    void setFontColor(const QColor& value) { SetFontColorRgb(value); }
    void setTabStop(bool value) { SetTabStop(value); }

signals:
    // Checked changed, by code or by the pointer (Clicked stays the pointer's).
    void CheckedChanged(bool checked);
    // After each toggle by the pointer (or by Space with TabStop on), the
    // new state already in Checked.
    void Clicked();

public:
    // The font the caption is drawn with: the own font's family, style and a
    // size rounded to whole points at 96 dots per inch.
    QFont CanvasFont() const;

protected:
    // The resource the box is drawn from, chosen afresh at each paint.
    virtual std::string BoxResourceName() const;

    // Reports Clicked.
    virtual void Click();

    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    enum HotState { hsNormal = 0, hsPressed = 1, hsHot = 3 };

    void Paint();
    QPoint CursorPos() const;
    bool InHitRegion(QPoint point) const;
    void PointerMoved(QPoint point);
    void PointerLeft();
    void Toggle();
    void CheckedWasChanged();
    void UpdateFocusPolicy();

    TColor backgroundColor_ = clBtnFace;
    QString caption_;
    bool enabled_ = true;
    QFont font_;
    TGCustomColor customColor_ = ccBlue;
    bool checked_ = false;
    bool hiLigthMode_ = false;
    TColor hiLigthColor_ = clBlack;
    TColor fontColor_ = clBlack;
    bool tabStop_ = false;

    // Set by a pointer move over the control, cleared when it leaves: the
    // caption then shows HiLigthColor (with HiLigthMode on).
    bool highlighted_ = false;
    HotState hotState_ = hsNormal;
    bool buttonDown_ = false;
    // Whether the pointer is over the control as far as this control knows;
    // Qt holds back the leave notification while a button is down.
    bool pointerInside_ = false;
};

} // namespace maskwell
