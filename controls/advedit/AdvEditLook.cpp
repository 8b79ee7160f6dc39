// SPDX-License-Identifier: MIT
#include "controls/advedit/AdvEditLook.h"

#include "controls/advedit/AdvEditFieldView.h"
#include "platform/Fonts.h"
#include "platform/ShellOpen.h"
#include "platform/TextDrawing.h"

#include <QApplication>
#include <QFontInfo>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWidget>
#include <algorithm>

namespace maskwell {

namespace {

void FrameRect(QPainter& painter, const QRect& rect, const QColor& color) {
    painter.fillRect(rect.x(), rect.y(), rect.width(), 1, color);
    painter.fillRect(rect.x(), rect.y() + rect.height() - 1, rect.width(), 1, color);
    painter.fillRect(rect.x(), rect.y(), 1, rect.height(), color);
    painter.fillRect(rect.x() + rect.width() - 1, rect.y(), 1, rect.height(), color);
}

} // namespace

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

TEditLook::TEditLook(TFieldView& field) : field_(field) {
    ApplyColors();
}

void TEditLook::Update() {
    field_.Widget().update();
}

// --- Colours -----------------------------------------------------------------

void TEditLook::SetColor(TColor color) {
    normalColor_ = color;
    SetBackground(color);
}

void TEditLook::SetDisabledColor(TColor color) {
    disabledColor_ = color;
    Update();
}

void TEditLook::SetFocusColor(TColor color) {
    if (color == focusColor_)
        return;
    focusColor_ = color;
    emit FocusColorChanged();
}

void TEditLook::SetBackground(TColor color) {
    const bool changed = color != color_;
    color_ = color;
    ApplyColors();
    if (changed)
        emit ColorChanged();
}

void TEditLook::SetCurrentFontColor(TColor color) {
    const bool changed = color != fontColor_;
    fontColor_ = color;
    ApplyColors();
    if (changed)
        emit FontColorChanged();
}

void TEditLook::ApplyColors() {
    QWidget& widget = field_.Widget();
    // System colours resolve against the application's palette, never against
    // this field's own, which holds the last colours set.
    QPalette colors = widget.palette();
    // A transparent field lets its parent show through.
    const QColor background = transparent_ ? QColor(Qt::transparent) : ResolveColor(color_);
    const QColor foreground = ResolveColor(fontColor_);
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        colors.setColor(group, QPalette::Base, background);
    for (const auto group : {QPalette::Active, QPalette::Inactive})
        colors.setColor(group, QPalette::Text, foreground);
    widget.setPalette(colors);
}

void TEditLook::Loaded() {
    normalColor_ = color_;
    normalFontColor_ = fontColor_;
    framedBeforeFlat_ = field_.Framed();
    ApplyFlat();
}

void TEditLook::FocusEntered(bool error, bool url) {
    if ((error && showError_) || showModified_)
        return;
    SetBackground(focusColor_);
    if (fontColor_ != focusFontColor_)
        normalFontColor_ = fontColor_;
    if (!(url && showUrl_))
        SetCurrentFontColor(focusFontColor_);
}

void TEditLook::FocusLeft(bool error, bool url) {
    if ((error && showError_) || showModified_)
        return;
    SetBackground(normalColor_);
    if (!(url && showUrl_))
        SetCurrentFontColor(normalFontColor_);
}

void TEditLook::ErrorChanged(bool error, bool focused) {
    if (!showError_)
        return;
    if (error) {
        SetBackground(errorColor_);
        SetCurrentFontColor(errorFontColor_);
    } else if (focused) {
        SetBackground(focusColor_);
        SetCurrentFontColor(focusFontColor_);
    } else {
        SetBackground(normalColor_);
        SetCurrentFontColor(normalFontColor_);
    }
}

void TEditLook::ModifiedChanged(bool modified) {
    if (showModified_)
        SetCurrentFontColor(modified ? modifiedColor_ : normalFontColor_);
}

void TEditLook::EnabledChanged(bool enabled) {
    if (enabled) {
        SetBackground(normalColor_);
    } else {
        normalColor_ = color_;
        SetBackground(disabledColor_);
    }
}

// --- Flat look ---------------------------------------------------------------

void TEditLook::SetFlat(bool flat, bool loading) {
    if (flat == flat_)
        return;
    flat_ = flat;
    if (loading)
        return;
    ApplyFlat();
    Update();
}

void TEditLook::SetFlatLineColor(TColor color) {
    flatLineColor_ = color;
    Update();
}

void TEditLook::SetFlatParentColor(bool on) {
    flatParentColor_ = on;
    Update();
}

void TEditLook::SetSoftBorder(bool on) {
    softBorder_ = on;
    Update();
}

void TEditLook::SetTextRect(bool flat) {
    field_.SetTextMargins(flat ? QMargins(2, 4, 2, 4) : QMargins());
}

TColor TEditLook::ParentBrushColor() const {
    const QWidget* parent = field_.Widget().parentWidget();
    if (!parent)
        return ToTColor(QApplication::palette().color(QPalette::Window));
    return ToTColor(parent->palette().color(parent->backgroundRole()));
}

void TEditLook::ApplyFlat() {
    if (flat_) {
        // Kept apart from the normal colour, which becomes the parent's colour
        // so that a focus cycle of a flat field returns to it.
        colorBeforeFlat_ = color_;
        normalColor_ = color_;
        if (flatParentColor_) {
            SetColor(ParentBrushColor());
            SetFocusColor(color_);
        }
        field_.SetFramed(false);
    } else {
        SetColor(colorBeforeFlat_.value_or(normalColor_));
        colorBeforeFlat_.reset();
        field_.SetFramed(framedBeforeFlat_);
    }
    SetTextRect(flat_);
}

// --- Other looks -------------------------------------------------------------

void TEditLook::SetFocusBorder(bool on) {
    focusBorder_ = on;
    Update();
}

void TEditLook::SetTransparent(bool on) {
    transparent_ = on;
    ApplyColors();
    Update();
}

void TEditLook::SetEmptyText(const QString& text) {
    emptyText_ = text;
    Update();
}

void TEditLook::SetErrorMarkerPos(int pos) {
    errorMarkerPos_ = pos;
    Update();
}

void TEditLook::SetErrorMarkerLen(int len) {
    errorMarkerLen_ = len;
    Update();
}

void TEditLook::SetUrlLook(bool on) {
    QWidget& widget = field_.Widget();
    QFont underlined = widget.font();
    underlined.setUnderline(on);
    widget.setFont(underlined);
    urlLook_ = on;
    if (on) {
        SetCurrentFontColor(urlColor_);
        widget.setCursor(Qt::PointingHandCursor);
        widget.update();
    } else {
        SetCurrentFontColor(normalFontColor_);
        widget.setCursor(Qt::IBeamCursor); // the edit's own
    }
}

bool TEditLook::ShowLargeTextHint() {
    if (!hintShowLargeText_)
        return false;
    QWidget& widget = field_.Widget();
    const QString value = field_.Value();
    if (TextExtent(widget.font(), value).width() <= widget.width())
        return false;
    const QPoint origin = widget.mapToGlobal(QPoint(0, 0));
    QToolTip::showText(origin, value, &widget);
    // Qt puts a tip below the pointer; this one covers the field's own corner.
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->inherits("QTipLabel") && top->isVisible())
            top->move(origin);
    return true;
}

