// SPDX-License-Identifier: MIT
#include "platform/dragdrop/OleFormats.h"
#include "platform/dragdrop/OleMemory.h"
#include "platform/dragdrop/OleMimeData.h"

#include <QMimeData>
#include <QUrl>
#include <cstring>
#include <gtest/gtest.h>

namespace maskwell {
namespace {

// An object that only counts its references, to see who releases it.
class CountedObject : public TComObject<IUnknown> {
public:
    ULONG Count() {
        AddRef();
        return Release();
    }
};

QByteArray BytesOf(HGLOBAL memory) {
    const void* start = GlobalLock(memory);
    QByteArray bytes(static_cast<const char*>(start), static_cast<qsizetype>(GlobalSize(memory)));
    GlobalUnlock(memory);
    return bytes;
}

QByteArray Fetch(IDataObject& data, CLIPFORMAT format, HRESULT* result = nullptr) {
    const FORMATETC ask = HGlobalFormat(format);
    STGMEDIUM medium;
    const HRESULT answer = data.GetData(&ask, &medium);
    if (result)
        *result = answer;
    if (answer != S_OK)
        return {};
    QByteArray bytes = BytesOf(medium.hGlobal);
    ReleaseStgMedium(&medium);
    return bytes;
}

QList<CLIPFORMAT> FormatsOf(IDataObject& data) {
    ComPtr<IEnumFORMATETC> formats;
    EXPECT_EQ(data.EnumFormatEtc(DATADIR_GET, formats.put()), S_OK);
    QList<CLIPFORMAT> ids;
    FORMATETC entry;
    while (formats && formats->Next(1, &entry, nullptr) == S_OK)
        ids << entry.cfFormat;
    return ids;
}

TEST(OleGlobalMemory, BlocksStartZeroedAndCountTheirLocks) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, 6);
    ASSERT_NE(memory, nullptr);
    EXPECT_EQ(GlobalSize(memory), 6u);
    auto* first = static_cast<char*>(GlobalLock(memory));
    EXPECT_EQ(QByteArray(first, 6), QByteArray(6, '\0'));
    // NOLINTNEXTLINE(bugprone-not-null-terminated-result): bytes, not a C string
    std::memcpy(first, "abc", 3);
    EXPECT_EQ(GlobalLock(memory), first); // blocks never move
    EXPECT_EQ(GlobalUnlock(memory), TRUE);
    EXPECT_EQ(GlobalUnlock(memory), FALSE);
    EXPECT_EQ(GlobalUnlock(memory), FALSE); // not locked any more
    EXPECT_EQ(BytesOf(memory).left(4), QByteArray("abc\0", 4));
    EXPECT_EQ(GlobalFree(memory), nullptr);
    EXPECT_EQ(GlobalLock(nullptr), nullptr);
    EXPECT_EQ(GlobalSize(nullptr), 0u);
}

TEST(OleGlobalMemory, ReleasingAMediumFreesItsMemoryOrReleasesItsOwner) {
    STGMEDIUM medium;
    medium.tymed = TYMED_HGLOBAL;
    medium.hGlobal = GlobalFromBytes("x");
    ReleaseStgMedium(&medium); // the leak check sees a block left behind
    EXPECT_EQ(medium.tymed, TYMED_NULL);
    EXPECT_EQ(medium.hGlobal, nullptr);

    auto* owner = new CountedObject;
    HGLOBAL shared = GlobalFromBytes("y");
    medium.tymed = TYMED_HGLOBAL;
    medium.hGlobal = shared;
    medium.pUnkForRelease = owner;
    owner->AddRef();
    ReleaseStgMedium(&medium);
    EXPECT_EQ(owner->Count(), 1u);
    EXPECT_EQ(BytesOf(shared), QByteArray("y")); // the owner's, still there
    GlobalFree(shared);
    // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDelete): the atomic count is 1 here, not 0
    EXPECT_EQ(owner->Release(), 0u);
}

TEST(OleClipboardFormats, NamesRegisterOnceWhateverTheirCase) {
    const CLIPFORMAT rtf = RegisterClipboardFormat("Rich Text Format");
    EXPECT_GE(rtf, 0xC000);
    EXPECT_EQ(RegisterClipboardFormat("RICH TEXT FORMAT"), rtf);
    const CLIPFORMAT other = RegisterClipboardFormat("Maskwell Test Format");
    EXPECT_NE(other, rtf);
    EXPECT_GE(other, 0xC000);
    EXPECT_EQ(ClipboardFormatName(rtf), "Rich Text Format");
    EXPECT_EQ(ClipboardFormatName(CF_TEXT), "");
    EXPECT_EQ(RegisterClipboardFormat(""), 0);
}

