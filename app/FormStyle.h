// SPDX-License-Identifier: MIT
#pragma once

#include <QProxyStyle>

namespace maskwell {

// The application style with the menu bar's overflow arrows drawn in code.
// The stock arrows are image files whose reading loads every image format
// plugin (and libjpeg) at start-up, for a button that a fixed-size window's
// two-item menu bar never shows. Install before the first window is built.
class TFormStyle : public QProxyStyle {
    Q_OBJECT

public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

// The menu bar's overflow arrows, 16 x 16: two chevrons pointing right, or
// down when vertical.
QImage OverflowArrows(bool vertical);

} // namespace maskwell
