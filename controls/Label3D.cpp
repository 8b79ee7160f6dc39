// SPDX-License-Identifier: MIT
#include "controls/Label3D.h"

#include "platform/Accelerator.h"
#include "platform/ErrorBox.h"
#include "platform/ShellOpen.h"
#include "platform/TextDrawing.h"

#include <QEnterEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QScopeGuard>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace maskwell {

namespace Label3D {

int NormalizedEscapement(int degrees) {
    if (degrees < 0) {
        // Up to -360 inclusive, then one more turn: -360 lands on 0.
        int rest = degrees % 360;
        if (rest == 0)
            rest = -360;
        return rest + 360;
    }
    // Down to 1..360: a whole number of turns stays 360.
    if (degrees > 360) {
        const int rest = degrees % 360;
        return rest == 0 ? 360 : rest;
    }
    return degrees;
}

namespace {

// Sine and cosine of degrees in extended precision, truncated products: the
// placement of rotated text depends on exactly these roundings.
long double Sin(long double degrees) {
    return std::sin(degrees * std::numbers::pi_v<long double> / 180);
}
long double Cos(long double degrees) {
    return std::cos(degrees * std::numbers::pi_v<long double> / 180);
}
int Trunc(long double value) {
    return static_cast<int>(std::trunc(value));
}

} // namespace

TRotatedTextBox RotatedTextBox(int angle, QSize extent) {
    const long double a = angle;
    const long double tw = extent.width();
    const long double th = extent.height();
    int dx = 0;
    int dy = 0;
    if (angle <= 90) {
        dy = Trunc(Sin(a) * tw);
    } else if (angle <= 180) {
        dx = Trunc(-Cos(a) * tw);
        dy = Trunc(Cos(180 - a) * th + Sin(a) * tw);
    } else if (angle <= 270) {
        dx = Trunc(Sin(a - 180) * th - Cos(a) * tw);
        dy = Trunc(Sin(270 - a) * th);
    } else {
        dx = Trunc(Sin(360 - a) * th);
    }
    const int width = std::abs(Trunc(Cos(a) * tw)) + std::abs(Trunc(Sin(a) * th));
    const int height = std::abs(Trunc(Sin(a) * tw)) + std::abs(Trunc(Cos(a) * th));
    return {QPoint(dx, dy), QSize(width, height)};
}

} // namespace Label3D

using namespace Label3D;

namespace {

// The border pen as the desktop builds it: its dotted and dashed styles exist
// for one-pixel pens only, wider ones draw solid.
QPen BorderPen(const QColor& color, int width, TPenStyle style) {
    QPen pen(color, width);
    pen.setCapStyle(Qt::SquareCap); // a line covers both pixels it is drawn between
    pen.setJoinStyle(Qt::MiterJoin);
    switch (style) {
    case psDash:
        pen.setStyle(width > 1 ? Qt::SolidLine : Qt::DashLine);
        break;
    case psDot:
        pen.setStyle(width > 1 ? Qt::SolidLine : Qt::DotLine);
        break;
    case psDashDot:
        pen.setStyle(width > 1 ? Qt::SolidLine : Qt::DashDotLine);
        break;
    case psDashDotDot:
        pen.setStyle(width > 1 ? Qt::SolidLine : Qt::DashDotDotLine);
        break;
    case psClear:
        pen.setStyle(Qt::NoPen);
        break;
    case psSolid:
    case psInsideFrame:
        break;
    }
    return pen;
}

// A horizontal or vertical line as the desktop draws lines: from its start
// up to, but not including, its end point, whichever way it runs.
void LineWithoutEnd(QPainter& painter, QPoint from, QPoint to) {
    if (from == to)
        return;
    const auto step = [](int delta) { return delta > 0 ? 1 : delta < 0 ? -1 : 0; };
    const QPoint last = to - QPoint(step(to.x() - from.x()), step(to.y() - from.y()));
    if (last == from)
        painter.drawPoint(from);
    else
        painter.drawLine(from, last);
}

// The desktop's rectangle figure from (0, 0) to size, outline only: the
// outline runs along the outermost pixels, a wide pen centred on it, or kept
// wholly inside for psInsideFrame.
void RectangleOutline(QPainter& painter, QSize size, TPenStyle style) {
    const int inset = style == psInsideFrame ? painter.pen().width() / 2 : 0;
    painter.drawRect(
        QRect(inset, inset, size.width() - 1 - 2 * inset, size.height() - 1 - 2 * inset));
}

unsigned AlignmentFlag(TAlignment alignment) {
    switch (alignment) {
    case taRightJustify:
        return DT_RIGHT;
    case taCenter:
        return DT_CENTER;
    case taLeftJustify:
        break;
    }
    return DT_LEFT;
}

QFont DefaultLabelFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    return font;
}

} // namespace

