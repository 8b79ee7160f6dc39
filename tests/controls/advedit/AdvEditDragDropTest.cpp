// SPDX-License-Identifier: MIT
#include "controls/advedit/AdvEditDragDrop.h"

#include "core/Error.h"
#include "platform/dragdrop/OleDragDrop.h"
#include "platform/dragdrop/OleFormats.h"
#include "platform/dragdrop/OleMemory.h"
#include "platform/dragdrop/OleMimeData.h"
#include "tests/support/QtPrinters.h"

#include <QMimeData>
#include <QUrl>
#include <gtest/gtest.h>

namespace maskwell {
namespace {

// The bytes a format comes in, or nothing with the answer in *result.
QByteArray Fetch(IDataObject& data, const FORMATETC& format, HRESULT* result = nullptr) {
    STGMEDIUM medium;
    medium.tymed = TYMED_ISTREAM; // left over from before: GetData clears it
    const HRESULT answer = data.GetData(&format, &medium);
    if (result)
        *result = answer;
    if (answer != S_OK) {
        EXPECT_EQ(medium.tymed, TYMED_NULL);
        EXPECT_EQ(medium.hGlobal, nullptr);
        return {};
    }
    EXPECT_EQ(medium.tymed, TYMED_HGLOBAL);
    const void* start = GlobalLock(medium.hGlobal);
    QByteArray bytes(static_cast<const char*>(start),
                     static_cast<qsizetype>(GlobalSize(medium.hGlobal)));
    GlobalUnlock(medium.hGlobal);
    ReleaseStgMedium(&medium);
    return bytes;
}

ComPtr<IDataObject> SourceData(const QString& text) {
    return ComPtr<IDataObject>::Adopt(new TSourceDataObject(text, QStringLiteral("{\\rtf1 r}")));
}

ComPtr<TMimeDataObject> Incoming(const QMimeData& mime) {
    return ComPtr<TMimeDataObject>::Adopt(new TMimeDataObject(&mime));
}

// A data object that cannot list its formats.
class NoEnumerator : public TSourceDataObject {
public:
    NoEnumerator() : TSourceDataObject("x", "") {}
    HRESULT EnumFormatEtc(DWORD, IEnumFORMATETC** enumerator) override {
        *enumerator = nullptr;
        return E_NOTIMPL;
    }
};

const FORMATETC kText = HGlobalFormat(CF_TEXT);
const FORMATETC kUnicodeText = HGlobalFormat(CF_UNICODETEXT);

TEST(SourceDataObject, GivesItsTextAsEightBitAndUtf16TextWithTheirTerminators) {
    const ComPtr<IDataObject> data = SourceData(QString::fromUtf8("Grüße"));
    EXPECT_EQ(data->QueryGetData(&kText), S_OK);
    EXPECT_EQ(data->QueryGetData(&kUnicodeText), S_OK);

    // CF_TEXT: the UTF-8 bytes (7 for five characters) and one zero byte.
    EXPECT_EQ(Fetch(*data.get(), kText), QByteArray("Gr\xC3\xBC\xC3\x9F"
                                                    "e\0",
                                                    8));
    // CF_UNICODETEXT: two bytes per character and a zero character.
    const QByteArray wide = Fetch(*data.get(), kUnicodeText);
    ASSERT_EQ(wide.size(), 2 * 5 + 2);
    EXPECT_EQ(QString::fromUtf16(reinterpret_cast<const char16_t*>(wide.constData())),
              QString::fromUtf8("Grüße"));

    const ComPtr<IDataObject> empty = SourceData("");
    EXPECT_EQ(Fetch(*empty.get(), kText), QByteArray(1, '\0'));
    EXPECT_EQ(Fetch(*empty.get(), kUnicodeText), QByteArray(2, '\0'));
}

TEST(SourceDataObject, RefusesOtherFormatsAspectsAndMedia) {
    const ComPtr<IDataObject> data = SourceData("abc");
    const auto refused = [&data](FORMATETC format) {
        HRESULT result = S_OK;
        Fetch(*data.get(), format, &result);
        return data->QueryGetData(&format) == DV_E_FORMATETC && result == DV_E_FORMATETC;
    };
    EXPECT_TRUE(refused(HGlobalFormat(CF_HDROP)));
    // Rich text is named in the list but never handed out.
    EXPECT_TRUE(refused(HGlobalFormat(RegisterClipboardFormat("Rich Text Format"))));
    FORMATETC icon = HGlobalFormat(CF_TEXT);
    icon.dwAspect = DVASPECT_ICON;
    EXPECT_TRUE(refused(icon));
    FORMATETC eitherMedium = HGlobalFormat(CF_TEXT);
    eitherMedium.tymed = TYMED_HGLOBAL | TYMED_ISTREAM; // global memory only, exactly
    EXPECT_TRUE(refused(eitherMedium));

    STGMEDIUM medium;
    EXPECT_EQ(data->GetDataHere(&kText, &medium), DV_E_FORMATETC);
    EXPECT_EQ(data->SetData(&kText, &medium, FALSE), DV_E_FORMATETC);
    FORMATETC canonical = HGlobalFormat(CF_TEXT);
    canonical.ptd = reinterpret_cast<DVTARGETDEVICE*>(&medium); // stale, overwritten
    EXPECT_EQ(data->GetCanonicalFormatEtc(&kText, &canonical), E_NOTIMPL);
    EXPECT_EQ(canonical.ptd, nullptr);
    DWORD connection = 0;
    EXPECT_EQ(data->DAdvise(&kText, 0, nullptr, &connection), OLE_E_ADVISENOTSUPPORTED);
    EXPECT_EQ(data->DUnadvise(connection), OLE_E_ADVISENOTSUPPORTED);
    auto* advisers = reinterpret_cast<IEnumSTATDATA*>(&medium); // stale, overwritten
    EXPECT_EQ(data->EnumDAdvise(&advisers), OLE_E_ADVISENOTSUPPORTED);
    EXPECT_EQ(advisers, nullptr);
    IEnumFORMATETC* setters = nullptr;
    EXPECT_EQ(data->EnumFormatEtc(DATADIR_SET, &setters), E_NOTIMPL);
    EXPECT_EQ(setters, nullptr);
}

TEST(SourceEnumFormatEtc, ListsTextUnicodeTextAndRichTextInOrder) {
    ComPtr<IEnumFORMATETC> formats;
    ASSERT_EQ(SourceData("x")->EnumFormatEtc(DATADIR_GET, formats.put()), S_OK);
    FORMATETC entries[3];
    ULONG fetched = 9;
    EXPECT_EQ(formats->Next(2, entries, &fetched), S_OK);
    EXPECT_EQ(fetched, 2u);
    EXPECT_EQ(formats->Next(2, entries + 2, &fetched), S_FALSE);
    EXPECT_EQ(fetched, 1u);
    EXPECT_EQ(formats->Next(1, entries, &fetched), S_FALSE);
    EXPECT_EQ(fetched, 0u);
    EXPECT_EQ(entries[0].cfFormat, CF_TEXT);
    EXPECT_EQ(entries[1].cfFormat, CF_UNICODETEXT);
    EXPECT_EQ(entries[2].cfFormat, RegisterClipboardFormat("Rich Text Format"));
    for (const FORMATETC& entry : entries) {
        EXPECT_EQ(entry.ptd, nullptr);
        EXPECT_EQ(entry.dwAspect, DVASPECT_CONTENT);
        EXPECT_EQ(entry.lindex, -1);
        EXPECT_EQ(entry.tymed, TYMED_HGLOBAL);
    }
}

TEST(SourceEnumFormatEtc, SkipsResetsAndClonesItsPosition) {
    const auto formats = ComPtr<TSourceEnumFormatEtc>::Adopt(new TSourceEnumFormatEtc);
    EXPECT_EQ(formats->Skip(2), S_OK);
    EXPECT_EQ(formats->Position(), 2);
    EXPECT_EQ(formats->Skip(1), S_OK);
    EXPECT_EQ(formats->Position(), 3);
    EXPECT_EQ(formats->Skip(1), S_FALSE);
    EXPECT_EQ(formats->Position(), 3);
    EXPECT_EQ(formats->Reset(), S_OK);
    EXPECT_EQ(formats->Skip(5), S_FALSE);
    EXPECT_EQ(formats->Position(), 3);

    formats->Reset();
    formats->Skip(1);
    ComPtr<IEnumFORMATETC> copy;
    ASSERT_EQ(formats->Clone(copy.put()), S_OK);
    FORMATETC entry;
    ASSERT_EQ(copy->Next(1, &entry, nullptr), S_OK);
    EXPECT_EQ(entry.cfFormat, CF_UNICODETEXT); // the clone starts where the original stood
    EXPECT_EQ(formats->Position(), 1);         // and moves on its own
}

TEST(OleObjects, AreDeletedWhenTheirLastReferenceGoes) {
    struct Probe : TAEDropTarget {
        explicit Probe(bool& gone) : gone_(gone) {}
        ~Probe() override { gone_ = true; }
        bool& gone_;
    };
    bool gone = false;
    IDropTarget* target = new Probe(gone);
    EXPECT_EQ(target->AddRef(), 2u);
    void* asked = nullptr;
    EXPECT_EQ(target->QueryInterface(IDropTarget::iid, &asked), S_OK);
    EXPECT_EQ(asked, target);
    EXPECT_EQ(target->QueryInterface(IDataObject::iid, &asked), E_NOINTERFACE);
    EXPECT_EQ(asked, nullptr);
    EXPECT_EQ(target->Release(), 2u);
    // The analyzer cannot follow the atomic count, so it takes any release for the last.
    // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDelete): two references are left
    EXPECT_EQ(target->Release(), 1u);
    EXPECT_FALSE(gone);
    // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDelete): the last reference goes here
    EXPECT_EQ(target->Release(), 0u);
    EXPECT_TRUE(gone);
}

TEST(EnumFormats, ReadsTextAndFileNamesOfAForeignDataObject) {
    QMimeData mime;
    mime.setText("one\r\ntwo");
    mime.setUrls({QUrl::fromLocalFile("/home/u/a.txt"), QUrl::fromLocalFile("/home/u/b c")});
    const auto data = Incoming(mime);
    TEnumFormats formats(data.get());
    EXPECT_NE(RichTextFormat(), 0); // registered by the reader
    EXPECT_TRUE(formats.HasFormat(CF_HDROP));
    EXPECT_TRUE(formats.Valid());
    EXPECT_EQ(formats.Current().cfFormat, CF_HDROP);
    EXPECT_TRUE(formats.HasFormat(CF_TEXT));
    EXPECT_EQ(formats.Text(), "one\r\ntwo");
    EXPECT_TRUE(formats.FileNames());
    EXPECT_EQ(formats.Files(), (QStringList{"/home/u/a.txt", "/home/u/b c"}));
    EXPECT_FALSE(formats.HasFormat(RichTextFormat()));
    EXPECT_FALSE(formats.Valid());
    EXPECT_EQ(formats.GlobalData(), nullptr);

    QMimeData textOnly;
    textOnly.setText("t");
    TEnumFormats noFiles(Incoming(textOnly).get());
    EXPECT_FALSE(noFiles.FileNames());
    EXPECT_TRUE(noFiles.Files().isEmpty());
}

TEST(EnumFormats, ADataObjectWithoutFormatListFailsTheAssertion) {
    const auto data = ComPtr<IDataObject>::Adopt(new NoEnumerator);
    try {
        TEnumFormats formats(data.get());
        FAIL() << "no assertion";
    } catch (const Error& failure) {
        EXPECT_STREQ(failure.what(), "Cannot get the format enumerator");
    }
}

// Writes down what the drop target hands on.
class RecordingTarget : public TAEDropTarget {
public:
    QStringList dropped;
    QList<QPoint> points;
    bool allowMoves = true;

protected:
    void DropText(const QPoint& point, const QString& text) override {
        dropped << "text:" + text;
        points << point;
    }
    void DropRtf(const QPoint&, const QString& text) override { dropped << "rtf:" + text; }
    void DropFiles(const QPoint&, const QStringList& files) override {
        dropped << "files:" + files.join('|');
    }
    void DragMouseMove(const QPoint&, bool& allow) override {
        EXPECT_TRUE(allow);
        allow = allowMoves;
    }
};

class AEDropTarget : public ::testing::Test {
protected:
    DWORD Enter(const QMimeData& mime, DWORD keyState) {
        DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        EXPECT_EQ(target->DragEnter(Incoming(mime).get(), keyState, {}, &effect), S_OK);
        return effect;
    }
    DWORD Over(DWORD keyState) {
        DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        EXPECT_EQ(target->DragOver(keyState, {}, &effect), S_OK);
        return effect;
    }
    DWORD Drop(const QMimeData& mime, DWORD keyState, POINTL at = {}) {
        DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        EXPECT_EQ(target->Drop(Incoming(mime).get(), keyState, at, &effect), S_OK);
        return effect;
    }

