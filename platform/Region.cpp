// SPDX-License-Identifier: MIT
#include "platform/Region.h"

#include <QPainter>
#include <algorithm>
#include <cstdint>
#include <utility>

namespace maskwell {

namespace {

struct Box {
    int left, top, width, height;
};

Box OrderedBox(int x1, int y1, int x2, int y2) {
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    return {x1, y1, x2 - x1, y2 - y1};
}

bool InCornerEllipse(std::int64_t i, std::int64_t j, std::int64_t cw, std::int64_t ch) {
    const std::int64_t dx = 2 * i + 1 - cw;
    const std::int64_t dy = 2 * j + 1 - ch;
    return dx * dx * ch * ch + dy * dy * cw * cw < cw * cw * ch * ch;
}

// Pixels missing at each end of row j of a corner: the first pixel whose centre
// is inside the corner ellipse or past its centre line (the straight band).
int RowInset(int j, int cw, int ch) {
    if (2 * j + 1 >= ch)
        return 0;
    int i = 0;
    while (2 * i + 1 < cw && !InCornerEllipse(i, j, cw, ch))
        ++i;
    return i;
}

} // namespace

QRegion CreateRectRgn(int x1, int y1, int x2, int y2) {
    const Box box = OrderedBox(x1, y1, x2, y2);
    return QRegion(box.left, box.top, box.width, box.height);
}

QRegion CreateRoundRectRgn(int x1, int y1, int x2, int y2, int w, int h) {
    Box box = OrderedBox(x1, y1, x2, y2);
    --box.width;
    --box.height;
    if (box.width <= 0 || box.height <= 0)
        return {};
    if (w <= 0 || h <= 0)
        return QRegion(box.left, box.top, box.width, box.height);
    const int cw = std::min(w, box.width);
    const int ch = std::min(h, box.height);

    QRegion region;
    int bandTop = 0;
    int bandInset = RowInset(0, cw, ch);
    auto addBand = [&](int endRow) {
        const int width = box.width - 2 * bandInset;
        if (width > 0)
            region += QRect(box.left + bandInset, box.top + bandTop, width, endRow - bandTop);
    };
    for (int row = 1; row < box.height; ++row) {
        const int inset = RowInset(std::min(row, box.height - 1 - row), cw, ch);
        if (inset != bandInset) {
            addBand(row);
            bandTop = row;
            bandInset = inset;
        }
    }
    addBand(box.height);
    return region;
}

QRegion CreateEllipticRgn(int x1, int y1, int x2, int y2) {
    const Box box = OrderedBox(x1, y1, x2, y2);
    return CreateRoundRectRgn(x1, y1, x2, y2, box.width, box.height);
}

bool PtInRegion(const QRegion& region, int x, int y) {
    return region.contains(QPoint(x, y));
}

void FillRgn(QPainter& painter, const QRegion& region, const QBrush& brush) {
    for (const QRect& rect : region)
        painter.fillRect(rect, brush);
}

void OffsetRgn(QRegion& region, int dx, int dy) {
    region.translate(dx, dy);
}

} // namespace maskwell