TLabel3D::TLabel3D(QWidget* parent) : TLabel3D(DefaultLabelFont(), parent) {}

TLabel3D::TLabel3D(const QFont& font, QWidget* parent) : QWidget(parent) {
    resize(65, 17);
    SetFont(font);
}

void TLabel3D::SetBorderColor(TColor color) {
    borderColor_ = color;
    repaint();
}

void TLabel3D::SetBorderPenStyle(TPenStyle style) {
    borderPenStyle_ = style;
    repaint();
}

void TLabel3D::SetBorderWidth(int width) {
    borderWidth_ = width;
    repaint();
}

void TLabel3D::SetBorder(bool border) {
    border_ = border;
    repaint();
}

void TLabel3D::SetBorderType(TBorderType type) {
    if (type == borderType_)
        return;
    borderType_ = type;
    repaint();
}

void TLabel3D::SetEscapement(int degrees) {
    if (degrees == escapement_)
        return;
    escapement_ = NormalizedEscapement(degrees);
    update();
}

void TLabel3D::SetTextStyle(TTextStyle style) {
    if (style == textStyle_)
        return;
    textStyle_ = style;
    AdjustBounds();
    update();
}

void TLabel3D::SetLabelStyle(TLabelStyle style) {
    // Takes effect at the next enter, leave or click; the look stays as it is.
    labelStyle_ = style;
}

void TLabel3D::SetEllipsesStyle(TEllipsesStyle style) {
    if (style == ellipsesStyle_)
        return;
    // Trimming needs a width to trim to, which auto-sizing would undo.
    if (style != esNone)
        SetAutoSize(false);
    ellipsesStyle_ = style;
    update();
}

void TLabel3D::SetShift(int pixels) {
    if (pixels == shift_)
        return;
    shift_ = pixels;
    AdjustBounds();
    repaint();
}

void TLabel3D::SetAlignment(TAlignment alignment) {
    if (alignment == alignment_)
        return;
    alignment_ = alignment;
    update();
}

void TLabel3D::SetAutoSize(bool autoSize) {
    if (autoSize == autoSize_)
        return;
    autoSize_ = autoSize;
    AdjustBounds();
    emit AutoSizeChanged();
}

void TLabel3D::SetCaption(const QString& caption) {
    if (caption == caption_)
        return;
    caption_ = caption;
    UpdateAccelerator();
    AdjustBounds();
    update();
}

void TLabel3D::SetColor(TColor color) {
    if (color == color_)
        return;
    color_ = color;
    update();
}

void TLabel3D::SetFocusControl(QWidget* control) {
    focusControl_ = control;
    UpdateAccelerator();
}

void TLabel3D::SetFont(const QFont& font) {
    QFont own = font;
    // Every attribute is the label's own, so a parent's font never shows through.
    own.setResolveMask(QFont::AllPropertiesResolved);
    if (own == font_ && own.resolveMask() == font_.resolveMask())
        return;
    font_ = own;
    setFont(font_);
    AdjustBounds();
    update();
    emit FontChanged();
}

void TLabel3D::SetFontColor(TColor color) {
    if (color == fontColor_)
        return;
    fontColor_ = color;
    update();
    emit FontColorChanged();
}

void TLabel3D::SetLayout(TTextLayout layout) {
    if (layout == layout_)
        return;
    layout_ = layout;
    update();
}

void TLabel3D::SetShowAccelChar(bool show) {
    if (show == showAccelChar_)
        return;
    showAccelChar_ = show;
    UpdateAccelerator();
    AdjustBounds();
    update();
}

void TLabel3D::SetTransparent(bool transparent) {
    if (transparent == transparent_)
        return;
    transparent_ = transparent;
    update();
}

void TLabel3D::SetWordWrap(bool wordWrap) {
    if (wordWrap == wordWrap_)
        return;
    wordWrap_ = wordWrap;
    AdjustBounds();
    update();
}

