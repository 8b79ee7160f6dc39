// SPDX-License-Identifier: MIT
#include "gallery/GalleryWindow.h"

#include "gallery/AdvEditPage.h"
#include "gallery/IPEditPage.h"
#include "gallery/Label3DPage.h"
#include "gallery/QlCheckBoxPage.h"
#include "gallery/QlFancyButtonPage.h"

#include <QDir>
#include <QShortcut>
#include <QStandardPaths>
#include <QTabWidget>
#include <QVBoxLayout>

namespace maskwell::gallery {

GalleryWindow::GalleryWindow(const QString& settingsFile, QWidget* parent)
    : QWidget(parent), pages_(new QTabWidget(this)) {
    setObjectName("GalleryWindow");
    setWindowTitle("Maskwell Control Gallery");
    pages_->setObjectName("Pages");
    pages_->setDocumentMode(true);
    pages_->addTab(new IPEditPage, "IP Address Edit");
    pages_->addTab(new Label3DPage, "3D Label");
    pages_->addTab(new QlCheckBoxPage, "Glyph Check Box");
    pages_->addTab(new QlFancyButtonPage, "Fancy Button");
    pages_->addTab(new AdvEditPage(settingsFile), "Advanced Edit");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pages_);
    resize(1200, 760);
    auto* quit = new QShortcut(QKeySequence::Quit, this);
    connect(quit, &QShortcut::activated, this, &QWidget::close);
}

GalleryPage& GalleryWindow::Page(int index) const {
    return *static_cast<GalleryPage*>(pages_->widget(index));
}

QString GalleryWindow::DefaultSettingsFile() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(folder);
    return QDir(folder).filePath("gallery.ini");
}

} // namespace maskwell::gallery
