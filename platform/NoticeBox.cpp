// SPDX-License-Identifier: MIT
#include "platform/NoticeBox.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMessageBox>

namespace maskwell {

namespace {

// A box sized to a short message leaves the window manager too little title
// bar for the title beside its icon and buttons, and the title is cut short.
// Each of those takes about the title's height in width; room is kept for
// six of them (icon, three buttons, the margins).
void KeepRoomForTitle(QMessageBox& box) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true); // as most window managers draw titles
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(box.windowTitle()) + 6 * metrics.height();
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
}

} // namespace

void ShowNotice(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), text,
                    QMessageBox::Ok, parent);
    KeepRoomForTitle(box);
    box.exec();
}

} // namespace maskwell
