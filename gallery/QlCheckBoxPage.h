// SPDX-License-Identifier: MIT
#pragma once

#include "gallery/GalleryPage.h"

namespace maskwell {
class TQlCheckBox;
}

namespace maskwell::gallery {

// The glyph check box: a box drawn from bitmaps with a blue, red or green
// mark, a grey disabled look and an optional hover colour for its caption.
class QlCheckBoxPage : public GalleryPage {
    Q_OBJECT

public:
    explicit QlCheckBoxPage(QWidget* parent = nullptr);

private:
    TQlCheckBox* AddBox(const QString& name, const QString& caption, const QString& text);
};

} // namespace maskwell::gallery
