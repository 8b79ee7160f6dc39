// SPDX-License-Identifier: MIT
#include "controls/IPEdit.h"

#include "core/Error.h"
#include "tests/support/EnabledSwitches.h"
#include "tests/support/ErrorBoxRecorder.h"
#include "tests/support/QtPrinters.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QTest>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace maskwell {
namespace {

// The control in a window beside another control, the window active, the
// events counted. Keys go to whatever has the focus, as a keyboard's do.
class IPEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(320, 90);
        // First in the tab order, so that the window's first focus is not in the control.
        other = new QLineEdit(&window);
        other->setGeometry(72, 50, 100, 21);
        ipe = new TIPEdit(&window);
        ipe->setGeometry(72, 6, 169, 21);
        QObject::connect(ipe, &TIPEdit::OctetsRepaired, [this] { ++rebinds; });
        QObject::connect(ipe, &TIPEdit::TextChanged, [this] { changes << ipe->Text(); });
        QObject::connect(ipe, &TIPEdit::Clicked, [this] { ++clicks; });
        QObject::connect(ipe, &TIPEdit::DoubleClicked, [this] { ++doubleClicks; });
        QObject::connect(ipe, &TIPEdit::FocusEntered, [this] { enteredAt = FocusedField(); });
        QObject::connect(ipe, &TIPEdit::FocusExited, [this] { ++exits; });
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        other->setFocus();
    }

    static void Type(const char* keys) { QTest::keyClicks(static_cast<QWidget*>(nullptr), keys); }
    static void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(static_cast<QWidget*>(nullptr), key, modifiers);
    }
    TIPByteEdit* Field(int i) const { return ipe->ByteEdit(i); }
    int FocusedField() const {
        for (int i = 0; i < 4; ++i)
            if (Field(i)->hasFocus())
                return i;
        return -1;
    }
    void EnterAndReset() {
        ipe->setFocus();
        rebinds = 0;
        changes.clear();
    }

    QWidget window;
    TIPEdit* ipe = nullptr;
    QLineEdit* other = nullptr;
    int rebinds = 0;
    QStringList changes;
    int clicks = 0;
    int doubleClicks = 0;
    int enteredAt = -2;
    int exits = 0;
};

TEST_F(IPEditTest, TypingTheAddressWithItsDotsFillsTheFourFields) {
    EnterAndReset();
    Type("192.168.0.1");
    EXPECT_EQ(ipe->Text(), "192.168.0.1");
    EXPECT_EQ(FocusedField(), 3);
    EXPECT_EQ(rebinds, 3); // fields 0 to 2 were left
    Type("..");
    EXPECT_EQ(ipe->Text(), "192.168.0.1");
}

TEST_F(IPEditTest, ThreeDigitsMoveOnAndTheNextDigitsReplaceTheSelectedText) {
    EnterAndReset();
    Type("192");
    EXPECT_EQ(FocusedField(), 1);
    EXPECT_EQ(Field(1)->selectedText(), "0");
    Type("168");
    EXPECT_EQ(ipe->Text(), "192.168.0.0");
    EXPECT_EQ(FocusedField(), 2);
    EXPECT_EQ(Field(2)->selectedText(), "0");
}

TEST_F(IPEditTest, AThirdDigitInTheLastFieldRepairsAndSelectsIt) {
    EnterAndReset();
    Type("1.2.3.");
    Field(0)->SetText("250"); // written by code: nothing repairs it yet
    rebinds = 0;
    Type("300");
    EXPECT_EQ(ipe->Text(), "239.2.3.255");
    EXPECT_EQ(rebinds, 1);
    EXPECT_EQ(FocusedField(), 3);
    EXPECT_EQ(Field(3)->selectedText(), "255");
}

