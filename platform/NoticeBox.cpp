// SPDX-License-Identifier: MIT
#include "platform/NoticeBox.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace maskwell {

void ShowNotice(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), text,
                    QMessageBox::Ok, parent);
    box.exec();
}

} // namespace maskwell
