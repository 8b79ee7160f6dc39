// SPDX-License-Identifier: MIT
#include "platform/dragdrop/OleMimeData.h"

#include "platform/dragdrop/OleFormats.h"
#include "platform/dragdrop/OleMemory.h"

#include <QMimeData>
#include <QUrl>
#include <cstring>
#include <optional>

namespace maskwell {

namespace {

const QString kRtfMime = QStringLiteral("text/rtf");
const QString kRichTextFormatName = QStringLiteral("Rich Text Format");

// Plain text proper: Qt's hasText() also counts a bare URI list as text,
// which would turn a drag of files into a text.
bool HasPlainText(const QMimeData& data) {
    return data.hasFormat(QStringLiteral("text/plain")) ||
           data.hasFormat(QStringLiteral("text/plain;charset=utf-8"));
}

CLIPFORMAT RichTextFormatId() {
    return RegisterClipboardFormat(kRichTextFormatName);
}

QByteArray WithZeroByte(QByteArray bytes) {
    bytes.append('\0');
    return bytes;
}

QByteArray Utf16WithZero(const QString& text) {
    QByteArray bytes(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    bytes.append(2, '\0');
    return bytes;
}

// The bytes of a block, copied out between a lock and an unlock.
QByteArray BlockBytes(HGLOBAL memory) {
    const std::size_t size = GlobalSize(memory);
    const void* start = GlobalLock(memory);
    if (!start)
        return {};
    QByteArray bytes(static_cast<const char*>(start), static_cast<qsizetype>(size));
    GlobalUnlock(memory);
    return bytes;
}

QString Utf16Until(const QByteArray& bytes, qsizetype from, qsizetype* next) {
    QString text;
    qsizetype at = from;
    while (at + 1 < bytes.size()) {
        char16_t unit = 0;
        std::memcpy(&unit, bytes.constData() + at, sizeof unit);
        at += 2;
        if (unit == 0)
            break;
        text.append(QChar(unit));
    }
    if (next)
        *next = at;
    return text;
}

QString MimeTypeOfRegistered(const QString& name) {
    if (name.compare(kRichTextFormatName, Qt::CaseInsensitive) == 0)
        return kRtfMime;
    return QStringLiteral("application/x-qt-windows-mime;value=\"%1\"").arg(name);
}

} // namespace

// --- Global memory helpers ---------------------------------------------------

HGLOBAL GlobalFromBytes(const QByteArray& bytes) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE,
                                 static_cast<std::size_t>(bytes.size()));
    if (!memory)
        return nullptr;
    if (void* start = GlobalLock(memory)) {
        std::memcpy(start, bytes.constData(), static_cast<std::size_t>(bytes.size()));
        GlobalUnlock(memory);
    }
    return memory;
}

QByteArray ZeroTerminatedBytes(HGLOBAL memory) {
    const QByteArray bytes = BlockBytes(memory);
    const qsizetype end = bytes.indexOf('\0');
    return end < 0 ? bytes : bytes.left(end);
}

QString ZeroTerminatedUtf16(HGLOBAL memory) {
    return Utf16Until(BlockBytes(memory), 0, nullptr);
}

HGLOBAL DropFilesBlock(const QStringList& names) {
    DROPFILES head;
    head.fWide = TRUE;
    QByteArray bytes(reinterpret_cast<const char*>(&head), sizeof head);
    for (const QString& name : names)
        bytes += Utf16WithZero(name);
    bytes.append(2, '\0');
    return GlobalFromBytes(bytes);
}

QStringList DropFilesNames(HGLOBAL memory) {
    const QByteArray bytes = BlockBytes(memory);
    if (bytes.size() < static_cast<qsizetype>(sizeof(DROPFILES)))
        return {};
    DROPFILES head;
    std::memcpy(&head, bytes.constData(), sizeof head);
    QStringList names;
    qsizetype at = head.pFiles;
    while (at < bytes.size()) {
        QString name;
        if (head.fWide) {
            name = Utf16Until(bytes, at, &at);
        } else {
            qsizetype end = bytes.indexOf('\0', at);
            if (end < 0)
                end = bytes.size();
            name = QString::fromLocal8Bit(bytes.mid(at, end - at));
            at = end + 1;
        }
        if (name.isEmpty())
            break;
        names << name;
    }
    return names;
}

// --- Qt data as a data object ------------------------------------------------

QStringList TMimeDataObject::LocalFiles() const {
    QStringList files;
    if (data_ && data_->hasUrls())
        for (const QUrl& url : data_->urls())
            if (url.isLocalFile())
                files << url.toLocalFile();
    return files;
}

bool TMimeDataObject::Offers(CLIPFORMAT format) const {
    if (format == CF_TEXT || format == CF_UNICODETEXT)
        return HasPlainText(*data_);
    if (format == CF_HDROP)
        return !LocalFiles().isEmpty();
    if (format == RichTextFormatId())
        return data_->hasFormat(kRtfMime);
    return false;
}

