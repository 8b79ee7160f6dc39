// SPDX-License-Identifier: MIT
#pragma once

#include "platform/dragdrop/OleInterfaces.h"

#include <QPoint>
#include <QString>
#include <QStringList>

// The drag-and-drop objects of the advanced edit, general enough for any
// control: a drop target that takes text and file names, a drop source, the
// data object and format enumerator of a dragged text, and a reader for a
// foreign data object. TAdvEdit binds them to its field (AdvEditDrag.cpp).
//
// Rich text is named in the formats but never exchanged: the switch that would
// let it through is off and nothing turns it on.
namespace maskwell {

// DROPEFFECT_COPY while Control is held, else DROPEFFECT_MOVE.
DWORD EffectFromKeys(DWORD keyState);

// The id of the "Rich Text Format" clipboard format as registered so far (each
// TEnumFormats registers it, and a TSourceEnumFormatEtc that finds it missing),
// 0 before any registration.
CLIPFORMAT RichTextFormat();

// The start of drag and drop on a thread: any result of OleInitialize other
// than S_OK and S_FALSE raises "OleInitialize failed ($%x)" with the code.
void CheckOleInitialize(HRESULT result);

// Drags a text (and rich text) from here with the allowed effects and waits
// for the drop: DRAGDROP_S_DROP, or DRAGDROP_S_CANCEL when the drag was given
// up or the target under the pointer last refused it.
HRESULT StartOleDrag(const QString& text, const QString& richText, DWORD allowedEffects,
                     DWORD& effect);

// Reads a foreign data object through its format enumerator.
class TEnumFormats {
public:
    // Raises "Cannot get the format enumerator" when the data object gives none.
    explicit TEnumFormats(IDataObject* dataObject);
    TEnumFormats(const TEnumFormats&) = delete;
    TEnumFormats& operator=(const TEnumFormats&) = delete;

    // Runs through the formats from the first; the entry found stays current.
    bool HasFormat(CLIPFORMAT format);
    // The current entry's data in global memory, which the caller frees
    // (GlobalFree); null when there is no current entry, it is not offered in
    // global memory or the data object refuses it.
    HGLOBAL GlobalData();
    // The CF_TEXT text (up to its zero byte), or the empty text.
    QString Text();
    QString RichText();
    // Reads the CF_HDROP names into Files(); true when there are any.
    bool FileNames();
    const QStringList& Files() const { return files_; }

    const FORMATETC& Current() const { return current_; }
    bool Valid() const { return valid_; }

private:
    QString TextOf(CLIPFORMAT format);

    ComPtr<IDataObject> data_;
    ComPtr<IEnumFORMATETC> formats_;
    FORMATETC current_;
    bool valid_ = false;
    QStringList files_;
};

// A drop target for text and file names. It takes a drag that offers CF_TEXT
// or CF_HDROP, moving it, or copying it while Control is held, and hands what
// is dropped to the Drop* operations, which do nothing here.
class TAEDropTarget : public TComObject<IDropTarget> {
public:
    TAEDropTarget() = default;

    HRESULT DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override;
    HRESULT DragOver(DWORD keyState, POINTL point, DWORD* effect) override;
    HRESULT DragLeave() override;
    HRESULT Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override;

    // Whether the data of the current drag can be taken.
    bool Acceptable() const { return acceptable_; }

protected:
    ~TAEDropTarget() override = default;

    // Points are in screen coordinates.
    virtual void DropText(const QPoint& point, const QString& text);
    virtual void DropRtf(const QPoint& point, const QString& text);
    virtual void DropFiles(const QPoint& point, const QStringList& files);
    // Every move over the target; allow comes in true, false refuses the drop.
    virtual void DragMouseMove(const QPoint& point, bool& allow);

private:
    bool acceptable_ = false;
};

// The source of a drag that started here: Escape gives up, releasing the left
// button drops.
class TAEDropSource : public TComObject<IDropSource> {
public:
    TAEDropSource() = default;

    HRESULT QueryContinueDrag(BOOL escapePressed, DWORD keyState) override;
    HRESULT GiveFeedback(DWORD effect) override;

    // Whether the last feedback was DROPEFFECT_NONE (the target under the
    // pointer refused the drop).
    bool LastEffectNone() const { return lastEffectNone_; }

protected:
    ~TAEDropSource() override = default;

private:
    bool lastEffectNone_ = false;
};

// The data of a dragged text: CF_TEXT (the 8-bit text, UTF-8 here) and
// CF_UNICODETEXT (UTF-16), each with its terminating zero, in global memory.
class TSourceDataObject : public TComObject<IDataObject> {
public:
    TSourceDataObject(QString text, QString richText);

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

protected:
    ~TSourceDataObject() override = default;

private:
    QString text_;
    QString richText_;
};

// The formats of a TSourceDataObject in order: CF_TEXT, CF_UNICODETEXT and
// the registered "Rich Text Format"; the position runs from 0 to 3.
class TSourceEnumFormatEtc : public TComObject<IEnumFORMATETC> {
public:
    explicit TSourceEnumFormatEtc(int position = 0) : position_(position) {}

    HRESULT Next(ULONG count, FORMATETC* entries, ULONG* fetched) override;
    HRESULT Skip(ULONG count) override;
    HRESULT Reset() override;
    HRESULT Clone(IEnumFORMATETC** copy) override;

    int Position() const { return position_; }

protected:
    ~TSourceEnumFormatEtc() override = default;

private:
    int position_;
};

} // namespace maskwell
