// SPDX-License-Identifier: MIT
// Typing and pasting over a selection: only the selected part of the value
// changes, and what a number field ends with is still a number.
#include "controls/advedit/AdvEdit.h"
#include "controls/advedit/AdvEditTyping.h"
#include "tests/controls/advedit/AdvEditFixture.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>

namespace maskwell {
namespace {

class AdvEditOverSelection : public test::AdvEditWindow {
protected:
    void SetUp() override {
        test::AdvEditWindow::SetUp();
        ASSERT_TRUE(FocusEdit());
    }
    void Paste(const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    }
    void PickSelectAllFromContextMenu() {
        QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(5, 5),
                                  edit->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(edit, &request);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions())
            if (action->text().startsWith(QLineEdit::tr("Select All")))
                action->trigger();
        menu->close();
    }
};

TEST_F(AdvEditOverSelection, APasteOverASelectionFromThePrefixReplacesOnlyItsValuePart) {
    edit->SetPrefix("$");
    edit->SetText("12345");
    edit->setSelection(0, 3); // "$12"
    Paste("9");
    EXPECT_EQ(edit->Text(), "9345");
    EXPECT_EQ(edit->selectedText(), "9");
}

TEST_F(AdvEditOverSelection, CtrlAloneKeepsTheSelectAllSelectionForThePaste) {
    edit->SetPrefix("$");
    edit->SetText("12345");
    edit->setCursorPosition(3);
    PickSelectAllFromContextMenu();
    QTest::keyClick(edit, Qt::Key_Control, Qt::ControlModifier);
    EXPECT_EQ(edit->selectedText(), "12345");
    Paste("9");
    EXPECT_EQ(edit->Text(), "9");
}

// A "-" typed over a selection in a signed number field.
struct MinusOverSelectionCase {
    const char* name;
    TAdvEditType type;
    const char* value; // as assigned; shown with two decimals
    int selStart;      // in the window text
    int selLength;
    const char* after;
};

class MinusOverSelection : public AdvEditOverSelection,
                           public ::testing::WithParamInterface<MinusOverSelectionCase> {};

TEST_P(MinusOverSelection, LeavesASignedNumber) {
    const MinusOverSelectionCase& row = GetParam();
    edit->SetEditType(row.type);
    edit->SetPrecision(2);
    edit->SetSigned(true);
    edit->SetText(row.value);
    edit->setSelection(row.selStart, row.selLength);
    QTest::keyClick(edit, Qt::Key_Minus, Qt::NoModifier);
    EXPECT_EQ(edit->Text(), row.after);
}

INSTANTIATE_TEST_SUITE_P(
    Signed, MinusOverSelection,
    ::testing::Values(
        MinusOverSelectionCase{"MoneyDigitInside", etMoney, "1234.5", 2, 1, "-1,234.50"},
        MinusOverSelectionCase{"MoneyNegativeDigitInside", etMoney, "-1234.5", 3, 1, "1,234.50"},
        MinusOverSelectionCase{"MoneyFirstDigit", etMoney, "1234.5", 0, 1, "-234.50"},
        MinusOverSelectionCase{"FloatDigitInside", etFloat, "1234.5", 2, 1, "-1234.50"},
        MinusOverSelectionCase{"FloatWholeValue", etFloat, "1234.5", 0, 7, "-"}),
    [](const ::testing::TestParamInfo<MinusOverSelectionCase>& info) { return info.param.name; });

// A range separator typed over a selection: its neighbours are the characters
// around the selection, not the selected ones.
struct RangeSeparatorCase {
    const char* name;
    const char* text;
    int selStart;
    int selLength;
    QChar typed;
    CharAction action;
};

class RangeSeparatorOverSelection : public ::testing::TestWithParam<RangeSeparatorCase> {};

TEST_P(RangeSeparatorOverSelection, KeepsSeparatorsApart) {
    const RangeSeparatorCase& row = GetParam();
    TypingSettings settings;
    settings.editType = etRange;
    const FieldState field{row.text, row.selStart, row.selLength};
    EXPECT_EQ(DecideChar(settings, field, row.typed, false).action, row.action);
}

INSTANTIATE_TEST_SUITE_P(
    Range, RangeSeparatorOverSelection,
    ::testing::Values(
        RangeSeparatorCase{"DigitBeforeASeparator", "12-3", 1, 1, u',', CharAction::Refuse},
        RangeSeparatorCase{"DigitsUpToASeparator", "123-4", 1, 2, u';', CharAction::Refuse},
        RangeSeparatorCase{"DigitBetweenDigits", "123-4", 1, 1, u',', CharAction::Type},
        RangeSeparatorCase{"LastDigit", "12-34", 4, 1, u'-', CharAction::Type},
        RangeSeparatorCase{"SeparatorItself", "12-34", 2, 1, u',', CharAction::Type}),
    [](const ::testing::TestParamInfo<RangeSeparatorCase>& info) { return info.param.name; });

} // namespace
} // namespace maskwell
