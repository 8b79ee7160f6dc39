// SPDX-License-Identifier: MIT
#include "controls/advedit/AdvEditLookup.h"

#include "controls/advedit/AdvEdit.h"
#include "platform/Fonts.h"
#include "tests/controls/advedit/AdvEditFixture.h"

#include <QFontMetrics>
#include <QListWidget>
#include <QSignalSpy>

namespace maskwell {
namespace {

const QStringList kCities{"Berlin", "Bern", "Bonn"};

// --- The rules, without a window ---------------------------------------------

QStringList Texts(const std::vector<LookupEntry>& entries) {
    QStringList texts;
    for (const LookupEntry& entry : entries)
        texts << entry.text;
    return texts;
}

TEST(AdvEditLookupRules, PrefixMatchWithAndWithoutCase) {
    EXPECT_EQ(Texts(LookupMatches(kCities, "Be", false)), (QStringList{"Berlin", "Bern"}));
    EXPECT_EQ(Texts(LookupMatches(kCities, "bE", false)), (QStringList{"Berlin", "Bern"}));
    EXPECT_TRUE(LookupMatches(kCities, "bE", true).empty());
    EXPECT_EQ(Texts(LookupMatches(kCities, "Bo", true)), QStringList{"Bonn"});
    EXPECT_EQ(LookupMatches(kCities, "Bo", true).front().index, 2);
    EXPECT_TRUE(LookupMatches(kCities, "Bonna", false).empty()); // longer than the entry
    // Only ASCII letters fold: "ü" and "Ü" stay apart.
    EXPECT_TRUE(LookupMatches({"Über"}, QString::fromUtf8("üb"), false).empty());
}

TEST(AdvEditLookupRules, SortedWithoutRegardToCaseKeepingTheIndexes) {
    std::vector<LookupEntry> entries{{"bonn", 0}, {"Bern", 1}, {"Aachen", 2}, {"bern", 3}};
    SortLookupEntries(entries);
    const std::vector<LookupEntry> expected{{"Aachen", 2}, {"Bern", 1}, {"bern", 3}, {"bonn", 0}};
    EXPECT_EQ(entries, expected);
}

TEST(AdvEditLookupRules, WidthFollowsTheWidestEntryFromFiftyPixelsOn) {
    EXPECT_EQ(LookupListWidth({20, 31}), 60);
    EXPECT_EQ(LookupListWidth({20, 131, 90}), 141);
}

// --- The list under a real field ----------------------------------------------

class AdvEditLookup : public test::AdvEditWindow {
protected:
    void SetUp() override {
        AdvEditWindow::SetUp();
        // A line of this font is 12 pixels, the rows' least height.
        edit->setFont(PixelFont("Arial", 11));
        edit->Lookup().SetEnabled(true);
        edit->Lookup().SetDisplayList(kCities);
        ASSERT_TRUE(FocusEdit());
    }

