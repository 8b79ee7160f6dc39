// SPDX-License-Identifier: MIT
#include "controls/advedit/AdvEditLook.h"

#include "controls/advedit/AdvEdit.h"
#include "platform/TextDrawing.h"
#include "tests/controls/advedit/AdvEditFixture.h"
#include "tests/support/EnabledSwitches.h"
#include "tests/support/PaintProbe.h"
#include "tests/support/ShellOpenRecorder.h"

#include <QEnterEvent>
#include <QHelpEvent>
#include <QLabel>
#include <QToolTip>
#include <string>
#include <vector>

namespace maskwell {
namespace {

constexpr TColor kLightGrey = 0xEEEEEE;
const QColor kPanel(200, 210, 220);

class AdvEditLook : public test::AdvEditWindow {
protected:
    void SetUp() override {
        AdvEditWindow::SetUp();
        // A steady caret, so that two grabs of a focused field compare.
        QApplication::setCursorFlashTime(0);
        QPalette panel = window.palette();
        panel.setColor(QPalette::Window, kPanel);
        window.setPalette(panel);
        window.setAutoFillBackground(true);
    }
    void TearDown() override { QApplication::setCursorFlashTime(1000); }

    QImage Grab() { return test::GrabImage(*edit); }

    static QRect PixelsOf(const QImage& image, QColor color) {
        QRect found;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) == color)
                    found |= QRect(x, y, 1, 1);
        return found;
    }

    static QRect Differences(const QImage& a, const QImage& b) {
        QRect found;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                if (a.pixel(x, y) != b.pixel(x, y))
                    found |= QRect(x, y, 1, 1);
        return found;
    }

    void Enter() {
        QEnterEvent enter(QPointF(5, 5), QPointF(15, 15), edit->mapToGlobal(QPointF(5, 5)));
        QApplication::sendEvent(edit, &enter);
    }
    void Leave() {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(edit, &leave);
    }
};

TEST_F(AdvEditLook, FlatFieldTakesThePanelColourAndDrawsABottomLine) {
    edit->SetColor(clWhite);
    edit->SetFlatLineColor(clNavy);
    edit->SetFlat(true);
    EXPECT_FALSE(edit->hasFrame());
    EXPECT_EQ(Background(), kPanel);

    const QImage flat = Grab();
    const int w = edit->width();
    const int h = edit->height();
    const QColor navy(0, 0, 0x80);
    EXPECT_EQ(PixelsOf(flat, navy), QRect(0, h - 1, w, 1));

    edit->SetSoftBorder(true);
    const QImage soft = Grab();
    EXPECT_EQ(PixelsOf(soft, navy), QRect(0, 0, w, h));
    EXPECT_EQ(soft.pixelColor(0, h / 2), navy);
    EXPECT_EQ(soft.pixelColor(w - 1, h / 2), navy);
    EXPECT_EQ(soft.pixelColor(w / 2, 0), navy);
    EXPECT_NE(soft.pixelColor(w / 2, h / 2), navy);
}

TEST_F(AdvEditLook, FlatFieldKeepsThePanelColourThroughAFocusCycleAndRegainsItsOwnAfter) {
    edit->SetColor(kLightGrey);
    edit->SetFlat(true);
    ASSERT_TRUE(FocusEdit());
    EXPECT_EQ(Background(), kPanel); // the focus colour follows the panel too
    ASSERT_TRUE(FocusOn(next));
    EXPECT_EQ(Background(), kPanel);

    edit->SetFlat(false);
    EXPECT_EQ(Background(), QColor(0xEE, 0xEE, 0xEE));
    EXPECT_TRUE(edit->hasFrame());
    EXPECT_EQ(PixelsOf(Grab(), Qt::black), QRect()); // no bottom line any more
}

TEST_F(AdvEditLook, FlatFieldWithoutParentColourKeepsItsOwn) {
    edit->SetColor(kLightGrey);
    edit->SetFlatParentColor(false);
    edit->SetFlat(true);
    EXPECT_EQ(Background(), QColor(0xEE, 0xEE, 0xEE));
}