TEST_F(IPEditTest, OnlyDigitsAndBackspaceAreTyped) {
    QGuiApplication::clipboard()->setText("77");
    EnterAndReset();
    Type("a -");
    Key(Qt::Key_V, Qt::ControlModifier);
    Key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(ipe->Text(), "0.0.0.0");
    EXPECT_TRUE(changes.isEmpty());
    Type("12");
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Home);
    // Delete edits as usual: it types no character, although X11 gives it a text.
    QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7f"));
    QApplication::sendEvent(Field(0), &del);
    EXPECT_EQ(Field(0)->Text(), "");
    Type("1234");
    EXPECT_EQ(Field(0)->Text(), "123");
}

// Keys as a typist's fingers send them: "+k" presses k, "-k" releases it and
// any other character is pressed and released. Each event goes to whatever has
// the focus when it happens, as a keyboard's do.
void Strokes(const char* keys) {
    for (const char* key = keys; *key; ++key) {
        const char sign = *key;
        if ((sign == '+' || sign == '-') && key[1] != '\0') {
            const auto code = static_cast<Qt::Key>(QChar(*++key).toUpper().unicode());
            if (sign == '+')
                QTest::keyPress(static_cast<QWidget*>(nullptr), code);
            else
                QTest::keyRelease(static_cast<QWidget*>(nullptr), code);
        } else {
            QTest::keyClick(static_cast<QWidget*>(nullptr), *key);
        }
    }
}

// A full field moves on only at the release of the digit that filled it; any
// other key, pressed and released there, leaves the focus where it put it.
struct FullFieldCase {
    friend void PrintTo(const FullFieldCase& c, std::ostream* out) { *out << c.Name; }
    const char* Name;
    int Field; // where the focus starts, its text selected; -1: the other control
    std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> Keys; // each pressed, then released
    int FocusAfter;
    const char* Copied = ""; // the clipboard afterwards
};

class FullField : public IPEditTest, public ::testing::WithParamInterface<FullFieldCase> {};

TEST_P(FullField, MovesOnOnlyAtTheReleaseOfTheFillingDigit) {
    const FullFieldCase& row = GetParam();
    ipe->SetText("172.168.100.200");
    QGuiApplication::clipboard()->setText("before");
    if (row.Field >= 0) {
        ipe->setFocus(); // entering lands in the first field
        Field(row.Field)->setFocus(Qt::TabFocusReason);
    }
    for (const auto& [key, modifiers] : row.Keys) {
        QTest::keyPress(static_cast<QWidget*>(nullptr), key, modifiers);
        QTest::keyRelease(static_cast<QWidget*>(nullptr), key, modifiers);
    }
    EXPECT_EQ(FocusedField(), row.FocusAfter);
    EXPECT_EQ(ipe->Text(), "172.168.100.200");
    if (*row.Copied) {
        EXPECT_EQ(QGuiApplication::clipboard()->text(), row.Copied);
    }
}

constexpr Qt::KeyboardModifiers none = Qt::NoModifier;

INSTANTIATE_TEST_SUITE_P(
    IPEdit, FullField,
    ::testing::Values(
        FullFieldCase{"TabFromTheControlBefore", -1, {{Qt::Key_Tab, none}}, 0},
        FullFieldCase{"ShiftTabWalksBackToTheFirstOctet",
                      3,
                      {{Qt::Key_Backtab, Qt::ShiftModifier},
                       {Qt::Key_Backtab, Qt::ShiftModifier},
                       {Qt::Key_Backtab, Qt::ShiftModifier}},
                      0},
        FullFieldCase{
            "ArrowsMoveTheCursorOnly", 1, {{Qt::Key_Left, none}, {Qt::Key_Right, none}}, 1},
        FullFieldCase{"DigitTypedInsideIsRefused", 1, {{Qt::Key_Left, none}, {Qt::Key_9, none}}, 1},
        FullFieldCase{"CtrlCCopiesTheSelection", 0, {{Qt::Key_C, Qt::ControlModifier}}, 0, "172"},
        FullFieldCase{"CtrlASelectsAllToCopy",
                      2,
                      {{Qt::Key_End, none},
                       {Qt::Key_A, Qt::ControlModifier},
                       {Qt::Key_C, Qt::ControlModifier}},
                      2,
                      "100"}),
    [](const auto& info) { return std::string(info.param.Name); });

