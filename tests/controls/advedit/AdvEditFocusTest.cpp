// SPDX-License-Identifier: MIT
#include "controls/advedit/AdvEdit.h"
#include "platform/Fonts.h"
#include "tests/controls/advedit/AdvEditFixture.h"

#include <QClipboard>
#include <QSignalSpy>

namespace maskwell {
namespace {

constexpr TColor kPaleGreen = 0xD5FFD5;
constexpr TColor kLightGrey = 0xEEEEEE;

using AdvEditFocus = test::AdvEditWindow;

TEST_F(AdvEditFocus, FocusColoursLastWhileTheFieldHasTheFocus) {
    edit->SetColor(kLightGrey);
    edit->SetFocusColor(kPaleGreen);
    edit->SetFocusFontColor(clBlue);
    const QSignalSpy colors(edit, &TAdvEdit::ColorChanged);
    const QSignalSpy fontColors(edit, &TAdvEdit::FontColorChanged);
    ASSERT_TRUE(FocusEdit());
    EXPECT_EQ(Background(), QColor(0xD5, 0xFF, 0xD5));
    EXPECT_EQ(Foreground(), QColor(0, 0, 0xFF));
    EXPECT_EQ(edit->Color(), kPaleGreen);
    EXPECT_EQ(colors.count(), 1);
    EXPECT_EQ(fontColors.count(), 1);
    ASSERT_TRUE(FocusOn(next));
    EXPECT_EQ(Background(), QColor(0xEE, 0xEE, 0xEE));
    EXPECT_EQ(edit->FontColor(), clWindowText);
    EXPECT_EQ(colors.count(), 2);
    EXPECT_EQ(fontColors.count(), 2);
}

TEST_F(AdvEditFocus, WidthAndAlignmentChangeOnlyWhileFocused) {
    edit->SetFocusWidthInc(20);
    edit->SetFocusAlign(eaRight);
    const QSignalSpy aligns(edit, &TAdvEdit::EditAlignChanged);
    ASSERT_TRUE(FocusEdit());
    EXPECT_EQ(edit->width(), 140);
    EXPECT_EQ(edit->EditAlign(), eaRight);
    EXPECT_TRUE(edit->alignment() & Qt::AlignRight);
    EXPECT_EQ(aligns.count(), 1);
    ASSERT_TRUE(FocusOn(next));
    EXPECT_EQ(edit->width(), 120);
    EXPECT_EQ(edit->EditAlign(), eaLeft);
    EXPECT_EQ(aligns.count(), 2);
    EXPECT_TRUE(edit->alignment() & Qt::AlignLeft);
}

TEST_F(AdvEditFocus, AFocusAlignmentEqualToTheOwnIsKeptOnExit) {
    edit->SetEditAlign(eaRight);
    edit->SetFocusAlign(eaRight);
    ASSERT_TRUE(FocusEdit());
    ASSERT_TRUE(FocusOn(next));
    EXPECT_EQ(edit->EditAlign(), eaRight);
}

TEST_F(AdvEditFocus, NumbersAreCompletedAndReformattedOnExit) {
    edit->SetEditType(etNumeric);
    edit->SetText("");
    ASSERT_TRUE(FocusEdit());
    ASSERT_TRUE(FocusOn(next));
    EXPECT_EQ(edit->Text(), "0");

    edit->SetEditType(etFloat);
    edit->SetPrecision(2);
    ASSERT_TRUE(FocusEdit());
    edit->SetText("");
    QTest::keyClicks(edit, "3.1");
    ASSERT_TRUE(FocusOn(next));
    EXPECT_EQ(edit->Text(), "3.10");

    ASSERT_TRUE(FocusEdit());
    edit->SetText("");
    ASSERT_TRUE(FocusOn(next));
    EXPECT_EQ(edit->Text(), "0.00");
}

TEST_F(AdvEditFocus, EntryPutsTheCaretBeforeTheDecimalsOrSelectsTheValue) {
    edit->SetEditType(etFloat);
    edit->SetPrecision(2);
    edit->SetText("12.5");
    edit->SetAutoSelect(false);
    ASSERT_TRUE(FocusEdit());
    EXPECT_EQ(edit->cursorPosition(), 2);
    EXPECT_FALSE(edit->hasSelectedText());
    ASSERT_TRUE(FocusOn(next));
    edit->SetAutoSelect(true);
    edit->SetPrefix("$");
    ASSERT_TRUE(FocusEdit());
    EXPECT_EQ(edit->selectedText(), "12.50");
}

TEST_F(AdvEditFocus, ErrorColoursFollowTheValidationAndGiveWayToFocusColours) {
    edit->SetFocusColor(kPaleGreen);
    edit->SetShowError(true);
    edit->OnValueValidate = [](QObject*, const QString& value, bool& isValid) {
        isValid = !value.contains(u'!');
    };
    ASSERT_TRUE(FocusEdit());
    QTest::keyClicks(edit, "a!");
    EXPECT_EQ(Background(), QColor(Qt::red));
    EXPECT_EQ(Foreground(), QColor(Qt::white));
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(Background(), QColor(0xD5, 0xFF, 0xD5));
    QTest::keyClick(edit, '!');
    ASSERT_TRUE(FocusOn(next)); // the error look stays after the focus
    EXPECT_EQ(Background(), QColor(Qt::red));
}

TEST_F(AdvEditFocus, ExitAsksTheValidatorOnceMore) {
    edit->SetText("v");
    QStringList asked;
    edit->OnValueValidate = [&](QObject*, const QString& value, bool&) { asked << value; };
    int enters = 0;
    int exits = 0;
    QObject::connect(edit, &TAdvEdit::FocusEntered, edit, [&] { ++enters; });
    QObject::connect(edit, &TAdvEdit::FocusExited, edit, [&] { ++exits; });
    ASSERT_TRUE(FocusEdit());
    ASSERT_TRUE(FocusOn(next));
    EXPECT_EQ(asked, QStringList{"v"});
    EXPECT_EQ(enters, 1);
    EXPECT_EQ(exits, 1);
}

TEST_F(AdvEditFocus, ClicksAndTheMouseAreReported) {
    edit->SetText("abc");
    const QSignalSpy presses(edit, &TAdvEdit::MousePressed);
    const QSignalSpy releases(edit, &TAdvEdit::MouseReleased);
    const QSignalSpy clicks(edit, &TAdvEdit::Clicked);
    const QSignalSpy doubleClicks(edit, &TAdvEdit::DoubleClicked);
    QTest::mouseClick(edit, Qt::LeftButton, Qt::ShiftModifier, QPoint(7, 9));
    ASSERT_EQ(presses.count(), 1);
    EXPECT_EQ(presses[0][0].value<Qt::MouseButton>(), Qt::LeftButton);
    EXPECT_EQ(presses[0][1].value<Qt::KeyboardModifiers>(), Qt::ShiftModifier);
    EXPECT_EQ(presses[0][2].toPoint(), QPoint(7, 9));
    ASSERT_EQ(releases.count(), 1);
    EXPECT_EQ(releases[0][2].toPoint(), QPoint(7, 9));
    EXPECT_EQ(clicks.count(), 1);
    QTest::mouseDClick(edit, Qt::LeftButton, {}, QPoint(7, 9));
    EXPECT_EQ(doubleClicks.count(), 1);
}

// The main window's result fields: read-only, centred, no tab stop, grey with a
// pale green focus colour, "MS Sans Serif" 11 px.
class ResultField : public test::AdvEditWindow {
protected:
    void SetUp() override {
        test::AdvEditWindow::SetUp();
        InstallFontSubstitutions();
        edit->resize(250, 21);
        edit->BeginLoading();
        edit->SetEditType(etString);
        edit->SetReadOnly(true);
        edit->SetEditAlign(eaCenter);
        edit->SetTabStop(false);
        edit->SetAutoSelect(false);
        edit->SetHeight(21);
        edit->SetColor(kLightGrey);
        edit->SetFocusColor(kPaleGreen);
        edit->SetFocusFontColor(clWindowText);
        edit->setFont(PixelFont("MS Sans Serif", 11));
        edit->Loaded();
        edit->SetText("192.168.1.1 - 192.168.1.254");
    }

