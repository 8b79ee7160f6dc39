// SPDX-License-Identifier: MIT
// TAdvEdit's look: the flat look, the hot focus border, transparency, the grey
// empty text, the error zigzag, the URL look, the long-text hint and the
// attached label. The base edit paints the field; everything here is drawn
// over it afterwards.
#include "controls/advedit/AdvEditLook.h"

#include "controls/advedit/AdvEdit.h"
#include "platform/Accelerator.h"
#include "platform/ErrorBox.h"
#include "platform/Fonts.h"
#include "platform/ShellOpen.h"
#include "platform/TextDrawing.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

namespace maskwell {

namespace {

// The attached label sizes itself to its caption whenever its text or font
// changes, keeping its top-left corner (bold while focused makes it wider).
class TEditLabel : public QLabel {
public:
    explicit TEditLabel(QWidget* parent) : QLabel(parent) {}

    void AutoSize() { resize(TextExtent(font(), StripAcceleratorPrefix(text()).text)); }

protected:
    void changeEvent(QEvent* event) override {
        QLabel::changeEvent(event);
        if (event->type() == QEvent::FontChange)
            AutoSize();
    }
};

void FrameRect(QPainter& painter, const QRect& rect, const QColor& color) {
    painter.fillRect(rect.x(), rect.y(), rect.width(), 1, color);
    painter.fillRect(rect.x(), rect.y() + rect.height() - 1, rect.width(), 1, color);
    painter.fillRect(rect.x(), rect.y(), 1, rect.height(), color);
    painter.fillRect(rect.x() + rect.width() - 1, rect.y(), 1, rect.height(), color);
}

} // namespace

QPoint LabelPlacement(TLabelPosition position, const QRect& field, QSize labelSize,
                      int captionWidth, int margin) {
    const int l = field.x();
    const int t = field.y();
    const int w = field.width();
    const int h = field.height();
    const int lw = labelSize.width();
    const int lh = labelSize.height();
    switch (position) {
    case lpLeftTop:
        return {l - captionWidth - margin, t};
    case lpLeftCenter:
        return {l - captionWidth - margin, t + (h - lh) / 2};
    case lpLeftBottom:
        return {l - captionWidth - margin, t + h - lh};
    case lpTopLeft:
        return {l, t - lh - margin};
    case lpBottomLeft:
        return {l, t + h + margin};
    case lpLeftTopLeft:
        return {l - margin, t};
    case lpLeftCenterLeft:
        return {l - margin, t + (h - lh) / 2};
    case lpLeftBottomLeft:
        return {l - margin, t + h - lh};
    case lpTopCenter:
        return {l + (w - lw) / 2, t - lh - margin};
    case lpBottomCenter:
        return {l + (w - lw) / 2, t + h + margin};
    }
    return {l, t};
}

std::vector<QPoint> ErrorMarkerPoints(QPoint p1, QPoint p2, int t) {
    std::vector<QPoint> points{{p1.x(), p1.y() + t + 3}};
    int s = 3;
    int x = p1.x();
    for (; x <= p2.x(); x += 3) {
        s = s == 3 ? 0 : 3;
        points.emplace_back(x + 3, p2.y() + t + s);
    }
    s = s == 3 ? 0 : 3;
    points.emplace_back(x + 3, p2.y() + t + s);
    return points;
}

// --- Qt's events -------------------------------------------------------------

bool TAdvEdit::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        bool shown = false;
        Guarded([&] { shown = ShowLargeTextHint(); });
        if (shown)
            return true;
    }
    Guarded([&] { LookEventBefore(*event); });
    const bool handled = QLineEdit::event(event);
    Guarded([&] { LookEventAfter(*event); });
    return handled;
}

