// SPDX-License-Identifier: MIT
// Characters that reach a field by other ways than a plain key press, and
// where the caret stands after a field reshapes what was typed.
#include "controls/advedit/AdvEdit.h"
#include "tests/controls/advedit/AdvEditFixture.h"

#include <QInputMethodEvent>

namespace maskwell {
namespace {

// Text an input method commits (a dead key, compose, an IME) into a field.
struct CommitCase {
    const char* Name;
    TAdvEditType Type;
    int LengthLimit;
    const char* Before;
    const char* Committed;
    const char* After;
};

void PrintTo(const CommitCase& row, std::ostream* out) {
    *out << row.Name;
}

class AdvEditInputMethod : public test::AdvEditWindow,
                           public ::testing::WithParamInterface<CommitCase> {};

TEST_P(AdvEditInputMethod, CommittedTextPassesTheTypingRules) {
    const CommitCase& row = GetParam();
    edit->SetEditType(row.Type);
    edit->SetLengthLimit(row.LengthLimit);
    edit->SetText(QString::fromUtf8(row.Before));
    ASSERT_TRUE(FocusEdit());
    edit->setCursorPosition(static_cast<int>(edit->text().size()));
    QInputMethodEvent commit;
    commit.setCommitString(QString::fromUtf8(row.Committed));
    QApplication::sendEvent(edit, &commit);
    EXPECT_EQ(edit->Text(), QString::fromUtf8(row.After));
}

INSTANTIATE_TEST_SUITE_P(
    Commits, AdvEditInputMethod,
    ::testing::Values(CommitCase{"AccentIntoNumeric", etNumeric, 0, "12", "é", "12"},
                      CommitCase{"DigitIntoNumeric", etNumeric, 0, "12", "3", "123"},
                      CommitCase{"AccentsIntoUppercase", etUppercase, 0, "X", "àb", "XÀB"},
                      CommitCase{"AccentsIntoLowercase", etLowerCase, 0, "x", "ÀB", "xàb"},
                      CommitCase{"AccentPastTheLengthLimit", etString, 3, "abc", "é", "abc"},
                      CommitCase{"AccentWithinTheLengthLimit", etString, 3, "ab", "é", "abé"},
                      CommitCase{"AccentIntoString", etString, 0, "caf", "é", "café"},
                      CommitCase{"AccentIntoAlphaNumeric", etAlphaNumeric, 0, "a1", "é", "a1"},
                      CommitCase{"AccentIntoHex", etHex, 0, "F", "é", "F"}),
    [](const auto& info) { return std::string(info.param.Name); });

using AdvEditInputMethodReadOnly = test::AdvEditWindow;

TEST_F(AdvEditInputMethodReadOnly, FieldTakesNoCommittedText) {
    edit->SetText("kept");
    edit->SetReadOnly(true);
    ASSERT_TRUE(FocusEdit());
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("é"));
    QApplication::sendEvent(edit, &commit);
    EXPECT_EQ(edit->Text(), "kept");
}

// The caret after a key in an etMixedCase field: behind an inserted
// character, where a deletion left it.
struct MixedCaseCase {
    const char* Name;
    const char* Before;
    int Caret;
    Qt::Key Key;
    const char* After;
    int CaretAfter;
};

void PrintTo(const MixedCaseCase& row, std::ostream* out) {
    *out << row.Name;
}

class AdvEditMixedCaseCaret : public test::AdvEditWindow,
                              public ::testing::WithParamInterface<MixedCaseCase> {};

TEST_P(AdvEditMixedCaseCaret, StaysWhereTheKeyLeftIt) {
    const MixedCaseCase& row = GetParam();
    edit->SetEditType(etMixedCase);
    edit->SetText(row.Before);
    ASSERT_TRUE(FocusEdit());
    edit->setCursorPosition(row.Caret);
    QTest::keyClick(edit, row.Key);
    EXPECT_EQ(edit->Text(), row.After);
    EXPECT_EQ(edit->cursorPosition(), row.CaretAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, AdvEditMixedCaseCaret,
    ::testing::Values(MixedCaseCase{"BackspaceInside", "abcd", 2, Qt::Key_Backspace, "Acd", 1},
                      MixedCaseCase{"BackspaceAtTheEnd", "abcd", 4, Qt::Key_Backspace, "Abc", 3},
                      MixedCaseCase{"BackspaceAtTheStart", "abcd", 0, Qt::Key_Backspace, "Abcd", 0},
                      MixedCaseCase{"LetterInside", "ab", 1, Qt::Key_X, "Axb", 2},
                      MixedCaseCase{"BlankStartsAWord", "abcd", 2, Qt::Key_Space, "Ab Cd", 3}),
    [](const auto& info) { return std::string(info.param.Name); });

} // namespace
} // namespace maskwell