// Sizes the label to its unrotated text as the plain label measures it; an
// empty caption measures as one blank so that the label keeps a line's height.
void TLabel3D::AdjustBounds() {
    if (!autoSize_)
        return;
    QString text = caption_;
    if (text.isEmpty() || (showAccelChar_ && text == QStringLiteral("&")))
        text += u' ';
    unsigned flags = DT_EXPANDTABS | DT_CALCRECT;
    if (wordWrap_)
        flags |= DT_WORDBREAK;
    if (!showAccelChar_)
        flags |= DT_NOPREFIX;
    const QSize extent = LayoutText(QFontMetrics(font_), text, rect(), flags).extent + ShadowRoom();
    int left = x();
    if (alignment_ == taRightJustify)
        left += width() - extent.width();
    setGeometry(left, y(), extent.width(), extent.height());
}

// The tsShadow copy lies Shift pixels right of and below the text; an
// auto-sized label takes it in, so that its own bounds do not cut it off.
// (A negative Shift puts it up and left, outside the text's origin: that one
// stays as it is drawn.)
QSize TLabel3D::ShadowRoom() const {
    const int room = textStyle_ == tsShadow ? std::max(shift_, 0) : 0;
    return {room, room};
}

void TLabel3D::UpdateAccelerator() {
    if (acceleratorId_ != 0)
        releaseShortcut(acceleratorId_);
    acceleratorId_ = 0;
    if (!focusControl_ || !showAccelChar_)
        return;
    const QChar key = AcceleratorChar(caption_);
    if (!key.isNull())
        acceleratorId_ = grabShortcut(QKeySequence(QStringLiteral("Alt+") + key.toUpper()));
}

bool TLabel3D::event(QEvent* event) {
    if (event->type() == QEvent::Shortcut) {
        if (focusControl_ && Enabled() && focusControl_->isEnabled())
            focusControl_->setFocus(Qt::ShortcutFocusReason);
        return true;
    }
    return QWidget::event(event);
}

void TLabel3D::paintEvent(QPaintEvent*) {
    Guarded([this] { Paint(); });
}

void TLabel3D::Paint() {
    QPainter painter(this);
    if (!transparent_)
        painter.fillRect(rect(), ResolveColor(color_, palette()));
    painter.setBrush(Qt::NoBrush);

    if (border_ && borderWidth_ > 0) {
        painter.setPen(
            BorderPen(ResolveColor(borderColor_, palette()), borderWidth_, borderPenStyle_));
        const QRect frame(QPoint(0, 0), QPoint(width() - 1, height() - 1));
        switch (borderType_) {
        case btDefault:
            RectangleOutline(painter, size(), borderPenStyle_);
            break;
        case btRecessed:
            DrawBevelFrame(painter, frame, clGray, clWhite);
            break;
        case btRaised:
            DrawBevelFrame(painter, frame, clWhite, clGray);
            break;
        }
    }

    unsigned flags = DT_EXPANDTABS | AlignmentFlag(alignment_);
    if (wordWrap_)
        flags |= DT_WORDBREAK;
    DrawLabelText(painter, rect(), flags);

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

// A label that takes the focus (a link that Tab reaches) is clicked by
// Return, Enter or Space, as a link or a button is.
void TLabel3D::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
        if (!event->isAutoRepeat())
            Guarded([this] { Click(); });
        return;
    }
    QWidget::keyPressEvent(event);
}

void TLabel3D::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void TLabel3D::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void TLabel3D::DrawBevelFrame(QPainter& painter, const QRect& rect, TColor topLeft,
                              TColor bottomRight) {
    QPen pen = painter.pen();
    pen.setColor(ResolveColor(topLeft, palette()));
    painter.setPen(pen);
    LineWithoutEnd(painter, rect.topLeft(), rect.topRight());
    LineWithoutEnd(painter, rect.topLeft(), rect.bottomLeft());
    pen.setColor(ResolveColor(bottomRight, palette()));
    painter.setPen(pen);
    LineWithoutEnd(painter, rect.bottomRight(), rect.topRight());
    LineWithoutEnd(painter, rect.bottomRight(), rect.bottomLeft());
}