HRESULT TMimeDataObject::QueryGetData(const FORMATETC* format) {
    if (!format)
        return E_INVALIDARG;
    if (!data_)
        return E_UNEXPECTED;
    if (format->dwAspect != DVASPECT_CONTENT)
        return DV_E_DVASPECT;
    if (format->lindex != -1)
        return DV_E_LINDEX;
    if (!Offers(format->cfFormat))
        return DV_E_FORMATETC;
    if (!(format->tymed & TYMED_HGLOBAL))
        return DV_E_TYMED;
    return S_OK;
}

HRESULT TMimeDataObject::GetData(const FORMATETC* format, STGMEDIUM* medium) {
    if (!format || !medium)
        return E_INVALIDARG;
    *medium = STGMEDIUM{};
    if (const HRESULT usable = QueryGetData(format); usable != S_OK)
        return usable;
    HGLOBAL memory = nullptr;
    switch (format->cfFormat) {
    case CF_TEXT:
        memory = GlobalFromBytes(WithZeroByte(data_->text().toLocal8Bit()));
        break;
    case CF_UNICODETEXT:
        memory = GlobalFromBytes(Utf16WithZero(data_->text()));
        break;
    case CF_HDROP:
        memory = DropFilesBlock(LocalFiles());
        break;
    default: // the rich text, the one other format offered
        memory = GlobalFromBytes(WithZeroByte(data_->data(kRtfMime)));
        break;
    }
    if (!memory)
        return E_OUTOFMEMORY;
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = memory;
    return S_OK;
}

HRESULT TMimeDataObject::GetDataHere(const FORMATETC*, STGMEDIUM*) {
    return E_NOTIMPL;
}

HRESULT TMimeDataObject::GetCanonicalFormatEtc(const FORMATETC* format, FORMATETC* canonical) {
    if (!format || !canonical)
        return E_INVALIDARG;
    *canonical = *format;
    canonical->ptd = nullptr;
    return DATA_S_SAMEFORMATETC;
}

HRESULT TMimeDataObject::SetData(const FORMATETC*, STGMEDIUM*, BOOL) {
    return E_NOTIMPL;
}

HRESULT TMimeDataObject::EnumFormatEtc(DWORD direction, IEnumFORMATETC** enumerator) {
    if (!enumerator)
        return E_INVALIDARG;
    *enumerator = nullptr;
    if (direction != DATADIR_GET)
        return E_NOTIMPL;
    if (!data_)
        return E_UNEXPECTED;
    std::vector<FORMATETC> entries;
    for (const CLIPFORMAT format : {CF_UNICODETEXT, CF_TEXT, CF_HDROP, RichTextFormatId()})
        if (Offers(format))
            entries.push_back(HGlobalFormat(format));
    *enumerator = CreateFormatEnumerator(std::move(entries));
    return S_OK;
}

HRESULT TMimeDataObject::DAdvise(const FORMATETC*, DWORD, IAdviseSink*, DWORD*) {
    return OLE_E_ADVISENOTSUPPORTED;
}

HRESULT TMimeDataObject::DUnadvise(DWORD) {
    return OLE_E_ADVISENOTSUPPORTED;
}

HRESULT TMimeDataObject::EnumDAdvise(IEnumSTATDATA** enumerator) {
    if (enumerator)
        *enumerator = nullptr;
    return OLE_E_ADVISENOTSUPPORTED;
}

// --- A data object as Qt data ------------------------------------------------

std::unique_ptr<QMimeData> MimeDataFromDataObject(IDataObject* data) {
    auto mime = std::make_unique<QMimeData>();
    ComPtr<IEnumFORMATETC> formats;
    if (!data || FAILED(data->EnumFormatEtc(DATADIR_GET, formats.put())) || !formats)
        return mime;
    std::optional<QString> unicodeText;
    std::optional<QString> text;
    FORMATETC entry;
    while (formats->Next(1, &entry, nullptr) == S_OK) {
        if (!(entry.tymed & TYMED_HGLOBAL))
            continue;
        FORMATETC ask = entry;
        ask.tymed = TYMED_HGLOBAL;
        STGMEDIUM medium;
        if (data->GetData(&ask, &medium) != S_OK)
            continue;
        if (medium.tymed == TYMED_HGLOBAL && medium.hGlobal) {
            HGLOBAL memory = medium.hGlobal;
            if (entry.cfFormat == CF_UNICODETEXT) {
                unicodeText = ZeroTerminatedUtf16(memory);
            } else if (entry.cfFormat == CF_TEXT) {
                text = QString::fromLocal8Bit(ZeroTerminatedBytes(memory));
            } else if (entry.cfFormat == CF_HDROP) {
                QList<QUrl> urls;
                for (const QString& name : DropFilesNames(memory))
                    urls << QUrl::fromLocalFile(name);
                if (!urls.isEmpty())
                    mime->setUrls(urls);
            } else if (const QString name = ClipboardFormatName(entry.cfFormat); !name.isEmpty()) {
                const QString type = MimeTypeOfRegistered(name);
                mime->setData(type,
                              type == kRtfMime ? ZeroTerminatedBytes(memory) : BlockBytes(memory));
            }
        }
        ReleaseStgMedium(&medium);
    }
    // The UTF-16 form carries every character; the 8-bit one only stands in.
    if (unicodeText)
        mime->setText(*unicodeText);
    else if (text)
        mime->setText(*text);
    return mime;
}

} // namespace maskwell
