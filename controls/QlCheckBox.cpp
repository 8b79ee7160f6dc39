// SPDX-License-Identifier: MIT
#include "controls/QlCheckBox.h"

#include "controls/DesignTime.h"
#include "platform/BitmapResource.h"
#include "platform/ErrorBox.h"
#include "platform/Region.h"
#include "platform/TextDrawing.h"

#include <QAccessible>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <algorithm>

namespace maskwell {

namespace {

constexpr int kDefaultWidth = 97;
constexpr int kDefaultHeight = 16;
constexpr int kDefaultPoints = 8;
constexpr int kCaptionLeft = 21;
constexpr int kDotsPerInch = 96;
constexpr TColor kDisabledCaptionColor = clGray;

// number * numerator / denominator, rounded half away from zero.
int MulDiv(int number, int numerator, int denominator) {
    const long long product = static_cast<long long>(number) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>((product >= 0 ? product + half : product - half) / denominator);
}

int PointsToPixels(int points) {
    return std::max(1, MulDiv(points, kDotsPerInch, 72));
}

int FontPoints(const QFont& font) {
    if (font.pixelSize() > 0)
        return MulDiv(font.pixelSize(), 72, kDotsPerInch);
    return qRound(font.pointSizeF());
}

QFont DefaultFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(PointsToPixels(kDefaultPoints));
    return font;
}

} // namespace

TQlCheckBox::TQlCheckBox(QWidget* parent)
    : QWidget(parent), caption_(QStringLiteral("QlCheckBox")), font_(DefaultFont()) {
    resize(kDefaultWidth, kDefaultHeight);
    // The hot state follows the pointer with no button down as well.
    setMouseTracking(true);
}

void TQlCheckBox::SetBackgroundColor(TColor color) {
    backgroundColor_ = color;
}

void TQlCheckBox::SetCaption(const QString& caption) {
    caption_ = caption;
    update();
}

void TQlCheckBox::SetEnabled(bool enabled) {
    enabled_ = enabled;
    UpdateFocusPolicy();
    update();
}

void TQlCheckBox::SetFont(const QFont& font) {
    font_ = font;
    update();
}

void TQlCheckBox::SetCustomColor(TGCustomColor color) {
    customColor_ = color;
    update();
}

void TQlCheckBox::SetChecked(bool checked) {
    const bool changed = checked != checked_;
    checked_ = checked;
    update();
    if (changed)
        CheckedWasChanged();
}

void TQlCheckBox::SetAbout(const QString&) {
    if (IsDesignTime(this))
        ShowDesignTimeAbout(this);
}

void TQlCheckBox::SetFontColor(TColor color) {
    fontColor_ = color;
    update();
}

void TQlCheckBox::SetTabStop(bool on) {
    tabStop_ = on;
    UpdateFocusPolicy();
    update();
}

QFont TQlCheckBox::CanvasFont() const {
    QFont canvas(font_.family());
    canvas.setPixelSize(PointsToPixels(FontPoints(font_)));
    canvas.setBold(font_.bold());
    canvas.setItalic(font_.italic());
    canvas.setUnderline(font_.underline());
    canvas.setStrikeOut(font_.strikeOut());
    return canvas;
}

std::string TQlCheckBox::BoxResourceName() const {
    if (!enabled_)
        return checked_ ? "CHKDISABLEDON" : "CHKDISABLEDOFF";
    if (!checked_)
        return "CHKOFF";
    switch (customColor_) {
    case ccBlue:
        return "CHKBLU";
    case ccRed:
        return "CHKRED";
    case ccGreen:
        return "CHKGRE";
    }
    return "CHKOFF"; // a stored colour outside the enumeration
}

void TQlCheckBox::Click() {
    emit Clicked();
}

void TQlCheckBox::paintEvent(QPaintEvent*) {
    Guarded([this] { Paint(); });
}