// Rollover: the next key goes down before the last comes up. No digit is lost;
// a digit that finds its field full starts the next one.
struct RolloverCase {
    friend void PrintTo(const RolloverCase& c, std::ostream* out) { *out << c.Keys; }
    const char* Name;
    const char* Keys;
    const char* Address;
};

class Rollover : public IPEditTest, public ::testing::WithParamInterface<RolloverCase> {};

TEST_P(Rollover, LosesNoDigit) {
    EnterAndReset();
    Strokes(GetParam().Keys);
    Key(Qt::Key_Tab);
    EXPECT_EQ(ipe->Text(), GetParam().Address);
}

INSTANTIATE_TEST_SUITE_P(
    IPEdit, Rollover,
    ::testing::Values(
        RolloverCase{"NextDigitBeforeTheThirdComesUp", "19+2+1-2-168.5.7", "192.168.5.7"},
        RolloverCase{"ReleasedInTheOtherOrder", "19+2+1-1-268.5.7", "192.168.5.7"},
        RolloverCase{"TwoFieldsInARow", "19+2+1-2-16+8+5-8-5.7", "192.168.5.7"},
        RolloverCase{"DotAfterACarriedDigit", "19+2+1-2-1.5.7", "192.1.5.7"},
        RolloverCase{"DotBeforeTheThirdDigitComesUp", "19+2+.-2-.1.5.7", "192.1.5.7"}),
    [](const auto& info) { return std::string(info.param.Name); });

// Keys typed from the first field, and the address once the focus has left.
struct RepairCase {
    const char* typed;
    const char* repaired;
};

void PrintTo(const RepairCase& row, std::ostream* out) {
    *out << QString::fromLatin1(row.typed).replace(u'\b', QStringLiteral("<BS>")).toStdString()
         << " -> " << row.repaired;
}

class RepairTest : public IPEditTest, public ::testing::WithParamInterface<RepairCase> {};

TEST_P(RepairTest, LeavingAFieldRepairsTheOctetsAndAnnouncesIt) {
    EnterAndReset();
    Type(GetParam().typed);
    Key(Qt::Key_Tab);
    const QString repaired = GetParam().repaired;
    EXPECT_EQ(ipe->Text(), repaired);
    EXPECT_GE(rebinds, 1);
    ASSERT_FALSE(changes.isEmpty());
    EXPECT_EQ(changes.last(), repaired);
}

INSTANTIATE_TEST_SUITE_P(
    IPEdit, RepairTest,
    ::testing::Values(RepairCase{"1.300", "1.255.0.0"}, RepairCase{"250", "239.0.0.0"},
                      RepairCase{"0", "1.0.0.0"}, RepairCase{"1.2.\b", "1.2.0.0"},
                      RepairCase{"\b", "1.0.0.0"}, RepairCase{"1.00", "1.0.0.0"},
                      RepairCase{"1.007", "1.7.0.0"}, RepairCase{"1.2.3.09", "1.2.3.9"}));

TEST_F(IPEditTest, WritingTextReadsEachPartLeniently) {
    ipe->SetText("  10.1.2.3 ");
    EXPECT_EQ(ipe->Text(), "10.1.2.3");
    EXPECT_EQ(changes.size(), 4);
    ipe->SetText("10.1.2.3");
    EXPECT_EQ(changes.size(), 4); // unchanged fields raise nothing
    ipe->SetText("7");
    EXPECT_EQ(ipe->Text(), "7.1.2.3");
    ipe->SetText("1.2.3.4.5");
    EXPECT_EQ(ipe->Text(), "1.2.3.4");
    ipe->SetText("10.300.ab.2");
    EXPECT_EQ(ipe->Text(), "10.44.0.2");
    ipe->SetText("-255.$1f.0x10.-1");
    EXPECT_EQ(ipe->Text(), "-255.31.16.-1"); // written text is not cut to three characters
    EXPECT_EQ(rebinds, 0);
}

