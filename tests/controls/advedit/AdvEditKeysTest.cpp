// SPDX-License-Identifier: MIT
#include "controls/advedit/AdvEdit.h"
#include "tests/controls/advedit/AdvEditFixture.h"

#include <QKeyEvent>

namespace maskwell {
namespace {

using AdvEditKeys = test::AdvEditWindow;

// Records the key presses that reach a widget.
class KeyRecorder : public QObject {
public:
    explicit KeyRecorder(QWidget* widget) { widget->installEventFilter(this); }
    QList<int> presses;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress)
            presses << static_cast<QKeyEvent*>(event)->key();
        return false;
    }
};

TEST_F(AdvEditKeys, FullDecimalPartRefusesMoreDigitsButIsTypedOver) {
    edit->SetEditType(etFloat);
    edit->SetPrecision(2);
    edit->SetText("12.34");
    edit->setCursorPosition(5);
    QTest::keyClick(edit, '5');
    EXPECT_EQ(edit->Text(), "12.34");
    edit->setCursorPosition(4);
    QTest::keyClick(edit, '9');
    EXPECT_EQ(edit->Text(), "12.39");
    EXPECT_EQ(edit->cursorPosition(), 5);
}

TEST_F(AdvEditKeys, DecimalSeparatorRulesOfTheFloatType) {
    edit->SetEditType(etFloat);
    edit->SetText("12");
    edit->setCursorPosition(2);
    QTest::keyClick(edit, '.');
    EXPECT_EQ(edit->Text(), "12"); // precision 0: no decimals
    edit->SetPrecision(2);
    edit->SetText("");
    QTest::keyClick(edit, '.');
    EXPECT_EQ(edit->Text(), "0.");
    EXPECT_EQ(edit->cursorPosition(), 2);
    EXPECT_TRUE(edit->Modified());
    QTest::keyClicks(edit, "5");
    edit->setCursorPosition(0);
    QTest::keyClick(edit, '.'); // a second one only moves the caret behind the first
    EXPECT_EQ(edit->Text(), "0.5");
    EXPECT_EQ(edit->cursorPosition(), 2);
}

TEST_F(AdvEditKeys, MinusTogglesTheSignOfSignedNumbersOnly) {
    edit->SetEditType(etNumeric);
    edit->SetText("12");
    edit->setCursorPosition(2);
    QTest::keyClick(edit, '-');
    EXPECT_EQ(edit->Text(), "12");
    edit->SetSigned(true);
    QTest::keyClick(edit, '-');
    EXPECT_EQ(edit->Text(), "-12");
    EXPECT_EQ(edit->cursorPosition(), 3);
    QTest::keyClick(edit, '-');
    EXPECT_EQ(edit->Text(), "12");
    EXPECT_EQ(edit->cursorPosition(), 2);
    QTest::keyClick(edit, 'x');
    EXPECT_EQ(edit->Text(), "12");
}

TEST_F(AdvEditKeys, MoneyRegroupsWhileTyping) {
    edit->SetEditType(etMoney);
    edit->SetPrecision(2);
    edit->SetText("");
    QTest::keyClicks(edit, "123");
    EXPECT_EQ(edit->Text(), "123");
    QTest::keyClick(edit, '4');
    EXPECT_EQ(edit->Text(), "1,234");
    EXPECT_EQ(edit->cursorPosition(), 5);
    QTest::keyClicks(edit, "567.8");
    EXPECT_EQ(edit->Text(), "1,234,567.8");
    QTest::keyClick(edit, ',');
    EXPECT_EQ(edit->Text(), "1,234,567.8");
}

TEST_F(AdvEditKeys, ThousandSeparatorsOnlyThreePlacesApart) {
    edit->SetEditType(etFloat);
    edit->SetPrecision(-1);
    edit->SetText("1,234");
    edit->setCursorPosition(5);
    QTest::keyClick(edit, ',');
    EXPECT_EQ(edit->Text(), "1,234,");
    edit->SetText("1,23");
    edit->setCursorPosition(4);
    QTest::keyClick(edit, ',');
    EXPECT_EQ(edit->Text(), "1,23");
}

TEST_F(AdvEditKeys, RangeSeparatorsNeverFollowEachOther) {
    edit->SetEditType(etRange);
    edit->SetText("1-5");
    edit->setCursorPosition(2);
    QTest::keyClick(edit, ';');
    EXPECT_EQ(edit->Text(), "1-5");
    edit->setCursorPosition(3);
    QTest::keyClick(edit, ',');
    QTest::keyClicks(edit, "7x");
    EXPECT_EQ(edit->Text(), "1-5,7");
}

