// SPDX-License-Identifier: MIT
// Edits a user makes in a field: case types typed and pasted, Delete against
// the length limit and in money values, a paste with nothing to paste.
#include "controls/advedit/AdvEdit.h"
#include "tests/controls/advedit/AdvEditFixture.h"

#include <QClipboard>
#include <QMimeData>

namespace maskwell {
namespace {

// ---- Case types, typed and pasted

struct CaseEditCase {
    const char* Name;
    TAdvEditType Type;
    bool Pasted; // else typed key by key
    const char* Input;
    const char* Value;
};

void PrintTo(const CaseEditCase& row, std::ostream* out) {
    *out << row.Name;
}

class AdvEditCaseTypes : public test::AdvEditWindow,
                         public ::testing::WithParamInterface<CaseEditCase> {};

TEST_P(AdvEditCaseTypes, ShapeWhatArrives) {
    const CaseEditCase& row = GetParam();
    edit->SetEditType(row.Type);
    ASSERT_TRUE(FocusEdit());
    if (row.Pasted) {
        QGuiApplication::clipboard()->setText(row.Input);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    } else {
        QTest::keyClicks(edit, row.Input);
    }
    EXPECT_EQ(edit->Text(), row.Value);
    EXPECT_EQ(edit->cursorPosition(), static_cast<int>(QString(row.Value).size()));
    EXPECT_TRUE(edit->Modified());
}

INSTANTIATE_TEST_SUITE_P(
    Edits, AdvEditCaseTypes,
    ::testing::Values(
        CaseEditCase{"LowerCaseTyped", etLowerCase, false, "AbC 1-Z", "abc 1-z"},
        CaseEditCase{"LowerCasePasted", etLowerCase, true, "MiXeD Case", "mixed case"},
        CaseEditCase{"UpperCaseTyped", etUppercase, false, "aBc 1-z", "ABC 1-Z"},
        CaseEditCase{"UpperCasePasted", etUppercase, true, "MiXeD Case", "MIXED CASE"},
        CaseEditCase{"MixedCasePasted", etMixedCase, true, "JOHN mcdonald iii",
                     "John McDonald III"}),
    [](const auto& info) { return std::string(info.param.Name); });

// ---- Delete

struct DeleteCase {
    const char* Name;
    TAdvEditType Type;
    int LengthLimit;
    int Precision;
    const char* Before;
    int Caret;
    const char* After;
    int CaretAfter;
};

void PrintTo(const DeleteCase& row, std::ostream* out) {
    *out << row.Name;
}

class AdvEditDelete : public test::AdvEditWindow,
                      public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(AdvEditDelete, KeepsTheLengthLimitAndRegroupsMoney) {
    const DeleteCase& row = GetParam();
    edit->SetEditType(row.Type);
    edit->SetPrecision(row.Precision);
    edit->SetLengthLimit(row.LengthLimit);
    edit->SetText(row.Before);
    ASSERT_EQ(edit->Text(), row.Before);
    ASSERT_TRUE(FocusEdit());
    edit->setCursorPosition(row.Caret);
    QTest::keyClick(edit, Qt::Key_Delete);
    EXPECT_EQ(edit->Text(), row.After);
    EXPECT_EQ(edit->cursorPosition(), row.CaretAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, AdvEditDelete,
    ::testing::Values(
        // The decimal separator would join the decimals to a full integer part.
        DeleteCase{"SeparatorAtTheLimitStays", etFloat, 3, -1, "123.45", 3, "123.45", 3},
        DeleteCase{"DigitWithinTheLimitGoes", etFloat, 3, -1, "123.45", 0, "23.45", 0},
        DeleteCase{"SeparatorBelowTheLimitGoes", etFloat, 4, -1, "12.34", 2, "1234", 2},
        DeleteCase{"StringWithoutLimit", etString, 0, 0, "abc", 1, "ac", 1},
        // Money regroups after the deletion; the caret stays before the same digit.
        DeleteCase{"MoneyLosesAGroup", etMoney, 0, -1, "1,234", 0, "234", 0},
        DeleteCase{"MoneyDigitRegroups", etMoney, 0, -1, "12,345", 1, "1,345", 1},
        DeleteCase{"MoneySeparatorComesBack", etMoney, 0, -1, "1,234", 1, "1,234", 2}),
    [](const auto& info) { return std::string(info.param.Name); });

// ---- A paste with no text on the clipboard

struct EmptyClipboardCase {
    const char* Name;
    TAdvEditType Type;
    bool WithImage; // an image on the clipboard, else nothing at all
};

void PrintTo(const EmptyClipboardCase& row, std::ostream* out) {
    *out << row.Name;
}

class AdvEditPasteNothing : public test::AdvEditWindow,
                            public ::testing::WithParamInterface<EmptyClipboardCase> {};

TEST_P(AdvEditPasteNothing, LeavesValueCaretAndStateAsTheyWere) {
    const EmptyClipboardCase& row = GetParam();
    edit->SetEditType(row.Type);
    edit->SetText("123");
    ASSERT_TRUE(FocusEdit());
    edit->setSelection(1, 1);
    auto* data = new QMimeData;
    if (row.WithImage) {
        QImage image(4, 4, QImage::Format_RGB32);
        image.fill(Qt::red);
        data->setImageData(image);
    }
    QGuiApplication::clipboard()->setMimeData(data);
    ASSERT_FALSE(QGuiApplication::clipboard()->mimeData()->hasText());
    bool asked = false;
    edit->OnClipboardPaste = [&](QObject*, const QString&, bool&) { asked = true; };
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit->Text(), "123");
    EXPECT_EQ(edit->selectedText(), "2");
    EXPECT_FALSE(edit->Modified());
    EXPECT_FALSE(asked) << "no paste to allow or veto";
}

INSTANTIATE_TEST_SUITE_P(Clipboards, AdvEditPasteNothing,
                         ::testing::Values(EmptyClipboardCase{"EmptyIntoString", etString, false},
                                           EmptyClipboardCase{"ImageIntoString", etString, true},
                                           EmptyClipboardCase{"EmptyIntoNumeric", etNumeric, false},
                                           EmptyClipboardCase{"ImageIntoMoney", etMoney, true}),
                         [](const auto& info) { return std::string(info.param.Name); });

} // namespace
} // namespace maskwell
