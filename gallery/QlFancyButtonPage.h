// SPDX-License-Identifier: MIT
#pragma once

#include "gallery/GalleryPage.h"

namespace maskwell {
class TQlFancyButton;
}

namespace maskwell::gallery {

// The fancy button: capsule, oval and rounded-rectangle faces in a shaded
// frame, caption effects, a hover colour and a glyph strip.
class QlFancyButtonPage : public GalleryPage {
    Q_OBJECT

public:
    explicit QlFancyButtonPage(QWidget* parent = nullptr);

private:
    TQlFancyButton* AddButton(const QString& name, const QString& caption, QSize size);
    // The font every sample has.
    TQlFancyButton* Dress(TQlFancyButton* button);
};

} // namespace maskwell::gallery