    ComPtr<RecordingTarget> target = ComPtr<RecordingTarget>::Adopt(new RecordingTarget);
};

TEST_F(AEDropTarget, TextOrFilesMoveAndCopyWithControl) {
    QMimeData text;
    text.setText("t");
    EXPECT_EQ(Enter(text, MK_LBUTTON), DROPEFFECT_MOVE);
    EXPECT_EQ(Enter(text, MK_LBUTTON | MK_CONTROL), DROPEFFECT_COPY);
    EXPECT_EQ(Enter(text, MK_LBUTTON | MK_SHIFT), DROPEFFECT_MOVE);
    EXPECT_EQ(Over(MK_LBUTTON | MK_CONTROL | MK_SHIFT), DROPEFFECT_COPY);
    EXPECT_EQ(Over(MK_LBUTTON | MK_ALT), DROPEFFECT_MOVE);

    QMimeData files;
    files.setUrls({QUrl::fromLocalFile("/f")});
    EXPECT_EQ(Enter(files, 0), DROPEFFECT_MOVE);

    QMimeData other;
    other.setData("text/rtf", "{\\rtf1 r}");
    other.setData("image/png", "png");
    EXPECT_EQ(Enter(other, MK_CONTROL), DROPEFFECT_NONE);
    EXPECT_FALSE(target->Acceptable());
    EXPECT_EQ(Over(MK_CONTROL), DROPEFFECT_NONE); // remembered from the enter
    EXPECT_EQ(Drop(other, MK_CONTROL), DROPEFFECT_NONE);
    EXPECT_TRUE(target->dropped.isEmpty());
}

TEST_F(AEDropTarget, AMoveThatIsNotAllowedRefusesTheDropThere) {
    QMimeData text;
    text.setText("t");
    Enter(text, 0);
    target->allowMoves = false;
    EXPECT_EQ(Over(0), DROPEFFECT_NONE);
    target->allowMoves = true;
    EXPECT_EQ(Over(0), DROPEFFECT_MOVE);
}

TEST_F(AEDropTarget, ADropHandsOnTheTextThenTheFilesButNeverRichText) {
    QMimeData mime;
    mime.setText("hello");
    mime.setUrls({QUrl::fromLocalFile("/a"), QUrl::fromLocalFile("/b")});
    mime.setData("text/rtf", "{\\rtf1 r}");
    Enter(mime, MK_LBUTTON);
    EXPECT_EQ(Drop(mime, MK_CONTROL, {300, 400}), DROPEFFECT_COPY); // the keys at the drop
    EXPECT_EQ(target->dropped, (QStringList{"text:hello", "files:/a|/b"}));
    EXPECT_EQ(target->points, QList<QPoint>{QPoint(300, 400)});
    EXPECT_EQ(target->DragLeave(), S_OK);
}

TEST_F(AEDropTarget, AForeignObjectWithoutFormatListFailsInsideTheCall) {
    const auto data = ComPtr<IDataObject>::Adopt(new NoEnumerator);
    DWORD effect = DROPEFFECT_MOVE;
    EXPECT_THROW(target->DragEnter(data.get(), 0, {}, &effect), Error);
}

TEST(AEDropSource, EscapeCancelsTheLeftButtonGoesOnItsReleaseDrops) {
    const auto source = ComPtr<TAEDropSource>::Adopt(new TAEDropSource);
    EXPECT_EQ(source->QueryContinueDrag(TRUE, MK_LBUTTON), DRAGDROP_S_CANCEL);
    EXPECT_EQ(source->QueryContinueDrag(FALSE, MK_LBUTTON | MK_CONTROL), S_OK);
    EXPECT_EQ(source->QueryContinueDrag(FALSE, MK_RBUTTON), DRAGDROP_S_DROP);
    EXPECT_FALSE(source->LastEffectNone());
    EXPECT_EQ(source->GiveFeedback(DROPEFFECT_NONE), DRAGDROP_S_USEDEFAULTCURSORS);
    EXPECT_TRUE(source->LastEffectNone());
    EXPECT_EQ(source->GiveFeedback(DROPEFFECT_COPY), DRAGDROP_S_USEDEFAULTCURSORS);
    EXPECT_FALSE(source->LastEffectNone());
}

// Replaces the drag for one test: gives the source a feedback, then answers.
class ScriptedDrag {
public:
    ScriptedDrag(DWORD feedback, HRESULT answer, DWORD effect)
        : previous_(SetDragDropHandler(
              [=, this](IDataObject* data, IDropSource* source, DWORD allowed, DWORD* out) {
                  allowed_ = allowed;
                  text_ = QString::fromLocal8Bit(ZeroTerminatedBytes(HGlobalOf(*data)));
                  source->GiveFeedback(feedback);
                  *out = effect;
                  return answer;
              })) {}
    ~ScriptedDrag() {
        SetDragDropHandler(std::move(previous_));
        GlobalFree(memory_);
    }
    DWORD allowed_ = 0;
    QString text_;

private:
    HGLOBAL HGlobalOf(IDataObject& data) {
        STGMEDIUM medium;
        const FORMATETC ask = HGlobalFormat(CF_TEXT);
        EXPECT_EQ(data.GetData(&ask, &medium), S_OK);
        return memory_ = medium.hGlobal;
    }
    DragDropHandler previous_;
    HGLOBAL memory_ = nullptr;
};

// Drags want drag and drop started on the thread.
class OleDrag : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr))); }
    void TearDown() override { OleUninitialize(); }
};