TEST(OleMimeDataObject, PlainTextComesAsUtf16AndAsEightBitText) {
    QMimeData mime;
    mime.setText(QString::fromUtf8("Grüße\nzwei"));
    const auto data = ComPtr<TMimeDataObject>::Adopt(new TMimeDataObject(&mime));
    EXPECT_EQ(FormatsOf(*data.get()), (QList<CLIPFORMAT>{CF_UNICODETEXT, CF_TEXT}));
    EXPECT_EQ(Fetch(*data.get(), CF_TEXT), QByteArray("Gr\xC3\xBC\xC3\x9F"
                                                      "e\nzwei",
                                                      12) +
                                               QByteArray(1, '\0'));
    const QByteArray wide = Fetch(*data.get(), CF_UNICODETEXT);
    ASSERT_EQ(wide.size(), 10 * 2 + 2);
    EXPECT_EQ(QString::fromUtf16(reinterpret_cast<const char16_t*>(wide.constData()), 10),
              QString::fromUtf8("Grüße\nzwei"));
    EXPECT_EQ(wide.right(2), QByteArray(2, '\0'));
    HRESULT result = S_OK;
    Fetch(*data.get(), CF_HDROP, &result);
    EXPECT_EQ(result, DV_E_FORMATETC);
}

TEST(OleMimeDataObject, LocalFilesComeAsDropFilesAndOtherAddressesNot) {
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile("/tmp/a b.txt"), QUrl("https://example.com/x"),
                  QUrl::fromLocalFile("/tmp/ü")});
    const auto data = ComPtr<TMimeDataObject>::Adopt(new TMimeDataObject(&mime));
    EXPECT_EQ(FormatsOf(*data.get()), QList<CLIPFORMAT>{CF_HDROP});
    const FORMATETC ask = HGlobalFormat(CF_HDROP);
    STGMEDIUM medium;
    ASSERT_EQ(data->GetData(&ask, &medium), S_OK);
    EXPECT_EQ(DropFilesNames(medium.hGlobal), (QStringList{"/tmp/a b.txt", "/tmp/ü"}));
    ReleaseStgMedium(&medium);

    QMimeData web;
    web.setUrls({QUrl("https://example.com/x")});
    const auto remote = ComPtr<TMimeDataObject>::Adopt(new TMimeDataObject(&web));
    EXPECT_TRUE(FormatsOf(*remote.get()).isEmpty());
}

TEST(OleMimeDataObject, QtDataSurvivesTheWayThroughADataObjectAndBack) {
    QMimeData mime;
    mime.setText(QString::fromUtf8("Zeile ü"));
    mime.setUrls({QUrl::fromLocalFile("/srv/data/file.txt")});
    mime.setData("text/rtf", "{\\rtf1 x}");
    const auto data = ComPtr<TMimeDataObject>::Adopt(new TMimeDataObject(&mime));
    const std::unique_ptr<QMimeData> back = MimeDataFromDataObject(data.get());
    EXPECT_EQ(back->text(), QString::fromUtf8("Zeile ü"));
    EXPECT_EQ(back->urls(), QList<QUrl>{QUrl::fromLocalFile("/srv/data/file.txt")});
    EXPECT_EQ(back->data("text/rtf"), QByteArray("{\\rtf1 x}"));
    EXPECT_TRUE(MimeDataFromDataObject(nullptr)->formats().isEmpty());
}

TEST(OleDropFiles, NamesAreReadFromTheirOffsetInEitherWidthUpToAnEmptyName) {
    DROPFILES head;
    head.pFiles = sizeof head + 4; // names need not follow the head at once
    head.fWide = FALSE;
    QByteArray narrow(reinterpret_cast<const char*>(&head), sizeof head);
    narrow += QByteArray("xxxx/a\0/b\0\0/c\0", 14);
    HGLOBAL memory = GlobalFromBytes(narrow);
    EXPECT_EQ(DropFilesNames(memory), (QStringList{"/a", "/b"}));
    GlobalFree(memory);

    memory = DropFilesBlock({"/x/ä", "/y"});
    EXPECT_EQ(DropFilesNames(memory), (QStringList{"/x/ä", "/y"}));
    EXPECT_EQ(GlobalSize(memory), sizeof(DROPFILES) + std::size_t{5 + 3 + 1} * 2);
    GlobalFree(memory);

    memory = GlobalFromBytes("short");
    EXPECT_TRUE(DropFilesNames(memory).isEmpty());
    GlobalFree(memory);
}

} // namespace
} // namespace maskwell