TEST_F(IPEditTest, ValueIsTheAddressAsANumber) {
    ipe->SetValue(3232235521u);
    EXPECT_EQ(ipe->Text(), "192.168.0.1");
    EXPECT_EQ(ipe->Value(), 3232235521u);
    ipe->SetText("10.0.0.255");
    EXPECT_EQ(ipe->Value(), 0x0A0000FFu);
    Field(2)->setText("");
    EXPECT_THROW(ipe->Value(), ConversionError);
}

TEST_F(IPEditTest, APastedNonNumberShowsTheErrorAndSkipsTheRebind) {
    test::ErrorBoxRecorder errors;
    EnterAndReset();
    Type("007.");
    QGuiApplication::clipboard()->setText("ab");
    Field(1)->paste(); // what the context menu does
    Key(Qt::Key_Tab);
    EXPECT_EQ(errors.Messages(), QStringList{"'ab' is not a valid integer value"});
    EXPECT_EQ(rebinds, 1); // leaving field 0 only
    EXPECT_EQ(ipe->Text(), "7.ab.0.0");
    EXPECT_THROW(ipe->Value(), ConversionError);
}

TEST_F(IPEditTest, APasteIsCutToThreeCharacters) {
    EnterAndReset();
    QGuiApplication::clipboard()->setText("192.168.0.1");
    Field(0)->paste();
    EXPECT_EQ(Field(0)->Text(), "192");
}