TEST_F(AdvEditLook, FocusBorderIsSunkenWhileHotAndPanelColouredOtherwise) {
    edit->SetFlat(true);
    edit->SetFocusBorder(true);
    const int w = edit->width();
    const int h = edit->height();

    QImage cold = Grab();
    for (const QPoint at : {QPoint(5, 0), QPoint(5, 1), QPoint(0, 5), QPoint(w - 2, 5),
                            QPoint(5, h - 1), QPoint(w - 1, 5)})
        EXPECT_EQ(cold.pixelColor(at), kPanel) << at.x() << "," << at.y();

    const QColor shadow = ResolveColor(clBtnShadow);
    const QColor light = ResolveColor(clBtnHighlight);
    const QColor face = ResolveColor(clBtnFace);
    const auto expectHot = [&](const QImage& hot) {
        EXPECT_EQ(hot.pixelColor(5, 0), shadow);
        EXPECT_EQ(hot.pixelColor(0, 5), shadow);
        EXPECT_EQ(hot.pixelColor(5, h - 1), light);
        EXPECT_EQ(hot.pixelColor(w - 1, 5), light);
        EXPECT_EQ(hot.pixelColor(5, 1), face);
        EXPECT_EQ(hot.pixelColor(1, 5), face);
    };
    ASSERT_TRUE(FocusEdit());
    expectHot(Grab());
    ASSERT_TRUE(FocusOn(next));
    EXPECT_EQ(Grab().pixelColor(5, 0), kPanel);

    Enter(); // the mouse over the field makes it hot as well
    expectHot(Grab());
    Leave();
    EXPECT_EQ(Grab().pixelColor(5, 0), kPanel);
}

TEST_F(AdvEditLook, AutoFocusTakesTheFocusWhenTheMouseEnters) {
    Enter();
    EXPECT_FALSE(edit->hasFocus());
    Leave();
    edit->SetAutoFocus(true);
    Enter();
    EXPECT_TRUE(edit->hasFocus());
}

TEST_F(AdvEditLook, EmptyTextShowsInGreyOnlyWhileEmptyAndUnfocused) {
    const QImage plain = Grab();
    edit->SetEmptyText("Type here");
    const QImage hinted = Grab();
    const QRect ink = Differences(plain, hinted);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.left(), 2);
    EXPECT_LE(ink.left(), 4);
    EXPECT_GE(ink.top(), 2);
    for (int y = ink.top(); y <= ink.bottom(); ++y)
        for (int x = ink.left(); x <= ink.right(); ++x) {
            const QColor c = hinted.pixelColor(x, y);
            ASSERT_TRUE(c.red() == c.green() && c.green() == c.blue() && c.red() >= 0x80)
                << x << "," << y << " is " << c.name().toStdString();
        }

    edit->SetText("x");
    const QImage withValue = Grab();
    edit->SetEmptyText("");
    EXPECT_EQ(Differences(withValue, Grab()), QRect());

    edit->SetText("");
    ASSERT_TRUE(FocusEdit());
    const QImage focusedPlain = Grab();
    edit->SetEmptyText("Type here");
    EXPECT_EQ(Differences(focusedPlain, Grab()), QRect());
}

TEST_F(AdvEditLook, CharacterPointsAreWhereTheFieldDrawsTheCharacters) {
    edit->SetText("abcdefg");
    edit->setSelection(2, 3);
    const QImage selected = Grab();
    const QRect highlight =
        PixelsOf(selected, edit->palette().color(QPalette::Active, QPalette::Highlight)) |
        PixelsOf(selected, edit->palette().color(QPalette::Inactive, QPalette::Highlight));
    ASSERT_FALSE(highlight.isEmpty());
    EXPECT_NEAR(edit->CaretPointOfChar(2).x(), highlight.left(), 1); // sub-pixel starts
    EXPECT_EQ(edit->CaretPointOfChar(5).x(), highlight.right() + 1);
    EXPECT_EQ(edit->CaretPointOfChar(2).y(), highlight.top());

    // Past the end: just right of the last character, wherever the caret is.
    edit->selectAll();
    const QImage all = Grab();
    const QRect whole =
        PixelsOf(all, edit->palette().color(QPalette::Active, QPalette::Highlight)) |
        PixelsOf(all, edit->palette().color(QPalette::Inactive, QPalette::Highlight));
    const QPoint last = edit->CaretPointOfChar(6);
    EXPECT_NEAR(edit->CaretPointOfChar(7).x(), whole.right() + 1, 1);
    edit->setCursorPosition(7);
    EXPECT_EQ(edit->CaretPointOfChar(6), last);
    EXPECT_EQ(edit->CaretPointOfChar(99), edit->CaretPointOfChar(7));

    edit->SetText("");
    EXPECT_EQ(edit->CaretPointOfChar(3), QPoint(0, 0));
}

