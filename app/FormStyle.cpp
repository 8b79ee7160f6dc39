// SPDX-License-Identifier: MIT
#include "app/FormStyle.h"

#include "platform/PixelMap.h"

#include <QTransform>

namespace maskwell {

QImage OverflowArrows(bool vertical) {
    static const PixelKey keys[] = {{'.', 0x00000000}, {'X', 0xFF000000}};
    const QImage right = ImageFromPixelMap(
        {"................", "................", "................", "................",
         "...X...X........", "....X...X.......", ".....X...X......", "......X...X.....",
         "......X...X.....", ".....X...X......", "....X...X.......", "...X...X........",
         "................", "................", "................", "................"},
        keys);
    return vertical ? right.transformed(QTransform().rotate(90)) : right;
}

QIcon TFormStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                               const QWidget* widget) const {
    if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton)
        return QIcon(QPixmap::fromImage(OverflowArrows(icon == SP_ToolBarVerticalExtensionButton)));
    return QProxyStyle::standardIcon(icon, option, widget);
}

} // namespace maskwell
