// SPDX-License-Identifier: MIT
#pragma once

#include "platform/dragdrop/OleInterfaces.h"

#include <QString>
#include <vector>

class QWidget;

// Clipboard formats: the standard ones (OleTypes.h) and those registered by
// name, and the entries and enumerators that data objects describe them with.
namespace maskwell {

// The id of a named format, 0xC000 or above, the same for every call with the
// same name in any letter case; 0 for an empty name.
CLIPFORMAT RegisterClipboardFormat(const QString& name);
// The name a format was registered with; empty for the standard formats and
// unknown ids.
QString ClipboardFormatName(CLIPFORMAT format);

// The program's claim on the clipboard, as the desktop's OpenClipboard and
// CloseClipboard: one opener at a time. The contents themselves are Qt's
// clipboard; this only orders who may touch them.
bool OpenClipboard(QWidget* owner);
bool CloseClipboard();

// The entry that asks for a format as content, in global memory.
FORMATETC HGlobalFormat(CLIPFORMAT format);

// A new enumerator (one reference) over the given entries, at the first.
IEnumFORMATETC* CreateFormatEnumerator(std::vector<FORMATETC> entries);

} // namespace maskwell