    QColor PixelInside() { return edit->grab().toImage().pixelColor(5, edit->height() / 2); }
};

TEST_F(ResultField, ShowsGreyAndTurnsPaleGreenWhenClicked) {
    EXPECT_EQ(PixelInside(), QColor(0xEE, 0xEE, 0xEE));
    EXPECT_EQ(edit->focusPolicy(), Qt::ClickFocus);
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(20, 10));
    ASSERT_TRUE(QTest::qWaitFor([this] { return edit->hasFocus(); }, 2000));
    EXPECT_EQ(PixelInside(), QColor(0xD5, 0xFF, 0xD5));
    EXPECT_FALSE(edit->hasSelectedText());
    ASSERT_TRUE(FocusOn(next));
    EXPECT_EQ(PixelInside(), QColor(0xEE, 0xEE, 0xEE));
}

TEST_F(ResultField, CopiesButTakesNoTypingAndNoPaste) {
    ASSERT_TRUE(FocusEdit());
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "192.168.1.1 - 192.168.1.254");
    QGuiApplication::clipboard()->setText("10.0.0.1");
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClicks(edit, "12");
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_Delete);
    EXPECT_EQ(edit->Text(), "192.168.1.1 - 192.168.1.254");
    EXPECT_FALSE(edit->Modified());
}

TEST_F(ResultField, IsCentredInTheSubstitutedFont) {
    EXPECT_TRUE(edit->alignment() & Qt::AlignHCenter);
    EXPECT_EQ(edit->font().pixelSize(), 11);
    EXPECT_EQ(edit->height(), 21);
    EXPECT_EQ(edit->Color(), kLightGrey);
}

} // namespace
} // namespace maskwell
