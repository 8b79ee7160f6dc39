// SPDX-License-Identifier: MIT
#include "platform/Bevel.h"

#include "platform/Color.h"

#include <QPainter>

namespace maskwell {

TBevel::TBevel(QWidget* parent, TBevelShape shape, TBevelStyle style)
    : QWidget(parent), shape_(shape), style_(style) {}

void TBevel::SetShape(TBevelShape shape) {
    if (shape == shape_)
        return;
    shape_ = shape;
    update();
}

void TBevel::SetStyle(TBevelStyle style) {
    if (style == style_)
        return;
    style_ = style;
    update();
}

void TBevel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor shadow = ResolveColor(clBtnShadow, palette());
    const QColor highlight = ResolveColor(clBtnHighlight, palette());
    const QColor first = style_ == bsLowered ? shadow : highlight;
    const QColor second = style_ == bsLowered ? highlight : shadow;
    const int w = width();
    const int h = height();
    // Lines run over the whole side, the second one a pixel inwards.
    const auto horizontal = [&](const QColor& color, int y) {
        painter.fillRect(0, y, w, 1, color);
    };
    const auto vertical = [&](const QColor& color, int x) { painter.fillRect(x, 0, 1, h, color); };

    switch (shape_) {
    case bsBox:
        painter.setPen(first);
        painter.drawLine(0, 0, w - 1, 0);
        painter.drawLine(0, 0, 0, h - 1);
        painter.setPen(second);
        painter.drawLine(w - 1, 0, w - 1, h - 1);
        painter.drawLine(0, h - 1, w - 1, h - 1);
        break;
    case bsFrame:
        painter.setPen(first);
        painter.drawRect(0, 0, w - 2, h - 2);
        painter.setPen(second);
        painter.drawRect(1, 1, w - 2, h - 2);
        break;
    case bsTopLine:
        horizontal(first, 0);
        horizontal(second, 1);
        break;
    case bsBottomLine:
        horizontal(first, h - 2);
        horizontal(second, h - 1);
        break;
    case bsLeftLine:
        vertical(first, 0);
        vertical(second, 1);
        break;
    case bsRightLine:
        vertical(first, w - 2);
        vertical(second, w - 1);
        break;
    case bsSpacer:
        break;
    }
}

} // namespace maskwell
