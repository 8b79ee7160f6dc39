// SPDX-License-Identifier: MIT
// The text floor: a window of the main window's size with the same menu bar
// and one label, so it pays for fonts, text shaping and the menu bar as any
// window with text does.
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Text"));
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto* menu = new QMenuBar(&window);
    menu->addMenu(QStringLiteral("File"))->addAction(QStringLiteral("Exit"));
    menu->addAction(QStringLiteral("About"));
    layout->setMenuBar(menu);
    auto* client = new QWidget(&window);
    client->setFixedSize(292, 299);
    layout->addWidget(client);
    auto* label = new QLabel(QStringLiteral("IP Address:"), client);
    label->move(11, 18);
    window.show();
    return QApplication::exec();
}