void TAdvEdit::LookEventBefore(QEvent& event) {
    switch (event.type()) {
    case QEvent::FocusIn:
        // Qt hands the focus over before the press that brought it arrives.
        focusFromClick_ = static_cast<QFocusEvent&>(event).reason() == Qt::MouseFocusReason;
        break;
    case QEvent::FocusOut:
        focusFromClick_ = false;
        break;
    case QEvent::MouseButtonPress: {
        const bool hadFocus = hasFocus() && !focusFromClick_;
        if (static_cast<QMouseEvent&>(event).button() == Qt::LeftButton && urlLook_ && hadFocus &&
            showUrl_)
            ShellOpen(Text());
        break;
    }
    default:
        break;
    }
}

void TAdvEdit::LookEventAfter(QEvent& event) {
    switch (event.type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        // A label turned bold or plain is placed again, so that it does not
        // run into the field.
        if (focusLabel_)
            PlaceLabel();
        break;
    case QEvent::MouseButtonPress:
        focusFromClick_ = false; // the press that brought the focus is over
        break;
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::ParentChange:
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
        PlaceLabel();
        break;
    case QEvent::FontChange:
        if (loading_)
            labelFont_ = font();
        SetTextRect(flat_);
        break;
    case QEvent::Enter:
        if (autoFocus_)
            setFocus(Qt::OtherFocusReason);
        if (!mouseInside_ && isEnabled()) {
            mouseInside_ = true;
            if (focusBorder_)
                update();
        }
        break;
    case QEvent::Leave:
        if (mouseInside_ && isEnabled()) {
            mouseInside_ = false;
            if (focusBorder_)
                update();
        }
        break;
    default:
        break;
    }
}

void TAdvEdit::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    Guarded([this] {
        QPainter painter(this);
        PaintOverlay(painter);
    });
}

// --- Painting ----------------------------------------------------------------

void TAdvEdit::PaintOverlay(QPainter& painter) {
    if (flat_) {
        if (focusBorder_) {
            DrawFocusBorder(painter);
        } else {
            const QRect r = FormattingRect();
            const int h = height();
            const int w = width();
            painter.setPen(QPen(ResolveColor(flatLineColor_, palette()), 0));
            if (softBorder_) {
                const QPoint outline[] = {{r.left() - 2, h - 1},
                                          {w - 1, h - 1},
                                          {w - 1, r.top() - 4},
                                          {r.left() - 2, r.top() - 4},
                                          {r.left() - 2, h - 1}};
                painter.drawPolyline(outline, 5);
            } else {
                painter.drawLine(r.left() - 2, h - 1, w - 1, h - 1);
            }
        }
    } else if (focusBorder_ && mouseInside_ && isEnabled()) {
        // Over the 3D frame the hot border shows only while the mouse is
        // over the field; the focus alone does not make it hot.
        DrawFocusBorder(painter);
    }

    if (const QPoint dropCaret = dragDrop_->DropCaretPoint(); dropCaret != QPoint(-1, -1))
        painter.fillRect(dropCaret.x(), dropCaret.y(), 1, QFontInfo(font()).pixelSize(), Qt::black);

    if (Text().isEmpty() && !hasFocus() && !emptyText_.isEmpty()) {
        painter.save();
        painter.setFont(PixelFont(QStringLiteral("MS Sans Serif"), 11)); // a new canvas's font
        painter.setPen(ResolveColor(clGray));
        TextOut(painter, 2, 2, emptyText_);
        painter.restore();
    }

    if (!hasFocus() && errorMarkerLen_ > 0)
        DrawErrorMarker(painter, errorMarkerPos_, errorMarkerLen_);
}

bool TAdvEdit::FocusBorderHot() const {
    return focusBorder_ && (mouseInside_ || hasFocus());
}