TEST_F(AdvEditKeys, FullLengthMovesTheFocusOnAndRefusesMore) {
    edit->SetEditType(etNumeric);
    edit->SetText("");
    edit->SetLengthLimit(3);
    edit->SetTabOnFullLength(true);
    ASSERT_TRUE(FocusEdit());
    QTest::keyClicks(edit, "12");
    DeliverPostedEvents();
    EXPECT_TRUE(edit->hasFocus());
    QTest::keyClick(edit, '3');
    EXPECT_TRUE(QTest::qWaitFor([this] { return next->hasFocus(); }, 2000));
    QTest::keyClick(edit, '4');
    EXPECT_EQ(edit->Text(), "123");
}

TEST_F(AdvEditKeys, PrefixKeepsTheCaretBehindIt) {
    edit->SetPrefix("$");
    edit->SetText("12");
    edit->setCursorPosition(3);
    QTest::keyClick(edit, Qt::Key_Home);
    EXPECT_EQ(edit->cursorPosition(), 1);
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), "$12");
    QTest::keyClick(edit, Qt::Key_Left);
    EXPECT_EQ(edit->cursorPosition(), 1);
    QTest::keyClick(edit, Qt::Key_Right);
    QTest::keyClick(edit, Qt::Key_Backspace); // the first value character goes
    EXPECT_EQ(edit->text(), "$2");
    QTest::keyClick(edit, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(edit->cursorPosition(), 1);
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClick(edit, Qt::Key_Home, Qt::ShiftModifier);
    EXPECT_EQ(edit->selectedText(), "2");
    EXPECT_EQ(edit->cursorPosition(), 1);
}

TEST_F(AdvEditKeys, SuffixStopsTheCaretAtTheValuesEnd) {
    edit->SetSuffix(" kg");
    edit->SetText("12");
    edit->setCursorPosition(0);
    QTest::keyClick(edit, Qt::Key_End);
    EXPECT_EQ(edit->cursorPosition(), 2);
    QTest::keyClick(edit, Qt::Key_Right);
    EXPECT_EQ(edit->cursorPosition(), 2);
    QTest::keyClick(edit, Qt::Key_Delete);
    EXPECT_EQ(edit->text(), "12 kg");
    edit->setCursorPosition(0);
    QTest::keyClick(edit, Qt::Key_End, Qt::ShiftModifier);
    EXPECT_EQ(edit->selectedText(), "12");
    QTest::keyClick(edit, Qt::Key_Delete);
    EXPECT_EQ(edit->text(), " kg");
}

TEST_F(AdvEditKeys, EscapeRestoresTheValueOfFocusEntry) {
    edit->SetText("abc");
    ASSERT_TRUE(FocusEdit());
    edit->setCursorPosition(3);
    QTest::keyClicks(edit, "def");
    EXPECT_TRUE(edit->Modified());
    KeyRecorder parent(&window);
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(edit->Text(), "abc");
    EXPECT_EQ(edit->selectedText(), "abc");
    EXPECT_FALSE(edit->Modified());
    DeliverPostedEvents();
    EXPECT_EQ(parent.presses, QList<int>{Qt::Key_Escape}); // heard once, as posted
}

TEST_F(AdvEditKeys, EscapeWithoutUndoLeavesTheEditAndPassesTheKeyOn) {
    edit->SetCanUndo(false);
    edit->SetText("abc");
    ASSERT_TRUE(FocusEdit());
    edit->setCursorPosition(3);
    QTest::keyClicks(edit, "def");
    KeyRecorder parent(&window);
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(edit->Text(), "abcdef");
    DeliverPostedEvents();
    EXPECT_EQ(parent.presses, QList<int>{Qt::Key_Escape});
}

TEST_F(AdvEditKeys, EnterTypesNothingAndReachesKeyPressAndTheParent) {
    edit->SetText("ab");
    ASSERT_TRUE(FocusEdit());
    QList<QChar> pressed;
    edit->OnKeyPress = [&](QObject*, QChar& key) {
        pressed << key;
        key = u'x'; // of no consequence for Enter
    };
    KeyRecorder parent(&window);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(edit->Text(), "ab");
    EXPECT_EQ(pressed, QList<QChar>{QChar(13)});
    DeliverPostedEvents();
    EXPECT_EQ(parent.presses, QList<int>{Qt::Key_Return});
    EXPECT_TRUE(edit->hasFocus());
}

TEST_F(AdvEditKeys, EnterMovesOnWhenReturnIsTab) {
    edit->SetReturnIsTab(true);
    ASSERT_TRUE(FocusEdit());
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([this] { return next->hasFocus(); }, 2000));
}

