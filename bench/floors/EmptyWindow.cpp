// SPDX-License-Identifier: MIT
// The lowest start-up floor: a Qt Widgets window of the main window's size
// that draws nothing but its background.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Empty"));
    window.setFixedSize(292, 320);
    window.show();
    return QApplication::exec();
}
