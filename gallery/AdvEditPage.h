// SPDX-License-Identifier: MIT
#pragma once

#include "gallery/GalleryPage.h"

namespace maskwell {
class TAdvEdit;
}

namespace maskwell::gallery {

// The advanced edit: one field of each edit type with its attached label, then
// the features around the value: a lookup list, drag and drop between two
// fields, money, ranges, prefix and suffix, the focus look, validation, the
// empty text, the flat look and a field kept between runs in settingsFile.
class AdvEditPage : public GalleryPage {
    Q_OBJECT

public:
    explicit AdvEditPage(const QString& settingsFile, QWidget* parent = nullptr);

private:
    TAdvEdit* AddEdit(const QString& name, const QString& caption, const QString& label);
    void AddTypes();
    void AddFeatures(const QString& settingsFile);
};

} // namespace maskwell::gallery