TEST_F(AdvEditLook, ErrorMarkerRunsUnderTheMarkedCharactersWhileUnfocused) {
    edit->SetText("abcdefg");
    const QPoint c = edit->CaretPointOfChar(2);
    const QPoint e = edit->CaretPointOfChar(4);
    const QPoint g = edit->CaretPointOfChar(6);
    const int t = TextExtent(edit->font(), "gh").height() - 1;
    const QColor red(255, 0, 0);
    ASSERT_EQ(PixelsOf(Grab(), red), QRect());

    edit->SetErrorMarkerPos(2);
    edit->SetErrorMarkerLen(3);
    const QRect zigzag = PixelsOf(Grab(), red);
    ASSERT_FALSE(zigzag.isEmpty());
    // From the start of 'c' to the last tooth just past the start of 'e'; the
    // pen is two pixels wide.
    EXPECT_NEAR(zigzag.left(), c.x(), 1);
    EXPECT_GE(zigzag.right(), e.x() + 3 - 1);
    EXPECT_LE(zigzag.right(), e.x() + 6 + 1);
    EXPECT_NEAR(zigzag.top(), c.y() + t, 1);
    EXPECT_NEAR(zigzag.bottom(), c.y() + t + 3, 1);

    // A range past the end stops 4 pixels right of the start of 'g' (its last
    // tooth reaching up to 6 pixels beyond that).
    edit->SetErrorMarkerPos(5);
    edit->SetErrorMarkerLen(5);
    const QRect pastEnd = PixelsOf(Grab(), red);
    EXPECT_GE(pastEnd.right(), g.x() + 4 + 4 - 1);
    EXPECT_LE(pastEnd.right(), g.x() + 4 + 6 + 1);

    ASSERT_TRUE(FocusEdit());
    EXPECT_EQ(PixelsOf(Grab(), red), QRect());
}

TEST(AdvEditErrorMarker, TeethAreThreePixelsWideAndDeep) {
    const std::vector<QPoint> points = ErrorMarkerPoints({10, 4}, {16, 4}, 12);
    const std::vector<QPoint> expected{{10, 19}, {13, 16}, {16, 19}, {19, 16}, {22, 19}};
    EXPECT_EQ(points, expected);
    // Start beyond the end: one short stroke.
    EXPECT_EQ(ErrorMarkerPoints({30, 4}, {20, 4}, 12).size(), 2u);
}

