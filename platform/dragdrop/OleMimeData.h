// SPDX-License-Identifier: MIT
#pragma once

#include "platform/dragdrop/OleInterfaces.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>

class QMimeData;

// The two directions between Qt's drag data (QMimeData) and data objects:
// incoming Qt data shown to a drop target as a data object, and a drop
// source's data object turned into Qt data for a drag.
//
//   plain text             <-> CF_UNICODETEXT (UTF-16) and CF_TEXT (the
//                              system's 8-bit text, UTF-8 here)
//   local file URLs        <-> CF_HDROP (wide names)
//   text/rtf               <-> the registered "Rich Text Format"
//   other registered names  -> application/x-qt-windows-mime;value="name"
namespace maskwell {

// Incoming Qt data as a data object, for the length of one drag: Qt owns the
// QMimeData and ends its life with the drag, so the bridge detaches it then
// and every later request fails (E_UNEXPECTED) instead of reading freed data.
class TMimeDataObject : public TComObject<IDataObject> {
public:
    explicit TMimeDataObject(const QMimeData* data) : data_(data) {}
    void Detach() { data_ = nullptr; }

    HRESULT GetData(const FORMATETC* format, STGMEDIUM* medium) override;
    HRESULT GetDataHere(const FORMATETC* format, STGMEDIUM* medium) override;
    HRESULT QueryGetData(const FORMATETC* format) override;
    HRESULT GetCanonicalFormatEtc(const FORMATETC* format, FORMATETC* canonical) override;
    HRESULT SetData(const FORMATETC* format, STGMEDIUM* medium, BOOL release) override;
    HRESULT EnumFormatEtc(DWORD direction, IEnumFORMATETC** enumerator) override;
    HRESULT DAdvise(const FORMATETC* format, DWORD flags, IAdviseSink* sink,
                    DWORD* connection) override;
    HRESULT DUnadvise(DWORD connection) override;
    HRESULT EnumDAdvise(IEnumSTATDATA** enumerator) override;

private:
    QStringList LocalFiles() const;
    bool Offers(CLIPFORMAT format) const;

    const QMimeData* data_;
};

// What a data object offers in global memory, as Qt data; formats it cannot
// deliver are left out.
std::unique_ptr<QMimeData> MimeDataFromDataObject(IDataObject* data);

// Global memory holding exactly these bytes; null when it cannot be had.
HGLOBAL GlobalFromBytes(const QByteArray& bytes);
// The bytes of a block up to its first zero byte (or its end).
QByteArray ZeroTerminatedBytes(HGLOBAL memory);
// The UTF-16 text of a block up to its first zero character (or its end).
QString ZeroTerminatedUtf16(HGLOBAL memory);
// A CF_HDROP block with the names as wide text.
HGLOBAL DropFilesBlock(const QStringList& names);
// The names in a CF_HDROP block, wide or single-byte as its head says.
QStringList DropFilesNames(HGLOBAL memory);

} // namespace maskwell
