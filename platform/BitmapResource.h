// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <string_view>

namespace maskwell {

// The program's named bitmap resources, loaded by name as the desktop loads
// resources: names compare without regard to case, and each call builds a
// fresh image. An unknown name throws maskwell::Error "Resource NAME not found".
//
// The resources are the glyph check box's six 16 x 16 opaque images: "CHKOFF",
// "CHKRED", "CHKGRE", "CHKBLU", "CHKDISABLEDON" and "CHKDISABLEDOFF".
QImage LoadBitmapResource(std::string_view name);

} // namespace maskwell
