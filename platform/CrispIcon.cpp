// SPDX-License-Identifier: MIT
#include "platform/CrispIcon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

namespace maskwell {

namespace {

class CrispIconEngine final : public QIconEngine {
public:
    explicit CrispIconEngine(QImage drawing) : drawing_(std::move(drawing)) {}

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        return drawing_.size().scaled(size, Qt::KeepAspectRatio);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        const QSize target = drawing_.size().scaled(size, Qt::KeepAspectRatio);
        if (target.isEmpty())
            return {};
        return QPixmap::fromImage(
            drawing_.scaled(target, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device()->devicePixelRatioF();
        QPixmap drawn = pixmap(rect.size() * ratio, mode, state);
        drawn.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect.topLeft(), drawn);
    }

    QIconEngine* clone() const override { return new CrispIconEngine(drawing_); }
    QString key() const override { return QStringLiteral("maskwell-crisp"); }

private:
    QImage drawing_;
};

} // namespace

QIcon CrispIcon(const QImage& drawing) {
    return QIcon(new CrispIconEngine(drawing));
}

} // namespace maskwell
