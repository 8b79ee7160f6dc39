// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QTabWidget;

namespace maskwell::gallery {

class GalleryPage;

// The gallery's window: one page per reusable control. settingsFile is the
// INI file that the advanced edit's persistent sample keeps its text in.
class GalleryWindow : public QWidget {
    Q_OBJECT

public:
    explicit GalleryWindow(const QString& settingsFile, QWidget* parent = nullptr);

    QTabWidget& Pages() const { return *pages_; }
    GalleryPage& Page(int index) const;

    // The INI file under the user's configuration folder.
    static QString DefaultSettingsFile();

private:
    QTabWidget* pages_;
};

} // namespace maskwell::gallery
