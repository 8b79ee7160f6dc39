// SPDX-License-Identifier: MIT
#pragma once

#include "gallery/GalleryPage.h"

namespace maskwell {
class TIPEdit;
}

namespace maskwell::gallery {

// The IP address edit: four octet fields that take digits only, move on at a
// dot or the third digit and repair themselves when left.
class IPEditPage : public GalleryPage {
    Q_OBJECT

public:
    explicit IPEditPage(QWidget* parent = nullptr);

private:
    TIPEdit* AddAddress(const QString& name, const QString& caption);
};

} // namespace maskwell::gallery