void TAdvEdit::DrawFocusBorder(QPainter& painter) {
    const bool hot = FocusBorderHot();
    const QColor color = ResolveColor(hot ? clBtnFace : ParentBrushColor());
    QRect r = rect();
    if (hot) {
        // A sunken outer edge: shadow along the top and left, highlight along
        // the bottom and right.
        const QColor shadow = ResolveColor(clBtnShadow);
        const QColor light = ResolveColor(clBtnHighlight);
        painter.fillRect(r.x(), r.y(), r.width() - 1, 1, shadow);
        painter.fillRect(r.x(), r.y(), 1, r.height() - 1, shadow);
        painter.fillRect(r.x(), r.y() + r.height() - 1, r.width(), 1, light);
        painter.fillRect(r.x() + r.width() - 1, r.y(), 1, r.height(), light);
        FrameRect(painter, r.adjusted(1, 1, -1, -1), color);
    } else {
        FrameRect(painter, r, color);
        FrameRect(painter, r.adjusted(1, 1, -1, -1), color);
    }
}

void TAdvEdit::DrawErrorMarker(QPainter& painter, int pos, int len) {
    const int n = static_cast<int>(Text().size());
    const QPoint p1 = pos < n ? CaretPointOfChar(pos) : CaretPointOfChar(n) + QPoint(4, 0);
    QPoint p2;
    if (pos + len < n)
        p2 = CaretPointOfChar(pos + len - 1);
    else
        p2 = QPoint(CaretPointOfChar(std::max(n - 1, 0)).x() + 4, p1.y());
    const int t = TextExtent(font(), QStringLiteral("gh")).height() - 1;

    painter.save();
    painter.setPen(QPen(ResolveColor(clRed), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const std::vector<QPoint> points = ErrorMarkerPoints(p1, p2, t);
    painter.drawPolyline(points.data(), static_cast<int>(points.size()));
    painter.restore();
}

QPoint TAdvEdit::CaretPointOfChar(int index) const {
    const QString shown = displayText();
    const int n = static_cast<int>(shown.size());
    if (n == 0)
        return {0, 0};
    const QFontMetrics metrics(font());
    if (index >= n) // no character there: just right of the last one
        return CaretPointOfChar(n - 1) + QPoint(metrics.horizontalAdvance(shown[n - 1]), 0);
    index = std::max(index, 0);
    // Qt tells where its own caret is (its rectangle starts 5 pixels before
    // the caret line); every other character is measured from there.
    const QRect caret = cursorRect();
    const QFontMetricsF exact(font());
    const int x = caret.x() + 5 +
                  qRound(exact.horizontalAdvance(shown.left(index)) -
                         exact.horizontalAdvance(shown.left(cursorPosition())));
    return {x, caret.y()};
}

// --- Flat look ---------------------------------------------------------------

void TAdvEdit::SetTextRect(bool flat) {
    setTextMargins(flat ? QMargins(2, 4, 2, 4) : QMargins());
}

QRect TAdvEdit::FormattingRect() const {
    return rect().marginsRemoved(textMargins());
}

TColor TAdvEdit::ParentBrushColor() const {
    const QWidget* parent = parentWidget();
    if (!parent)
        return ToTColor(QApplication::palette().color(QPalette::Window));
    return ToTColor(parent->palette().color(parent->backgroundRole()));
}

void TAdvEdit::ApplyFlat() {
    if (flat_) {
        // Kept apart from the normal colour, which becomes the parent's colour
        // so that a focus cycle of a flat field returns to it.
        colorBeforeFlat_ = color_;
        normalColor_ = color_;
        if (flatParentColor_) {
            SetColor(ParentBrushColor());
            focusColor_ = color_;
        }
        SetBorderStyle(bsNone);
    } else {
        SetColor(colorBeforeFlat_.value_or(normalColor_));
        colorBeforeFlat_.reset();
        SetBorderStyle(savedBorderStyle_);
    }
    SetTextRect(flat_);
}

// --- URL look and hint -------------------------------------------------------

void TAdvEdit::SetUrlLook(bool on) {
    QFont underlined = font();
    underlined.setUnderline(on);
    setFont(underlined);
    urlLook_ = on;
    if (on) {
        SetCurrentFontColor(urlColor_);
        setCursor(Qt::PointingHandCursor);
        update();
    } else {
        SetCurrentFontColor(normalFontColor_);
        setCursor(Qt::IBeamCursor); // the edit's own
    }
}

bool TAdvEdit::ShowLargeTextHint() {
    if (!hintShowLargeText_)
        return false;
    const QString value = Text();
    if (TextExtent(font(), value).width() <= width())
        return false;
    const QPoint origin = mapToGlobal(QPoint(0, 0));
    QToolTip::showText(origin, value, this);
    // Qt puts a tip below the pointer; this one covers the field's own corner.
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->inherits("QTipLabel") && top->isVisible())
            top->move(origin);
    return true;
}

// --- Property setters --------------------------------------------------------

void TAdvEdit::SetEmptyText(const QString& text) {
    emptyText_ = text;
    update();
}

void TAdvEdit::SetErrorMarkerPos(int pos) {
    errorMarkerPos_ = pos;
    update();
}

void TAdvEdit::SetErrorMarkerLen(int len) {
    errorMarkerLen_ = len;
    update();
}

void TAdvEdit::SetFlat(bool flat) {
    if (flat == flat_)
        return;
    flat_ = flat;
    if (loading_)
        return;
    ApplyFlat();
    update();
}

void TAdvEdit::SetFlatLineColor(TColor color) {
    flatLineColor_ = color;
    update();
}

void TAdvEdit::SetFlatParentColor(bool on) {
    flatParentColor_ = on;
    update();
}

void TAdvEdit::SetFocusBorder(bool on) {
    focusBorder_ = on;
    update();
}

void TAdvEdit::SetSoftBorder(bool on) {
    softBorder_ = on;
    update();
}

void TAdvEdit::SetTransparent(bool on) {
    transparent_ = on;
    ApplyColors();
    update();
}

// --- Attached label ----------------------------------------------------------

void TAdvEdit::SetLabelCaption(const QString& caption) {
    labelCaption_ = caption;
    if (!label_) {
        auto* label = new TEditLabel(parentWidget());
        label->setBuddy(this);
        label->setFont(labelFont_);
        label->setEnabled(isEnabled() || labelAlwaysEnabled_);
        label_ = label;
    }
    label_->setText(caption);
    PlaceLabel();
}

void TAdvEdit::SetLabelPosition(TLabelPosition position) {
    labelPosition_ = position;
    PlaceLabel();
}

void TAdvEdit::SetLabelMargin(int margin) {
    labelMargin_ = margin;
    PlaceLabel();
}

void TAdvEdit::SetLabelTransparent(bool on) {
    labelTransparent_ = on;
    PlaceLabel();
}

void TAdvEdit::SetLabelAlwaysEnabled(bool on) {
    labelAlwaysEnabled_ = on;
    if (on && label_)
        label_->setEnabled(true);
    update();
}

void TAdvEdit::SetLabelFont(const QFont& font) {
    labelFont_ = font;
    PlaceLabel();
}

void TAdvEdit::PlaceLabel() {
    if (!label_)
        return;
    auto* label = static_cast<TEditLabel*>(label_.data());
    if (label->parentWidget() != parentWidget())
        label->setParent(parentWidget());
    label->setAutoFillBackground(!labelTransparent_);
    // The font comes first so that the label is placed at its new size; a
    // focused field keeps its label bold.
    QFont font = labelFont_;
    if (focusLabel_ && hasFocus())
        font.setBold(true);
    label->setFont(font);
    label->AutoSize();
    const int captionWidth = TextExtent(font, labelCaption_).width();
    label->move(
        LabelPlacement(labelPosition_, geometry(), label->size(), captionWidth, labelMargin_));
    // A field without a parent has nowhere to show its label.
    label->setVisible(Visible() && label->parentWidget());
}

} // namespace maskwell
