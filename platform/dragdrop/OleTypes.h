// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

// The plain types and codes of the desktop's object-linking drag and drop, with
// their desktop values, so that drop targets, drop sources and data objects are
// written against them as on the desktop. The interfaces are in OleInterfaces.h,
// global memory in OleMemory.h, clipboard formats in OleFormats.h and the drag
// itself (on Qt's drag and drop) in OleDragDrop.h.
namespace maskwell {

using HRESULT = std::int32_t;
using DWORD = std::uint32_t;
using ULONG = std::uint32_t;
using LONG = std::int32_t;
using BOOL = int;
using CLIPFORMAT = std::uint16_t;

constexpr BOOL FALSE = 0;
constexpr BOOL TRUE = 1;

constexpr HRESULT MakeHResult(std::uint32_t code) {
    return static_cast<HRESULT>(code);
}

constexpr bool SUCCEEDED(HRESULT result) {
    return result >= 0;
}
constexpr bool FAILED(HRESULT result) {
    return result < 0;
}

// Results.
constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_NOTIMPL = MakeHResult(0x80004001);
constexpr HRESULT E_NOINTERFACE = MakeHResult(0x80004002);
constexpr HRESULT E_POINTER = MakeHResult(0x80004003);
constexpr HRESULT E_FAIL = MakeHResult(0x80004005);
constexpr HRESULT E_UNEXPECTED = MakeHResult(0x8000FFFF);
constexpr HRESULT E_OUTOFMEMORY = MakeHResult(0x8007000E);
constexpr HRESULT E_INVALIDARG = MakeHResult(0x80070057);
constexpr HRESULT OLE_E_ADVISENOTSUPPORTED = MakeHResult(0x80040003);
constexpr HRESULT DV_E_FORMATETC = MakeHResult(0x80040064);
constexpr HRESULT DV_E_LINDEX = MakeHResult(0x80040068);
constexpr HRESULT DV_E_TYMED = MakeHResult(0x80040069);
constexpr HRESULT DV_E_DVASPECT = MakeHResult(0x8004006B);
constexpr HRESULT DATA_S_SAMEFORMATETC = MakeHResult(0x00040130);
constexpr HRESULT DRAGDROP_S_DROP = MakeHResult(0x00040100);
constexpr HRESULT DRAGDROP_S_CANCEL = MakeHResult(0x00040101);
constexpr HRESULT DRAGDROP_S_USEDEFAULTCURSORS = MakeHResult(0x00040102);
constexpr HRESULT DRAGDROP_E_NOTREGISTERED = MakeHResult(0x80040100);
constexpr HRESULT DRAGDROP_E_ALREADYREGISTERED = MakeHResult(0x80040101);
constexpr HRESULT DRAGDROP_E_INVALIDHWND = MakeHResult(0x80040102);
constexpr HRESULT CO_E_NOTINITIALIZED = MakeHResult(0x800401F0);

// What a drop does to the dragged data.
constexpr DWORD DROPEFFECT_NONE = 0;
constexpr DWORD DROPEFFECT_COPY = 1;
constexpr DWORD DROPEFFECT_MOVE = 2;
constexpr DWORD DROPEFFECT_LINK = 4;
constexpr DWORD DROPEFFECT_SCROLL = 0x80000000;

// The mouse buttons and keys held during a drag (the key state).
constexpr DWORD MK_LBUTTON = 0x0001;
constexpr DWORD MK_RBUTTON = 0x0002;
constexpr DWORD MK_SHIFT = 0x0004;
constexpr DWORD MK_CONTROL = 0x0008;
constexpr DWORD MK_MBUTTON = 0x0010;
constexpr DWORD MK_ALT = 0x0020;

// Standard clipboard formats; registered ones are numbered from 0xC000.
constexpr CLIPFORMAT CF_TEXT = 1;
constexpr CLIPFORMAT CF_UNICODETEXT = 13;
constexpr CLIPFORMAT CF_HDROP = 15;

constexpr DWORD DVASPECT_CONTENT = 1;
constexpr DWORD DVASPECT_THUMBNAIL = 2;
constexpr DWORD DVASPECT_ICON = 4;
constexpr DWORD DVASPECT_DOCPRINT = 8;

// Medium types. Only global memory is carried here.
constexpr DWORD TYMED_NULL = 0;
constexpr DWORD TYMED_HGLOBAL = 1;
constexpr DWORD TYMED_FILE = 2;
constexpr DWORD TYMED_ISTREAM = 4;
constexpr DWORD TYMED_ISTORAGE = 8;
constexpr DWORD TYMED_GDI = 16;
constexpr DWORD TYMED_MFPICT = 32;
constexpr DWORD TYMED_ENHMF = 64;

constexpr DWORD DATADIR_GET = 1;
constexpr DWORD DATADIR_SET = 2;

struct POINTL {
    LONG x = 0;
    LONG y = 0;
};

// A target device description; drag and drop here never names one.
struct DVTARGETDEVICE;

struct FORMATETC {
    CLIPFORMAT cfFormat = 0;
    DVTARGETDEVICE* ptd = nullptr;
    DWORD dwAspect = DVASPECT_CONTENT;
    LONG lindex = -1;
    DWORD tymed = TYMED_NULL;
};

struct GlobalBlock;
using HGLOBAL = GlobalBlock*;

class IUnknown;

// A storage medium. Of the desktop's media only global memory exists here.
struct STGMEDIUM {
    DWORD tymed = TYMED_NULL;
    HGLOBAL hGlobal = nullptr;
    IUnknown* pUnkForRelease = nullptr;
};

// The head of a CF_HDROP block: the names start pFiles bytes from the start of
// the block, each ends with a zero character, an empty name ends the list;
// fWide tells UTF-16 names from single-byte ones.
struct DROPFILES {
    DWORD pFiles = sizeof(DROPFILES);
    POINTL pt;
    BOOL fNC = FALSE;
    BOOL fWide = FALSE;
};
static_assert(sizeof(DROPFILES) == 20);

} // namespace maskwell
