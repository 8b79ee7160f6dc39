// SPDX-License-Identifier: MIT
#include "designer/AboutBox.h"

#include <QMessageBox>
#include <QWidget>

namespace maskwell::designer {

void ShowAboutBox(QWidget* control) {
    const QString name =
        QString::fromLatin1(control->metaObject()->className()).section(QStringLiteral("::"), -1);
    QMessageBox::about(
        control->window(), QStringLiteral("About %1").arg(name),
        QStringLiteral("<p><b>%1</b></p>"
                       "<p>A check box drawn from its own glyphs: a red, green or blue check "
                       "mark, and a caption that can light up while the pointer is over it.</p>"
                       "<p>Maskwell controls %2</p>")
            .arg(name, QStringLiteral(MASKWELL_VERSION)));
}

} // namespace maskwell::designer