void TLabel3D::DrawLabelText(QPainter& painter, const QRect& rect, unsigned flags) {
    if (!showAccelChar_)
        flags |= DT_NOPREFIX;
    if (ellipsesStyle_ == esEnd)
        flags |= DT_END_ELLIPSIS;
    else if (ellipsesStyle_ == esPath)
        flags |= DT_PATH_ELLIPSIS;
    if (escapement_ == 0) {
        if (layout_ == tlCenter)
            flags |= DT_VCENTER | DT_SINGLELINE;
        else if (layout_ == tlBottom)
            flags |= DT_BOTTOM | DT_SINGLELINE;
    }
    painter.setFont(font_);

    switch (textStyle_) {
    case tsNone:
        break;
    case tsRaised:
        DrawTextPass(painter, rect, flags, {1, 1}, shadowColor_);
        break;
    case tsLightRaised:
        DrawTextPass(painter, rect, flags, {1, 1}, shadowColor_);
        DrawTextPass(painter, rect, flags, {-1, -1}, highlightColor_);
        break;
    case tsRecessed:
        DrawTextPass(painter, rect, flags, {1, 1}, highlightColor_);
        break;
    case tsHeavyRecessed:
        DrawTextPass(painter, rect, flags, {1, 1}, highlightColor_);
        DrawTextPass(painter, rect, flags, {-1, -1}, shadowColor_);
        break;
    case tsShadow:
        DrawTextPass(painter, rect, flags, {shift_, shift_}, shadowColor_);
        break;
    }
    // Only the main text greys out; the effect copies keep their colours.
    DrawTextPass(painter, rect, flags, {0, 0}, Enabled() ? fontColor_ : clGrayText);
}

void TLabel3D::DrawTextPass(QPainter& painter, const QRect& rect, unsigned flags, QPoint offset,
                            TColor color) {
    painter.setPen(ResolveColor(color, palette()));
    QRect moved = rect.translated(offset);
    if (escapement_ == 0)
        DrawText(painter, caption_, moved, flags);
    else
        DrawRotatedText(painter, moved, caption_, escapement_);
}

void TLabel3D::DrawRotatedText(QPainter& painter, const QRect& rect, const QString& text,
                               int angle) {
    QRect start = rect;
    CalcRotatedTextPosition(start, angle, text);
    painter.save();
    painter.translate(start.topLeft());
    // Counter-clockwise on the screen; a full turn draws as the plain text.
    if (angle % 360 != 0)
        painter.rotate(-(angle % 360));
    TextOut(painter, 0, 0, text);
    painter.restore();
}

void TLabel3D::CalcRotatedTextPosition(QRect& rect, int angle, const QString& text) {
    const TRotatedTextBox box = RotatedTextBox(angle, TextExtent(font_, text));
    rect.setLeft(rect.left() + box.origin.x());
    rect.setTop(rect.top() + box.origin.y());
    if (autoSize_) {
        resize(box.size + ShadowRoom());
        return;
    }
    if (alignment_ == taCenter)
        rect.setLeft(rect.left() + (width() - box.size.width()) / 2);
    else if (alignment_ == taRightJustify)
        rect.setLeft(rect.left() + width() - box.size.width());
}

void TLabel3D::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    clicked_ = true;
}

void TLabel3D::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !clicked_) {
        event->ignore();
        return;
    }
    clicked_ = false;
    if (rect().contains(event->position().toPoint()))
        Guarded([this] { Click(); });
}

void TLabel3D::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    // The second press of a double click is a double click, not another click.
    clicked_ = false;
    emit DoubleClicked();
}

void TLabel3D::Click() {
    if (IsLink() && !address_.isEmpty()) {
        // A failure to open the address is not the user's business: it is
        // dropped here and Clicked still comes; any other failure goes to the
        // error box. Either way the hand cursor comes back. Pending events are
        // not processed in between: Qt shows the cursor without a message
        // round, and the link action must not run other handlers halfway.
        setCursor(Qt::BusyCursor);
        const auto restoreCursor = qScopeGuard([this] { setCursor(Qt::PointingHandCursor); });
        try {
            ShellOpen(labelStyle_ == lsEMailAddress ? QStringLiteral("mailto:") + address_
                                                    : address_);
        } catch (const ShellOpenError&) {
        }
    }
    emit Clicked();
}

void TLabel3D::enterEvent(QEnterEvent*) {
    Guarded([this] { MouseEnter(); });
}

void TLabel3D::leaveEvent(QEvent*) {
    Guarded([this] { MouseExit(); });
}

// The hover look of the link styles; pending events are not processed midway,
// so that a leave cannot overtake an enter that has not finished.
void TLabel3D::MouseEnter() {
    if (IsLink()) {
        savedFontColor_ = fontColor_;
        QFont underlined = font_;
        underlined.setUnderline(true);
        SetFont(underlined);
        setCursor(Qt::PointingHandCursor);
        SetFontColor(linkHoverColor_);
    }
    emit MouseEntered();
}

void TLabel3D::MouseExit() {
    if (IsLink()) {
        unsetCursor();
        QFont plain = font_;
        plain.setUnderline(false);
        SetFont(plain);
        SetFontColor(savedFontColor_);
    }
    emit MouseExited();
}

} // namespace maskwell