TEST_F(OleDrag, DragsTheTextAndGivesUpWhereTheTargetLastRefused) {
    {
        ScriptedDrag drag(DROPEFFECT_MOVE, DRAGDROP_S_DROP, DROPEFFECT_MOVE);
        DWORD effect = DROPEFFECT_NONE;
        EXPECT_EQ(StartOleDrag("word", "", DROPEFFECT_COPY | DROPEFFECT_MOVE, effect),
                  DRAGDROP_S_DROP);
        EXPECT_EQ(effect, DROPEFFECT_MOVE);
        EXPECT_EQ(drag.text_, "word");
        EXPECT_EQ(drag.allowed_, DROPEFFECT_COPY | DROPEFFECT_MOVE);
    }
    {
        ScriptedDrag drag(DROPEFFECT_NONE, DRAGDROP_S_DROP, DROPEFFECT_MOVE);
        DWORD effect = DROPEFFECT_NONE;
        EXPECT_EQ(StartOleDrag("word", "", DROPEFFECT_COPY, effect), DRAGDROP_S_CANCEL);
    }
}

TEST(OleStartCheck, OnlySuccessPasses) {
    EXPECT_NO_THROW(CheckOleInitialize(S_OK));
    EXPECT_NO_THROW(CheckOleInitialize(S_FALSE));
    try {
        CheckOleInitialize(E_UNEXPECTED);
        FAIL() << "no assertion";
    } catch (const Error& failure) {
        EXPECT_STREQ(failure.what(), "OleInitialize failed ($8000ffff)");
    }
}

} // namespace
} // namespace maskwell