// --- Qt's events -------------------------------------------------------------

void TEditLook::Pressed(const QEvent& event, bool hadFocus) {
    if (static_cast<const QMouseEvent&>(event).button() == Qt::LeftButton && urlLook_ && hadFocus &&
        showUrl_)
        ShellOpen(field_.Value());
}

void TEditLook::EventAfter(const QEvent& event) {
    QWidget& widget = field_.Widget();
    switch (event.type()) {
    case QEvent::FontChange:
        SetTextRect(flat_);
        break;
    case QEvent::Enter:
        if (autoFocus_)
            widget.setFocus(Qt::OtherFocusReason);
        if (!mouseInside_ && widget.isEnabled()) {
            mouseInside_ = true;
            if (focusBorder_)
                widget.update();
        }
        break;
    case QEvent::Leave:
        if (mouseInside_ && widget.isEnabled()) {
            mouseInside_ = false;
            if (focusBorder_)
                widget.update();
        }
        break;
    default:
        break;
    }
}

// --- Painting ----------------------------------------------------------------

void TEditLook::Paint(QPainter& painter, QPoint dropCaret) {
    const QWidget& widget = field_.Widget();
    if (flat_) {
        if (focusBorder_) {
            DrawFocusBorder(painter);
        } else {
            const QRect r = widget.rect().marginsRemoved(field_.TextMargins());
            const int h = widget.height();
            const int w = widget.width();
            painter.setPen(QPen(ResolveColor(flatLineColor_, widget.palette()), 0));
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
    } else if (focusBorder_ && mouseInside_ && widget.isEnabled()) {
        // Over the 3D frame the hot border shows only while the mouse is
        // over the field; the focus alone does not make it hot.
        DrawFocusBorder(painter);
    }

    if (dropCaret != QPoint(-1, -1))
        painter.fillRect(dropCaret.x(), dropCaret.y(), 1, QFontInfo(widget.font()).pixelSize(),
                         Qt::black);

    if (!emptyText_.isEmpty() && !widget.hasFocus() && field_.Value().isEmpty()) {
        painter.save();
        painter.setFont(PixelFont(QStringLiteral("MS Sans Serif"), 11)); // a new canvas's font
        painter.setPen(ResolveColor(clGray));
        TextOut(painter, 2, 2, emptyText_);
        painter.restore();
    }

    if (!widget.hasFocus() && errorMarkerLen_ > 0)
        DrawErrorMarker(painter, errorMarkerPos_, errorMarkerLen_);
}

bool TEditLook::FocusBorderHot() const {
    return focusBorder_ && (mouseInside_ || field_.Widget().hasFocus());
}

void TEditLook::DrawFocusBorder(QPainter& painter) {
    const bool hot = FocusBorderHot();
    const QColor color = ResolveColor(hot ? clBtnFace : ParentBrushColor());
    QRect r = field_.Widget().rect();
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

void TEditLook::DrawErrorMarker(QPainter& painter, int pos, int len) {
    const int n = static_cast<int>(field_.Value().size());
    const QPoint p1 =
        pos < n ? field_.CaretPointOfChar(pos) : field_.CaretPointOfChar(n) + QPoint(4, 0);
    QPoint p2;
    if (pos + len < n)
        p2 = field_.CaretPointOfChar(pos + len - 1);
    else
        p2 = QPoint(field_.CaretPointOfChar(std::max(n - 1, 0)).x() + 4, p1.y());
    const int t = TextExtent(field_.Widget().font(), QStringLiteral("gh")).height() - 1;

    painter.save();
    painter.setPen(QPen(ResolveColor(clRed), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const std::vector<QPoint> points = ErrorMarkerPoints(p1, p2, t);
    painter.drawPolyline(points.data(), static_cast<int>(points.size()));
    painter.restore();
}

} // namespace maskwell
