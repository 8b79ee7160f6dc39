// SPDX-License-Identifier: MIT
#pragma once

#include "gallery/GalleryPage.h"

namespace maskwell {
class TLabel3D;
}

namespace maskwell::gallery {

// The 3D label: raised, recessed and shadowed text, borders, rotated text,
// web and e-mail links and trimmed text.
class Label3DPage : public GalleryPage {
    Q_OBJECT

public:
    explicit Label3DPage(QWidget* parent = nullptr);

private:
    TLabel3D* AddLabel(const QString& name, const QString& caption, const QString& text);
    TLabel3D* AddBoxedLabel(const QString& name, const QString& caption, const QString& text);
};

} // namespace maskwell::gallery