TEST_F(AdvEditLook, DisablingShowsTheDisabledColourAndEnablingRestoresTheColour) {
    edit->SetColor(kLightGrey);
    edit->SetLabelCaption("Name:");
    QLabel* label = window.findChild<QLabel*>();
    ASSERT_NE(label, nullptr);

    edit->SetEnabled(false);
    EXPECT_EQ(edit->Color(), clSilver);
    EXPECT_EQ(Grab().pixelColor(edit->width() / 2, edit->height() / 2), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_FALSE(label->isEnabled());
    edit->SetEnabled(true);
    EXPECT_EQ(edit->Color(), kLightGrey);
    EXPECT_EQ(Grab().pixelColor(edit->width() / 2, edit->height() / 2), QColor(0xEE, 0xEE, 0xEE));
    EXPECT_TRUE(label->isEnabled());

    edit->SetLabelAlwaysEnabled(true);
    edit->SetDisabledColor(clWhite);
    edit->SetEnabled(false);
    EXPECT_EQ(edit->Color(), clWhite);
    EXPECT_TRUE(label->isEnabled());
}

// The disabled look follows Qt's enabled state, however it was switched: the
// field's own property, Qt's setter or a disabled parent.
using test::Switch;

struct EnabledCase {
    const char* name;
    std::vector<Switch> switches;
    bool own;      // Enabled() afterwards
    bool disabled; // the disabled look afterwards
};

class AdvEditEnabled : public AdvEditLook, public ::testing::WithParamInterface<EnabledCase> {};

TEST_P(AdvEditEnabled, DisabledLookFollowsQtsEnabledState) {
    edit->SetColor(kLightGrey);
    edit->SetLabelCaption("Name:");
    QLabel* label = window.findChild<QLabel*>();
    ASSERT_NE(label, nullptr);
    test::ApplySwitches(GetParam().switches, *edit, window);
    const bool disabled = GetParam().disabled;
    EXPECT_EQ(edit->Enabled(), GetParam().own);
    EXPECT_EQ(edit->Color(), disabled ? clSilver : kLightGrey);
    EXPECT_EQ(Grab().pixelColor(edit->width() / 2, edit->height() / 2),
              disabled ? QColor(0xC0, 0xC0, 0xC0) : QColor(0xEE, 0xEE, 0xEE));
    EXPECT_EQ(label->isEnabled(), !disabled);
}

INSTANTIATE_TEST_SUITE_P(
    AdvEdit, AdvEditEnabled,
    ::testing::Values(
        EnabledCase{"OwnOff", {Switch::OwnOff}, false, true},
        EnabledCase{"OwnOffThenOn", {Switch::OwnOff, Switch::OwnOn}, true, false},
        EnabledCase{"QtOff", {Switch::QtOff}, false, true},
        EnabledCase{"OwnOffThenQtOn", {Switch::OwnOff, Switch::QtOn}, true, false},
        EnabledCase{"ParentOff", {Switch::ParentOff}, true, true},
        EnabledCase{"ParentOffThenOn", {Switch::ParentOff, Switch::ParentOn}, true, false},
        EnabledCase{"OwnOffUnderDisabledParent", {Switch::ParentOff, Switch::OwnOff}, false, true},
        EnabledCase{"OwnOffOutlivesTheParent",
                    {Switch::OwnOff, Switch::ParentOff, Switch::ParentOn},
                    false,
                    true}),
    [](const ::testing::TestParamInfo<EnabledCase>& info) { return std::string(info.param.name); });

TEST_F(AdvEditLook, TransparentFieldShowsThePanel) {
    edit->SetColor(clWhite);
    const QPoint inside = edit->geometry().center();
    EXPECT_EQ(test::GrabImage(window).pixelColor(inside), QColor(Qt::white));
    edit->SetTransparent(true);
    EXPECT_EQ(test::GrabImage(window).pixelColor(inside), kPanel);
}

TEST_F(AdvEditLook, UrlLookFollowsTheValue) {
    edit->SetText("ftp://example.org");
    EXPECT_FALSE(edit->font().underline()); // only with ShowURL
    edit->SetShowURL(true);
    const auto looksLikeUrl = [this] {
        return edit->font().underline() && Foreground() == QColor(0, 0, 0xFF) &&
               edit->cursor().shape() == Qt::PointingHandCursor;
    };
    edit->SetText("www.example.org");
    EXPECT_FALSE(looksLikeUrl());
    edit->SetText("http://www.example.org");
    EXPECT_TRUE(looksLikeUrl());
    edit->SetText("@home");
    EXPECT_FALSE(edit->font().underline());
    EXPECT_EQ(edit->cursor().shape(), Qt::IBeamCursor);
    EXPECT_NE(Foreground(), QColor(0, 0, 0xFF));
    edit->SetText("me@example.org");
    EXPECT_TRUE(looksLikeUrl());
}

TEST_F(AdvEditLook, ClickOnAFocusedUrlOpensIt) {
    test::ShellOpenRecorder shell;
    edit->SetShowURL(true);
    edit->SetText("me@example.org");
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(20, 10));
    ASSERT_TRUE(edit->hasFocus());
    EXPECT_TRUE(shell.Targets().isEmpty()); // that click only brought the focus
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(shell.Targets(), QStringList{"me@example.org"});
    edit->SetText("example.org");
    QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(shell.Targets().size(), 1); // no longer a URL
}