TEST_F(AdvEditKeys, KeyPressHandlerCanSwallowOrChangeACharacter) {
    edit->OnKeyPress = [](QObject*, QChar& key) {
        if (key == u'a')
            key = QChar();
        else if (key == u'b')
            key = u'B';
    };
    QTest::keyClicks(edit, "abc");
    EXPECT_EQ(edit->Text(), "Bc");
}

TEST_F(AdvEditKeys, KeyDownHandlerCanStopAKey) {
    edit->SetText("abc");
    edit->setCursorPosition(0);
    QList<int> seen;
    edit->OnKeyDown = [&](QObject*, int& key, Qt::KeyboardModifiers) {
        seen << key;
        if (key == Qt::Key_Delete)
            key = 0;
    };
    QTest::keyClick(edit, Qt::Key_Delete);
    EXPECT_EQ(edit->Text(), "abc");
    QTest::keyClick(edit, Qt::Key_Right);
    EXPECT_EQ(edit->cursorPosition(), 1);
    EXPECT_EQ(seen, (QList<int>{Qt::Key_Delete, Qt::Key_Right}));
}

TEST_F(AdvEditKeys, KeypadDecimalKeyTypesTheLocaleSeparatorWhenAsked) {
    SetDecimalSeparator(u',');
    SetThousandSeparator(u'.');
    edit->SetEditType(etFloat);
    edit->SetPrecision(-1);
    edit->SetText("1");
    edit->setCursorPosition(1);
    QTest::keyClick(edit, Qt::Key_Period, Qt::KeypadModifier);
    EXPECT_EQ(edit->Text(), "1."); // the thousand separator here
    edit->SetExcelStyleDecimalSeparator(true);
    edit->SetText("1");
    edit->setCursorPosition(1);
    QTest::keyClick(edit, Qt::Key_Period, Qt::KeypadModifier);
    EXPECT_EQ(edit->Text(), "1,");
    edit->SetText("1");
    edit->setCursorPosition(1);
    QTest::keyClick(edit, Qt::Key_Period);
    EXPECT_EQ(edit->Text(), "1.");
}

TEST_F(AdvEditKeys, UndoShortcutMarksTheFieldModified) {
    edit->SetShowModified(true);
    edit->SetText("ab");
    edit->setCursorPosition(2);
    QTest::keyClick(edit, 'c');
    edit->SetModified(false);
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(edit->Text(), "ab");
    EXPECT_EQ(edit->FontColor(), clHighlight);
}

TEST_F(AdvEditKeys, CaseTypesReshapeWhatIsTyped) {
    edit->SetEditType(etUppercase);
    QTest::keyClicks(edit, "ab1");
    EXPECT_EQ(edit->Text(), "AB1");
    edit->SetEditType(etMixedCase);
    edit->SetText("");
    QTest::keyClicks(edit, "o'neil mcdonald");
    EXPECT_EQ(edit->Text(), "O'Neil McDonald");
    EXPECT_EQ(edit->cursorPosition(), 15);
    EXPECT_TRUE(edit->Modified());
    edit->SetEditType(etHex);
    edit->SetText("");
    QTest::keyClicks(edit, "fgz-9");
    EXPECT_EQ(edit->Text(), "f-9");
    edit->SetEditType(etAlphaNumeric);
    edit->SetText("");
    QTest::keyClicks(edit, "a-b 1");
    EXPECT_EQ(edit->Text(), "ab1");
}

TEST_F(AdvEditKeys, TypingShowsTheModifiedColour) {
    edit->SetShowModified(true);
    QTest::keyClick(edit, 'a');
    EXPECT_EQ(edit->FontColor(), clHighlight);
    edit->SetText("b");
    EXPECT_EQ(edit->FontColor(), clWindowText);
}

TEST_F(AdvEditKeys, ReadOnlyFieldChangesByNoKey) {
    edit->SetEditType(etNumeric);
    edit->SetSigned(true);
    edit->SetText("12");
    edit->SetReadOnly(true);
    edit->setCursorPosition(2);
    QTest::keyClicks(edit, "3-");
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClick(edit, Qt::Key_Delete);
    EXPECT_EQ(edit->Text(), "12");
}

TEST_F(AdvEditKeys, MouseReleaseKeepsTheCaretOutOfPrefixAndSuffix) {
    edit->resize(300, 21);
    edit->SetPrefix("$$$$$");
    edit->SetSuffix(" kilograms");
    edit->SetText("12");
    ASSERT_TRUE(FocusEdit());
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(4, 10));
    EXPECT_EQ(edit->selectedText(), "12");
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(edit->width() - 4, 10));
    EXPECT_FALSE(edit->hasSelectedText());
    EXPECT_EQ(edit->cursorPosition(), 7);
}

} // namespace
} // namespace maskwell
