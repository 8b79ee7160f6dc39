// SPDX-License-Identifier: MIT
#include "designer/ControlIcons.h"

#include <QPainter>
#include <QPixmap>
#include <QWidget>

namespace maskwell::designer {

QIcon IconOf(QWidget* sample) {
    constexpr int kSide = 32;
    // Some controls draw only on a parent's surface; the host also owns the
    // sample and deletes it.
    QWidget host;
    host.setAttribute(Qt::WA_DontShowOnScreen);
    sample->setParent(&host);
    host.resize(sample->size());
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