TEST_F(AdvEditLook, LongValueHintShowsTheWholeValueOnTheField) {
    edit->SetHint("Short hint");
    const QString value = "a value far too long to be seen whole in this field";
    edit->SetText(value);
    const auto hover = [this] {
        QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), edit->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(edit, &help);
    };
    hover();
    EXPECT_EQ(QToolTip::text(), "Short hint");

    edit->SetHintShowLargeText(true);
    hover();
    EXPECT_EQ(QToolTip::text(), value);
    QWidget* tip = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->inherits("QTipLabel") && top->isVisible())
            tip = top;
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(tip->pos(), edit->mapToGlobal(QPoint(0, 0)));

    edit->SetText("short");
    hover();
    EXPECT_EQ(QToolTip::text(), "Short hint");
    QToolTip::hideText();
}

// A field with a hot border on its 3D frame: hot while the mouse is over it,
// whether or not it has the focus.
struct HotBorderCase {
    const char* Name;
    bool Focused;
    bool MouseInside;
};

void PrintTo(const HotBorderCase& row, std::ostream* out) {
    *out << row.Name;
}

class AdvEditHotBorder : public AdvEditLook, public ::testing::WithParamInterface<HotBorderCase> {};

TEST_P(AdvEditHotBorder, ShowsOnAFramedFieldOnlyWhileTheMouseIsOverIt) {
    const HotBorderCase& row = GetParam();
    edit->SetFocusBorder(true);
    const QColor shadow = ResolveColor(clBtnShadow);
    const QColor face = ResolveColor(clBtnFace);
    ASSERT_TRUE(row.Focused ? FocusEdit() : FocusOn(next));
    if (row.MouseInside)
        Enter();
    const QImage image = Grab();
    const bool hot = image.pixelColor(5, 0) == shadow && image.pixelColor(5, 1) == face &&
                     image.pixelColor(1, 5) == face;
    EXPECT_EQ(hot, row.MouseInside);
    if (row.MouseInside)
        Leave();
}

INSTANTIATE_TEST_SUITE_P(States, AdvEditHotBorder,
                         ::testing::Values(HotBorderCase{"FocusedMouseAway", true, false},
                                           HotBorderCase{"FocusedMouseOver", true, true},
                                           HotBorderCase{"UnfocusedMouseOver", false, true},
                                           HotBorderCase{"UnfocusedMouseAway", false, false}),
                         [](const auto& info) { return std::string(info.param.Name); });

// A masked field shows its own character for every one of the value.
struct MaskCharCase {
    const char* Name;
    TAdvEditType Type;
    QChar PasswordChar;
    const char* Shown;
};

void PrintTo(const MaskCharCase& row, std::ostream* out) {
    *out << row.Name;
}

class AdvEditPasswordChar : public AdvEditLook,
                            public ::testing::WithParamInterface<MaskCharCase> {};

TEST_P(AdvEditPasswordChar, IsTheCharacterShown) {
    const MaskCharCase& row = GetParam();
    edit->SetEditType(row.Type);
    if (!row.PasswordChar.isNull())
        edit->SetPasswordChar(row.PasswordChar);
    edit->SetText("abc");
    EXPECT_EQ(edit->displayText(), row.Shown);
    EXPECT_EQ(edit->Text(), "abc");
    ASSERT_TRUE(FocusEdit());
    edit->setCursorPosition(3);
    QTest::keyClick(edit, Qt::Key_D);
    EXPECT_EQ(edit->Text(), "abcd");
    EXPECT_EQ(edit->displayText(), QString(row.Shown) + QString(row.Shown).right(1));
}

INSTANTIATE_TEST_SUITE_P(
    Masks, AdvEditPasswordChar,
    ::testing::Values(MaskCharCase{"HashOnString", etString, u'#', "###"},
                      MaskCharCase{"StarOfThePasswordType", etPassword, QChar(), "***"},
                      MaskCharCase{"OwnCharOnPasswordType", etPassword, u'x', "xxx"}),
    [](const auto& info) { return std::string(info.param.Name); });

} // namespace
} // namespace maskwell
