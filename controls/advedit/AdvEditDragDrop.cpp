// SPDX-License-Identifier: MIT
#include "controls/advedit/AdvEditDragDrop.h"

#include "core/Error.h"
#include "platform/dragdrop/OleDragDrop.h"
#include "platform/dragdrop/OleFormats.h"
#include "platform/dragdrop/OleMemory.h"
#include "platform/dragdrop/OleMimeData.h"

#include <cstring>

namespace maskwell {

namespace {

CLIPFORMAT richTextFormat = 0;
// Rich text exchange: off, and nothing turns it on.
bool richTextExchange = false;

constexpr int kSourceFormats = 3;

// Registered the way the reader does it: inside an open clipboard, and left
// as it was when the clipboard is busy.
void RegisterRichTextFormat() {
    if (!OpenClipboard(nullptr))
        return;
    richTextFormat = RegisterClipboardFormat(QStringLiteral("Rich Text Format"));
    CloseClipboard();
}

QPoint PointOf(POINTL point) {
    return {point.x, point.y};
}

} // namespace

DWORD EffectFromKeys(DWORD keyState) {
    return (keyState & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
}

CLIPFORMAT RichTextFormat() {
    return richTextFormat;
}

void CheckOleInitialize(HRESULT result) {
    if (result != S_OK && result != S_FALSE)
        throw Error(QString::asprintf("OleInitialize failed ($%x)", static_cast<unsigned>(result))
                        .toStdString());
}

HRESULT StartOleDrag(const QString& text, const QString& richText, DWORD allowedEffects,
                     DWORD& effect) {
    const auto source = ComPtr<TAEDropSource>::Adopt(new TAEDropSource);
    const auto data = ComPtr<TSourceDataObject>::Adopt(new TSourceDataObject(text, richText));
    const HRESULT result = DoDragDrop(data.get(), source.get(), allowedEffects, &effect);
    return source->LastEffectNone() ? DRAGDROP_S_CANCEL : result;
}

// --- TEnumFormats ------------------------------------------------------------

TEnumFormats::TEnumFormats(IDataObject* dataObject)
    : data_(ComPtr<IDataObject>::Share(dataObject)) {
    if (!data_ || FAILED(data_->EnumFormatEtc(DATADIR_GET, formats_.put())) || !formats_)
        throw Error("Cannot get the format enumerator");
    formats_->Reset();
    RegisterRichTextFormat();
}

bool TEnumFormats::HasFormat(CLIPFORMAT format) {
    formats_->Reset();
    for (;;) {
        valid_ = formats_->Next(1, &current_, nullptr) == S_OK;
        if (!valid_)
            return false;
        if (current_.cfFormat == format)
            return true;
    }
}

HGLOBAL TEnumFormats::GlobalData() {
    if (!valid_ || !(current_.tymed & TYMED_HGLOBAL))
        return nullptr;
    FORMATETC ask = current_;
    ask.tymed = TYMED_HGLOBAL;
    STGMEDIUM medium;
    if (data_->GetData(&ask, &medium) != S_OK)
        return nullptr;
    return medium.hGlobal;
}

QString TEnumFormats::TextOf(CLIPFORMAT format) {
    if (!HasFormat(format))
        return {};
    HGLOBAL memory = GlobalData();
    if (!memory)
        return {};
    QString text = QString::fromLocal8Bit(ZeroTerminatedBytes(memory));
    GlobalFree(memory);
    return text;
}

QString TEnumFormats::Text() {
    return TextOf(CF_TEXT);
}

QString TEnumFormats::RichText() {
    return TextOf(richTextFormat);
}

bool TEnumFormats::FileNames() {
    files_.clear();
    if (HasFormat(CF_HDROP)) {
        if (HGLOBAL memory = GlobalData()) {
            files_ = DropFilesNames(memory);
            GlobalFree(memory);
        }
    }
    return !files_.isEmpty();
}

// --- TAEDropTarget -----------------------------------------------------------

HRESULT TAEDropTarget::DragEnter(IDataObject* data, DWORD keyState, POINTL, DWORD* effect) {
    if (!effect)
        return E_INVALIDARG;
    TEnumFormats formats(data);
    acceptable_ = formats.HasFormat(CF_TEXT) || formats.HasFormat(CF_HDROP);
    *effect = acceptable_ ? EffectFromKeys(keyState) : DROPEFFECT_NONE;
    return S_OK;
}

HRESULT TAEDropTarget::DragOver(DWORD keyState, POINTL point, DWORD* effect) {
    if (!effect)
        return E_INVALIDARG;
    *effect = acceptable_ ? EffectFromKeys(keyState) : DROPEFFECT_NONE;
    bool allow = true;
    DragMouseMove(PointOf(point), allow);
    if (!allow)
        *effect = DROPEFFECT_NONE;
    return S_OK;
}

HRESULT TAEDropTarget::DragLeave() {
    return S_OK;
}

HRESULT TAEDropTarget::Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) {
    if (!effect)
        return E_INVALIDARG;
    if (!acceptable_) {
        *effect = DROPEFFECT_NONE;
        return S_OK;
    }
    TEnumFormats formats(data);
    const QPoint at = PointOf(point);
    if (formats.HasFormat(CF_TEXT))
        DropText(at, formats.Text());
    if (richTextExchange && formats.HasFormat(richTextFormat))
        DropRtf(at, formats.RichText());
    if (formats.HasFormat(CF_HDROP)) {
        formats.FileNames();
        DropFiles(at, formats.Files());
    }
    *effect = EffectFromKeys(keyState);
    return S_OK;
}

void TAEDropTarget::DropText(const QPoint&, const QString&) {}
void TAEDropTarget::DropRtf(const QPoint&, const QString&) {}
void TAEDropTarget::DropFiles(const QPoint&, const QStringList&) {}

void TAEDropTarget::DragMouseMove(const QPoint&, bool& allow) {
    allow = true;
}

// --- TAEDropSource -----------------------------------------------------------

HRESULT TAEDropSource::QueryContinueDrag(BOOL escapePressed, DWORD keyState) {
    if (escapePressed)
        return DRAGDROP_S_CANCEL;
    if (keyState & MK_LBUTTON)
        return S_OK;
    return DRAGDROP_S_DROP;
}

HRESULT TAEDropSource::GiveFeedback(DWORD effect) {
    lastEffectNone_ = effect == DROPEFFECT_NONE;
    return DRAGDROP_S_USEDEFAULTCURSORS;
}

// --- TSourceDataObject -------------------------------------------------------

TSourceDataObject::TSourceDataObject(QString text, QString richText)
    : text_(std::move(text)), richText_(std::move(richText)) {}

HRESULT TSourceDataObject::QueryGetData(const FORMATETC* format) {
    if (!format)
        return E_INVALIDARG;
    const CLIPFORMAT cf = format->cfFormat;
    const bool known = cf == CF_TEXT || cf == CF_UNICODETEXT ||
                       (richTextExchange && cf != 0 && cf == richTextFormat);
    if (format->dwAspect == DVASPECT_CONTENT && known && format->tymed == TYMED_HGLOBAL)
        return S_OK;
    return DV_E_FORMATETC;
}

HRESULT TSourceDataObject::GetData(const FORMATETC* format, STGMEDIUM* medium) {
    if (!format || !medium)
        return E_INVALIDARG;
    *medium = STGMEDIUM{};
    if (QueryGetData(format) != S_OK)
        return DV_E_FORMATETC;
    QByteArray bytes;
    if (format->cfFormat == CF_TEXT) {
        bytes = text_.toLocal8Bit();
        bytes.append('\0');
    } else if (format->cfFormat == CF_UNICODETEXT) {
        bytes = QByteArray(reinterpret_cast<const char*>(text_.utf16()), text_.size() * 2);
        bytes.append(2, '\0');
    } else {
        bytes = richText_.toLocal8Bit();
        bytes.append('\0');
    }
    HGLOBAL memory = GlobalFromBytes(bytes);
    if (!memory)
        return DV_E_FORMATETC;
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = memory;
    return S_OK;
}

HRESULT TSourceDataObject::GetDataHere(const FORMATETC*, STGMEDIUM*) {
    return DV_E_FORMATETC;
}

HRESULT TSourceDataObject::GetCanonicalFormatEtc(const FORMATETC*, FORMATETC* canonical) {
    if (canonical)
        canonical->ptd = nullptr;
    return E_NOTIMPL;
}

HRESULT TSourceDataObject::SetData(const FORMATETC*, STGMEDIUM*, BOOL) {
    return DV_E_FORMATETC;
}

HRESULT TSourceDataObject::EnumFormatEtc(DWORD direction, IEnumFORMATETC** enumerator) {
    if (!enumerator)
        return E_INVALIDARG;
    if (direction != DATADIR_GET) {
        *enumerator = nullptr;
        return E_NOTIMPL;
    }
    *enumerator = new TSourceEnumFormatEtc(0);
    return S_OK;
}

HRESULT TSourceDataObject::DAdvise(const FORMATETC*, DWORD, IAdviseSink*, DWORD*) {
    return OLE_E_ADVISENOTSUPPORTED;
}

HRESULT TSourceDataObject::DUnadvise(DWORD) {
    return OLE_E_ADVISENOTSUPPORTED;
}

HRESULT TSourceDataObject::EnumDAdvise(IEnumSTATDATA** enumerator) {
    if (enumerator)
        *enumerator = nullptr;
    return OLE_E_ADVISENOTSUPPORTED;
}

// --- TSourceEnumFormatEtc ----------------------------------------------------

HRESULT TSourceEnumFormatEtc::Next(ULONG count, FORMATETC* entries, ULONG* fetched) {
    if (!entries)
        return E_POINTER;
    // Before any drop came in nothing has registered the rich text format;
    // the enumerator would name format 0 for it.
    if (richTextFormat == 0)
        RegisterRichTextFormat();
    const CLIPFORMAT formats[kSourceFormats] = {CF_TEXT, CF_UNICODETEXT, richTextFormat};
    ULONG filled = 0;
    while (filled < count && position_ < kSourceFormats)
        entries[filled++] = HGlobalFormat(formats[position_++]);
    if (fetched)
        *fetched = filled;
    return filled == count ? S_OK : S_FALSE;
}

HRESULT TSourceEnumFormatEtc::Skip(ULONG count) {
    const long long next = static_cast<long long>(position_) + count;
    if (next <= kSourceFormats) {
        position_ = static_cast<int>(next);
        return S_OK;
    }
    position_ = kSourceFormats;
    return S_FALSE;
}

HRESULT TSourceEnumFormatEtc::Reset() {
    position_ = 0;
    return S_OK;
}

HRESULT TSourceEnumFormatEtc::Clone(IEnumFORMATETC** copy) {
    if (!copy)
        return E_POINTER;
    *copy = new TSourceEnumFormatEtc(position_);
    return S_OK;
}

} // namespace maskwell
