// SPDX-License-Identifier: MIT
#include "tests/support/PaintProbe.h"

#include <QPainter>

namespace maskwell::test {

PaintProbe::PaintProbe(QSize size, Paint paint) : paint_(std::move(paint)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(size);
}

QImage PaintProbe::Grab() {
    return GrabImage(*this);
}

void PaintProbe::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(Qt::black);
    if (paint_)
        paint_(painter);
}

QImage GrabImage(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QRect InkBounds(const QImage& image, QColor background) {
    const QRgb paper = background.rgb();
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != paper)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

} // namespace maskwell::test
