#include "designer/ControlIcons.h"

#include <QPainter>
#include <QPixmap>
#include <QWidget>
#include <memory>

namespace maskwell::designer {

QIcon IconOf(QWidget* sample) {
    constexpr int kSide = 32;
    const std::unique_ptr<QWidget> owned(sample);
    sample->setAttribute(Qt::WA_DontShowOnScreen);
    sample->ensurePolished();
    const QPixmap shot =
        sample->grab().scaled(kSide, kSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPixmap square(kSide, kSide);
    square.fill(Qt::transparent);
    QPainter painter(&square);
    painter.drawPixmap((kSide - shot.width()) / 2, (kSide - shot.height()) / 2, shot);
    painter.end();
    return QIcon(square);
}

} // namespace maskwell::designer