void TQlCheckBox::Paint() {
    // The box belongs on its parent's surface; alone it draws nothing.
    if (!parentWidget())
        return;
    const QImage box = LoadBitmapResource(BoxResourceName());
    QPainter painter(this);
    painter.drawImage(0, 0, box);

    if (!caption_.isEmpty()) {
        const TColor color = !enabled_                      ? kDisabledCaptionColor
                             : hiLigthMode_ && highlighted_ ? hiLigthColor_
                                                            : fontColor_;
        painter.setFont(CanvasFont());
        painter.setBrush(Qt::NoBrush);
        painter.setPen(ResolveColor(color, palette()));
        TextOut(painter, kCaptionLeft, 0, caption_);
    }

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect();
        if (!caption_.isEmpty()) {
            const QSize extent = TextExtent(CanvasFont(), caption_);
            focus.rect = QRect(kCaptionLeft - 1, 0, extent.width() + 2, extent.height()) & rect();
        }
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

QPoint TQlCheckBox::CursorPos() const {
    return mapFromGlobal(QCursor::pos());
}

bool TQlCheckBox::InHitRegion(QPoint point) const {
    // The round rectangle stops a pixel short at the right and bottom, so the
    // hot area is (2, 2) to (Width - 3, Height - 4) with rounded corners.
    const QRegion hit = CreateRoundRectRgn(2, 2, width() - 1, height() - 2, 8, 8);
    return PtInRegion(hit, point.x(), point.y());
}

void TQlCheckBox::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    const QPoint point = CursorPos();
    // With a button down Qt keeps sending the moves here after the pointer has
    // gone and tells of the leave only at the release. The press must be
    // forgotten as the pointer goes, so a release out there toggles nothing.
    if (!rect().contains(point)) {
        PointerLeft();
        return;
    }
    pointerInside_ = true;
    PointerMoved(point);
}

void TQlCheckBox::PointerMoved(QPoint point) {
    highlighted_ = true;
    if (!enabled_)
        return;
    const HotState before = hotState_;
    if (InHitRegion(point))
        hotState_ = buttonDown_ ? hsPressed : hsHot;
    else
        hotState_ = hsNormal;
    if (hotState_ != before)
        repaint();
}

void TQlCheckBox::mousePressEvent(QMouseEvent* event) {
    // Every press is the check box's own: none reaches the parent (a page
    // that drags the window on a press, say).
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    pointerInside_ = true;
    if (enabled_ && InHitRegion(CursorPos())) {
        const HotState before = hotState_;
        hotState_ = hsPressed;
        if (before != hsPressed)
            repaint();
    }
    // Also in the margin around the hit region and when disabled.
    buttonDown_ = true;
}

void TQlCheckBox::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    Guarded([this] {
        if (!rect().contains(CursorPos())) {
            PointerLeft();
            return;
        }
        if (enabled_ && buttonDown_)
            Toggle();
    });
}

void TQlCheckBox::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click arms nothing, so its release does not
    // toggle the box back: a double click toggles once.
    event->accept();
}

void TQlCheckBox::enterEvent(QEnterEvent*) {
    pointerInside_ = true;
}

void TQlCheckBox::leaveEvent(QEvent*) {
    PointerLeft();
}

void TQlCheckBox::PointerLeft() {
    if (!pointerInside_)
        return;
    pointerInside_ = false;
    highlighted_ = false;
    const HotState before = hotState_;
    hotState_ = hsNormal;
    buttonDown_ = false;
    if (before != hsNormal || hiLigthMode_)
        repaint();
}

void TQlCheckBox::Activate() {
    if (enabled_)
        Toggle();
}

void TQlCheckBox::Toggle() {
    hotState_ = hsNormal;
    buttonDown_ = false;
    checked_ = !checked_;
    update();
    CheckedWasChanged();
    Click();
}

// Assistive technologies hear of each change as Qt's own check boxes tell it:
// a screen reader otherwise keeps reporting the state it last read.
void TQlCheckBox::CheckedWasChanged() {
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
    emit CheckedChanged(checked_);
}

void TQlCheckBox::keyPressEvent(QKeyEvent* event) {
    if (tabStop_ && enabled_ && event->key() == Qt::Key_Space &&
        event->modifiers() == Qt::NoModifier) {
        if (!event->isAutoRepeat())
            Guarded([this] { Toggle(); });
        return;
    }
    QWidget::keyPressEvent(event);
}

void TQlCheckBox::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void TQlCheckBox::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void TQlCheckBox::UpdateFocusPolicy() {
    // Taken by Tab only: a click on the box leaves the focus where it is.
    const bool focusable = tabStop_ && enabled_;
    setFocusPolicy(focusable ? Qt::TabFocus : Qt::NoFocus);
    if (!focusable && hasFocus() && !focusNextChild())
        clearFocus();
}

} // namespace maskwell