TEST_F(IPEditTest, TheClickAfterAnAutomaticMoveIsConsumed) {
    EnterAndReset();
    QTest::mouseClick(Field(2), Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    Type("12.");
    QTest::mouseClick(Field(2), Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    QTest::mouseClick(Field(2), Qt::LeftButton);
    EXPECT_EQ(clicks, 2);
}

TEST_F(IPEditTest, DotsAndTheFreeAreaClickButTheBorderDoesNot) {
    QTest::mouseClick(ipe->DotLabel(1), Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    QTest::mouseClick(ipe, Qt::LeftButton, {}, QPoint(ipe->width() - 3, 10));
    EXPECT_EQ(clicks, 2);
    QTest::mouseClick(ipe, Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_EQ(clicks, 2);
    QTest::mouseDClick(ipe->DotLabel(0), Qt::LeftButton);
    QTest::mouseDClick(Field(3), Qt::LeftButton);
    EXPECT_EQ(doubleClicks, 2);
}

TEST_F(IPEditTest, FocusEntersAtTheFirstFieldAndLeavesOnce) {
    Key(Qt::Key_Backtab); // from the other control round into the last field
    EXPECT_EQ(FocusedField(), 0);
    EXPECT_EQ(enteredAt, 0);
    EXPECT_EQ(rebinds, 0); // the last field was passed over, not left
    Key(Qt::Key_Tab);
    Key(Qt::Key_Tab);
    EXPECT_EQ(exits, 0);
    other->setFocus();
    EXPECT_EQ(exits, 1);

    enteredAt = -2;
    QTest::mouseClick(Field(2), Qt::LeftButton);
    EXPECT_EQ(FocusedField(), 0);
    EXPECT_EQ(enteredAt, 0);
    EXPECT_EQ(Field(0)->selectedText(), "1"); // repaired when the control was left
}

TEST_F(IPEditTest, SwitchingWindowsNeitherLeavesNorRepairs) {
    EnterAndReset();
    Type("007");
    EXPECT_EQ(rebinds, 1);
    QWidget elsewhere;
    elsewhere.show();
    QApplication::setActiveWindow(&elsewhere);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(rebinds, 1);
    EXPECT_EQ(exits, 0);
    EXPECT_EQ(FocusedField(), 1);
}

TEST_F(IPEditTest, DisablingReachesEveryPart) {
    ipe->SetEnabled(false);
    EXPECT_FALSE(ipe->Enabled());
    for (int i = 0; i < 4; ++i) {
        EXPECT_FALSE(Field(i)->isEnabled());
        EXPECT_FALSE(ipe->DotLabel(i)->isEnabled());
    }
    ipe->SetEnabled(true);
    EXPECT_TRUE(Field(2)->isEnabled());
}

// The control's enabled state is Qt's: the parts follow the control and the
// control follows its parent, whichever way it was switched.
using test::Switch;

struct EnabledCase {
    const char* name;
    std::vector<Switch> switches;
    bool own;   // Enabled() afterwards
    bool parts; // every field and dot enabled afterwards
};

class IPEditEnabled : public IPEditTest, public ::testing::WithParamInterface<EnabledCase> {};

TEST_P(IPEditEnabled, PartsFollowQtsEnabledState) {
    test::ApplySwitches(GetParam().switches, *ipe, window);
    EXPECT_EQ(ipe->Enabled(), GetParam().own);
    EXPECT_EQ(ipe->isEnabled(), GetParam().parts);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Field(i)->isEnabled(), GetParam().parts) << "field " << i;
        EXPECT_EQ(ipe->DotLabel(i)->isEnabled(), GetParam().parts) << "dot " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    IPEdit, IPEditEnabled,
    ::testing::Values(EnabledCase{"OwnOff", {Switch::OwnOff}, false, false},
                      EnabledCase{"QtOff", {Switch::QtOff}, false, false},
                      EnabledCase{"OwnOffThenQtOn", {Switch::OwnOff, Switch::QtOn}, true, true},
                      EnabledCase{"QtOffThenOwnOn", {Switch::QtOff, Switch::OwnOn}, true, true},
                      EnabledCase{"ParentOff", {Switch::ParentOff}, true, false},
                      EnabledCase{
                          "ParentOffThenOn", {Switch::ParentOff, Switch::ParentOn}, true, true},
                      EnabledCase{"OwnOnUnderDisabledParent",
                                  {Switch::OwnOff, Switch::ParentOff, Switch::OwnOn},
                                  true,
                                  false},
                      EnabledCase{"OwnOffOutlivesTheParent",
                                  {Switch::OwnOff, Switch::ParentOff, Switch::ParentOn},
                                  false,
                                  false}),
    [](const ::testing::TestParamInfo<EnabledCase>& info) { return std::string(info.param.name); });

TEST_F(IPEditTest, FieldsShareTheWidthBetweenTheDots) {
    const int dot = ipe->DotLabel(0)->width();
    const int field = (169 - 4 - 3 * dot) / 4;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Field(i)->width(), field);
        EXPECT_EQ(ipe->DotLabel(i)->x(), Field(i)->geometry().right() + 1);
        EXPECT_EQ(Field(i + 1)->x(), ipe->DotLabel(i)->geometry().right() + 1);
    }
    EXPECT_EQ(Field(0)->x(), 2); // inside the border
    EXPECT_FALSE(ipe->DotLabel(3)->isVisible());
    const int above = Field(0)->y() - 2;
    const int below = 21 - 2 - Field(0)->geometry().bottom() - 1;
    EXPECT_LE(std::abs(above - below), 1);
}

TEST_F(IPEditTest, AControlMadeTooSmallGrowsBackToItsMinimum) {
    QFont big = ipe->font();
    big.setPixelSize(20);
    ipe->setFont(big);
    const QFontMetrics metrics(big);
    const QSize minimum(4 * metrics.horizontalAdvance("000") + 3 * ipe->DotLabel(0)->width() + 4,
                        metrics.height() + 4);
    ipe->resize(10, 5);
    EXPECT_EQ(ipe->size(), minimum);

    TIPEdit hidden;
    hidden.resize(10, 5);
    hidden.show();
    EXPECT_EQ(hidden.width(), 4 * QFontMetrics(hidden.font()).horizontalAdvance("000") +
                                  3 * hidden.DotLabel(0)->width() + 4);
}

TEST_F(IPEditTest, DestroyingTheFocusedControlRepairsNothing) {
    EnterAndReset();
    QGuiApplication::clipboard()->setText("ab");
    Field(0)->paste();
    delete ipe; // an error box would fail the test
    ipe = nullptr;
    EXPECT_EQ(rebinds, 0);
    EXPECT_EQ(exits, 0);
}

} // namespace
} // namespace maskwell