    TListHintWindow* Popup() const { return edit->findChild<TListHintWindow*>(); }
    bool Shown() const { return Popup() && Popup()->isVisible(); }
    QListWidget* List() const { return Popup()->ListControl(); }
    QStringList Rows() const {
        QStringList rows;
        for (int i = 0; i < List()->count(); ++i)
            rows << List()->item(i)->text();
        return rows;
    }
    int Row() const { return List()->currentRow(); }
    void Type(const char* text) { QTest::keyClicks(edit, text); }
    void Key(Qt::Key key) { QTest::keyClick(edit, key); }
};

TEST_F(AdvEditLookup, DisabledLookupNeverShows) {
    edit->Lookup().SetEnabled(false);
    Type("Be");
    EXPECT_FALSE(Shown());
}

TEST_F(AdvEditLookup, OffersMatchesFromTheSecondCharacterOn) {
    Type("B");
    EXPECT_FALSE(Shown());
    Type("e");
    ASSERT_TRUE(Shown());
    EXPECT_EQ(Rows(), (QStringList{"Berlin", "Bern"}));
    EXPECT_EQ(Row(), 0);
    EXPECT_TRUE(List()->currentItem()->isSelected());
    EXPECT_TRUE(edit->hasFocus()); // typing goes on in the field
    // Right under the field, in its font.
    EXPECT_EQ(Popup()->geometry(), QRect(edit->mapToGlobal(QPoint(0, 21)), QSize(60, 28)));
    EXPECT_EQ(List()->font(), edit->font());

    Key(Qt::Key_Backspace);
    EXPECT_FALSE(Shown());
}

TEST_F(AdvEditLookup, CaseOnlyMattersWhenCaseSensitive) {
    Type("bE");
    EXPECT_TRUE(Shown());
    EXPECT_EQ(Rows(), (QStringList{"Berlin", "Bern"}));
    edit->SetText("");
    edit->Lookup().SetCaseSensitive(true);
    Type("bE");
    EXPECT_FALSE(Shown());
}

TEST_F(AdvEditLookup, HeightFollowsTheMatchesUpToDisplayCount) {
    edit->Lookup().SetNumChars(1);
    Type("B");
    ASSERT_TRUE(Shown());
    EXPECT_EQ(Popup()->height(), 40);
    edit->SetText("");
    edit->Lookup().SetDisplayList({"Ba1", "Ba2", "Ba3", "Ba4", "Ba5"});
    Type("B");
    ASSERT_TRUE(Shown());
    EXPECT_EQ(List()->count(), 5);
    EXPECT_EQ(Popup()->height(), 52);
}

TEST_F(AdvEditLookup, RowsAndWidthFollowALargerFont) {
    const QFont large = PixelFont("DejaVu Sans", 20);
    edit->setFont(large);
    Type("Be");
    ASSERT_TRUE(Shown());
    const QFontMetrics metrics(large);
    ASSERT_GT(metrics.height(), kLookupRowHeight);
    EXPECT_EQ(List()->visualItemRect(List()->item(0)).height(), metrics.height());
    EXPECT_EQ(Popup()->height(), 2 * metrics.height() + 4);
    EXPECT_GE(Popup()->width(), 10 + metrics.horizontalAdvance("Berlin"));
}

TEST_F(AdvEditLookup, ChoiceTakesThePartnerFromTheValueListByIndex) {
    // Listed out of order: the partner goes with the entry, not with its row.
    edit->Lookup().SetDisplayList({"Bern", "Berlin", "Bonn"});
    edit->Lookup().SetValueList({"BRN", "BER"});
    const QSignalSpy selected(edit, &TAdvEdit::LookupSelected);
    Type("Be");
    ASSERT_EQ(Rows(), (QStringList{"Berlin", "Bern"}));
    Key(Qt::Key_Down);
    Key(Qt::Key_Return);
    EXPECT_FALSE(Shown());
    EXPECT_EQ(edit->Text(), "BRN");
    EXPECT_EQ(edit->selectedText(), "BRN");

    edit->SetText("");
    Type("Bo");
    Key(Qt::Key_Return);
    EXPECT_EQ(edit->Text(), "Bonn"); // index 2 has no partner
    ASSERT_EQ(selected.count(), 2);
    EXPECT_EQ(selected[0][0].toString(), "BRN");
    EXPECT_EQ(selected[1][0].toString(), "Bonn");
}

TEST_F(AdvEditLookup, OnLookupSelectMayReplaceTheChoice) {
    QString offered;
    edit->OnLookupSelect = [&](QObject*, QString& value) {
        offered = value;
        value = value.toUpper();
    };
    const QSignalSpy selected(edit, &TAdvEdit::LookupSelected);
    Type("Bo");
    Key(Qt::Key_Enter);
    EXPECT_EQ(offered, "Bonn");
    EXPECT_EQ(edit->Text(), "BONN");
    ASSERT_EQ(selected.count(), 1);
    EXPECT_EQ(selected[0][0].toString(), "BONN");
}

TEST_F(AdvEditLookup, ListKeysMoveThroughTenEntries) {
    QStringList ten;
    for (int i = 0; i < 10; ++i)
        ten << QString("Ab%1").arg(i);
    edit->Lookup().SetDisplayList(ten);
    Type("Ab");
    ASSERT_EQ(List()->count(), 10);
    Key(Qt::Key_PageDown);
    EXPECT_EQ(Row(), 4);
    Key(Qt::Key_Up);
    EXPECT_EQ(Row(), 3);
    for (int i = 0; i < 4; ++i)
        Key(Qt::Key_Down);
    EXPECT_EQ(Row(), 7);
    Key(Qt::Key_PageDown);
    EXPECT_EQ(Row(), 9);
    Key(Qt::Key_Down);
    EXPECT_EQ(Row(), 9);
    Key(Qt::Key_PageUp);
    EXPECT_EQ(Row(), 5);
    Key(Qt::Key_Home);
    EXPECT_EQ(Row(), 0);
    Key(Qt::Key_Up);
    EXPECT_EQ(Row(), 0);
    Key(Qt::Key_End);
    EXPECT_EQ(Row(), 9);
    // The field itself did not move its caret on the list's keys.
    EXPECT_EQ(edit->Text(), "Ab");
    EXPECT_EQ(edit->cursorPosition(), 2);
    Key(Qt::Key_Return);
    EXPECT_EQ(edit->Text(), "Ab9");
}

TEST_F(AdvEditLookup, AClickInTheListChooses) {
    Type("Be");
    ASSERT_TRUE(Shown());
    QListWidget* list = List();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(1)).center());
    EXPECT_FALSE(Shown());
    EXPECT_EQ(edit->Text(), "Bern");
    EXPECT_TRUE(edit->hasFocus());
}

TEST_F(AdvEditLookup, FocusExitAndEscapeHideTheList) {
    Type("Be");
    ASSERT_TRUE(Shown());
    ASSERT_TRUE(FocusOn(next));
    EXPECT_FALSE(Shown());

    ASSERT_TRUE(FocusEdit());
    edit->setCursorPosition(2);
    Type("r");
    ASSERT_TRUE(Shown());
    Key(Qt::Key_Escape);
    EXPECT_FALSE(Shown());
    EXPECT_EQ(edit->Text(), "Ber"); // closing the list undid nothing
    Key(Qt::Key_Escape);
    EXPECT_EQ(edit->Text(), "Be"); // the next one does
}

} // namespace
} // namespace maskwell
