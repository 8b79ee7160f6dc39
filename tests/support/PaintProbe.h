// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>
#include <functional>

class QPainter;

namespace maskwell::test {

// A bare widget that paints a white background and then whatever the test
// gives it, so that drawing code can be checked on a grabbed image.
class PaintProbe : public QWidget {
public:
    using Paint = std::function<void(QPainter&)>;

    PaintProbe(QSize size, Paint paint);

    // The widget as painted, one image pixel per widget pixel (RGB32).
    QImage Grab();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Paint paint_;
};

// Grabs any widget as an RGB32 image.
QImage GrabImage(QWidget& widget);

// The smallest rectangle holding every pixel that differs from background;
// an empty rectangle when there is none.
QRect InkBounds(const QImage& image, QColor background = Qt::white);

} // namespace maskwell::test
