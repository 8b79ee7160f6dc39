// SPDX-License-Identifier: MIT
// The keystroke floor: a window holding one bare QLineEdit, which has the
// keyboard from the start.
#include <QApplication>
#include <QLineEdit>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Line edit"));
    window.setFixedSize(292, 320);
    auto* edit = new QLineEdit(&window);
    edit->setGeometry(76, 34, 169, 21);
    edit->setFocus();
    window.show();
    return QApplication::exec();
}
