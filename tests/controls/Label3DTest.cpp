// SPDX-License-Identifier: MIT
#include "controls/Label3D.h"

#include "platform/ShellOpen.h"
#include "platform/TextDrawing.h"
#include "tests/support/ErrorBoxRecorder.h"
#include "tests/support/PaintProbe.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/ShellOpenRecorder.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QTest>
#include <climits>
#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace maskwell {
namespace {

using namespace Label3D;

const QColor kPaper(200, 220, 240);
const QColor kShadow(90, 60, 30);
const QColor kHighlight(250, 240, 100);
const QColor kGrayText(140, 140, 140);

// Unsmoothed, so that every inked pixel has exactly the pen's colour.
QFont TestFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(13);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// A parent with a plain background and one label on it; the label's system
// colours are pinned so that the shadow, highlight and grey text are known.
struct Stage {
    explicit Stage(QSize size = QSize(160, 60)) {
        host.resize(size);
        QPalette paper;
        paper.setColor(QPalette::Window, kPaper);
        host.setPalette(paper);
        host.setAutoFillBackground(true);
        label = new TLabel3D(&host);
        QPalette colours = label->palette();
        colours.setColor(QPalette::Dark, kShadow);
        colours.setColor(QPalette::Light, kHighlight);
        colours.setColor(QPalette::Disabled, QPalette::WindowText, kGrayText);
        label->setPalette(colours);
        label->SetFont(TestFont());
        label->SetFontColor(clBlack);
        label->SetTransparent(true);
    }

    // The label fixed at a box, flat text centred in it.
    void FixedText(const QString& caption, QRect box) {
        label->SetAutoSize(false);
        label->setGeometry(box);
        label->SetTextStyle(tsNone);
        label->SetCaption(caption);
    }

    QImage Grab() { return test::GrabImage(host); }

    void Show() {
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    }

    QWidget host;
    TLabel3D* label;
};

// Compares two drawings pixel by pixel and names the first difference.
::testing::AssertionResult SameImage(const QImage& actual, const QImage& expected) {
    if (actual.size() != expected.size())
        return ::testing::AssertionFailure() << "sizes differ";
    int differences = 0;
    QString first;
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x)
            if (actual.pixel(x, y) != expected.pixel(x, y) && differences++ == 0)
                first = QStringLiteral("(%1, %2) is %3, expected %4")
                            .arg(x)
                            .arg(y)
                            .arg(QColor(actual.pixel(x, y)).name(),
                                 QColor(expected.pixel(x, y)).name());
    if (differences == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << differences << " pixels differ, first " << first.toStdString();
}

using Pass = std::pair<QPoint, QColor>;

// What the passes draw over the paper: each pass lays the text's ink pixels
// (taken from a flat drawing) down at its offset, later passes on top.
QImage Layered(const QImage& flat, const std::vector<Pass>& passes) {
    QImage expected(flat.size(), QImage::Format_RGB32);
    expected.fill(kPaper);
    for (const auto& [offset, colour] : passes)
        for (int y = 0; y < flat.height(); ++y)
            for (int x = 0; x < flat.width(); ++x) {
                const QPoint from = QPoint(x, y) - offset;
                if (flat.rect().contains(from) && flat.pixel(from) != kPaper.rgb())
                    expected.setPixel(x, y, colour.rgb());
            }
    return expected;
}

QImage TextStyled(TTextStyle style, int shift, bool enabled) {
    Stage stage;
    stage.FixedText("Maskwell", QRect(20, 10, 120, 40));
    stage.label->SetAlignment(taCenter);
    stage.label->SetLayout(tlCenter);
    stage.label->SetShift(shift);
    stage.label->SetTextStyle(style);
    stage.label->SetEnabled(enabled);
    return stage.Grab();
}

TEST(Label3DLook, EachTextStyleLaysItsCopiesUnderTheTextInOrder) {
    const QImage flat = TextStyled(tsNone, 1, true);
    const QColor black(0, 0, 0);
    ASSERT_FALSE(test::InkBounds(flat, kPaper).isEmpty());
    ASSERT_TRUE(SameImage(flat, Layered(flat, {{{0, 0}, black}})));

    struct Case {
        TTextStyle style;
        int shift;
        std::vector<Pass> effects;
    };
    const std::vector<Case> cases = {
        {tsRaised, 1, {{{1, 1}, kShadow}}},
        {tsLightRaised, 1, {{{1, 1}, kShadow}, {{-1, -1}, kHighlight}}},
        {tsRecessed, 1, {{{1, 1}, kHighlight}}},
        {tsHeavyRecessed, 1, {{{1, 1}, kHighlight}, {{-1, -1}, kShadow}}},
        {tsShadow, 3, {{{3, 3}, kShadow}}},
        {tsShadow, -2, {{{-2, -2}, kShadow}}},
    };
    for (const Case& c : cases) {
        std::vector<Pass> passes = c.effects;
        passes.push_back({{0, 0}, black});
        EXPECT_TRUE(SameImage(TextStyled(c.style, c.shift, true), Layered(flat, passes)))
            << "text style " << c.style << " shift " << c.shift;
        // Disabled: the main text greys, the copies keep their colours.
        passes.back().second = kGrayText;
        EXPECT_TRUE(SameImage(TextStyled(c.style, c.shift, false), Layered(flat, passes)))
            << "disabled text style " << c.style;
    }
    // A shadow without shift lies exactly under the text.
    EXPECT_TRUE(SameImage(TextStyled(tsShadow, 0, true), flat));
}

TEST(Label3DLook, TransparentLetsTheParentShowAndOpaqueFillsTheColour) {
    Stage stage;
    stage.FixedText("", QRect(10, 10, 50, 20));
    EXPECT_EQ(test::InkBounds(stage.Grab(), kPaper), QRect());
    stage.label->SetTransparent(false);
    stage.label->SetColor(RGBColor(1, 2, 3));
    const QImage image = stage.Grab();
    EXPECT_EQ(test::InkBounds(image, kPaper), QRect(10, 10, 50, 20));
    EXPECT_EQ(test::InkBounds(image, QColor(1, 2, 3)), image.rect());
    EXPECT_EQ(image.pixelColor(59, 29), QColor(1, 2, 3));
}

// The paper with the given regions painted in their colours.
QImage Painted(QSize size, const std::vector<std::pair<QRegion, QColor>>& areas) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(kPaper);
    QPainter painter(&image);
    for (const auto& [area, colour] : areas)
        for (const QRect& rect : area)
            painter.fillRect(rect, colour);
    return image;
}

QRegion Ring(QRect outer, int thickness) {
    return QRegion(outer) - QRegion(outer.adjusted(thickness, thickness, -thickness, -thickness));
}

TEST(Label3DBorder, DefaultBorderIsOneRectangleInTheBorderPen) {
    Stage stage;
    stage.FixedText("", QRect(10, 10, 30, 20));
    const QRect box(10, 10, 30, 20);
    const QSize size = stage.host.size();
    const QImage paper = Painted(size, {});

    stage.label->SetBorderWidth(1);
    EXPECT_TRUE(SameImage(stage.Grab(), paper)) << "Border is off";
    stage.label->SetBorder(true);
    EXPECT_TRUE(SameImage(stage.Grab(), Painted(size, {{Ring(box, 1), Qt::red}})));

    // A 3-pixel pen is centred on the outline; its outer pixel falls outside.
    stage.label->SetBorderWidth(3);
    EXPECT_TRUE(SameImage(stage.Grab(), Painted(size, {{Ring(box, 2), Qt::red}})));
    stage.label->SetBorderPenStyle(psInsideFrame);
    EXPECT_TRUE(SameImage(stage.Grab(), Painted(size, {{Ring(box, 3), Qt::red}})));
    stage.label->SetBorderPenStyle(psClear);
    EXPECT_TRUE(SameImage(stage.Grab(), paper));

    stage.label->SetBorderPenStyle(psSolid);
    stage.label->SetBorderColor(clBlue);
    stage.label->SetBorderWidth(0);
    EXPECT_TRUE(SameImage(stage.Grab(), paper)) << "BorderWidth 0 draws nothing";
    stage.label->SetBorderWidth(1);
    EXPECT_TRUE(SameImage(stage.Grab(), Painted(size, {{Ring(box, 1), Qt::blue}})));
}

TEST(Label3DBorder, BevelsDrawTheirLinesWithoutEndPoints) {
    Stage stage;
    stage.FixedText("", QRect(10, 10, 30, 20));
    stage.label->SetBorder(true);
    // Top and left lines stop short of their ends, and so do right and bottom:
    // the top-right and bottom-left corner pixels stay unpainted.
    const QRegion topLeft = QRegion(10, 10, 29, 1) + QRegion(10, 10, 1, 19);
    const QRegion bottomRight = QRegion(39, 11, 1, 19) + QRegion(11, 29, 29, 1);
    const QColor gray(128, 128, 128);
    const QColor white(255, 255, 255);
    const QSize size = stage.host.size();

    stage.label->SetBorderType(btRecessed);
    EXPECT_TRUE(SameImage(stage.Grab(), Painted(size, {{topLeft, gray}, {bottomRight, white}})));
    stage.label->SetBorderType(btRaised);
    EXPECT_TRUE(SameImage(stage.Grab(), Painted(size, {{topLeft, white}, {bottomRight, gray}})));
}

// What DrawText itself draws in black on the paper.
QImage DrawnDirectly(QSize size, const QString& text, unsigned flags) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(kPaper);
    QPainter painter(&image);
    painter.setFont(TestFont());
    painter.setPen(Qt::black);
    QRect rect(QPoint(0, 0), size);
    DrawText(painter, text, rect, flags);
    return image;
}

TEST(Label3DText, PropertiesBecomeTheTextFlags) {
    const QSize size(70, 50);
    struct Case {
        const char* name;
        std::function<void(TLabel3D&)> set;
        QString caption;
        unsigned flags;
    };
    const std::vector<Case> cases = {
        {"word wrap, centred",
         [](TLabel3D& l) {
             l.SetWordWrap(true);
             l.SetAlignment(taCenter);
         },
         "one two three", DT_EXPANDTABS | DT_CENTER | DT_WORDBREAK},
        {"right, bottom",
         [](TLabel3D& l) {
             l.SetAlignment(taRightJustify);
             l.SetLayout(tlBottom);
         },
         "&Save\tAs", DT_EXPANDTABS | DT_RIGHT | DT_BOTTOM | DT_SINGLELINE},
        {"no prefix, centred vertically",
         [](TLabel3D& l) {
             l.SetShowAccelChar(false);
             l.SetLayout(tlCenter);
         },
         "&Save", DT_EXPANDTABS | DT_NOPREFIX | DT_VCENTER | DT_SINGLELINE},
        {"end ellipsis", [](TLabel3D& l) { l.SetEllipsesStyle(esEnd); }, "Classful subnetting",
         DT_EXPANDTABS | DT_END_ELLIPSIS},
        {"path ellipsis", [](TLabel3D& l) { l.SetEllipsesStyle(esPath); },
         "/usr/share/maskwell/readme", DT_EXPANDTABS | DT_PATH_ELLIPSIS},
    };
    for (const Case& c : cases) {
        Stage stage(size);
        stage.FixedText(c.caption, QRect(QPoint(0, 0), size));
        c.set(*stage.label);
        EXPECT_TRUE(SameImage(stage.Grab(), DrawnDirectly(size, c.caption, c.flags))) << c.name;
    }
}

TEST(Label3DText, AutoSizeFitsTheUnrotatedText) {
    Stage stage;
    TLabel3D& label = *stage.label;
    label.move(100, 5);
    label.SetCaption("Subnet Mask:");
    const QSize extent = TextExtent(TestFont(), "Subnet Mask:");
    EXPECT_EQ(label.geometry(), QRect(QPoint(100, 5), extent));
    // Right-justified labels grow to the left.
    label.SetAlignment(taRightJustify);
    label.SetCaption("Mask:");
    EXPECT_EQ(label.geometry().right(), 99 + extent.width());
    EXPECT_EQ(label.width(), TextExtent(TestFont(), "Mask:").width());
    // An empty caption keeps a blank's room.
    label.SetCaption("");
    EXPECT_EQ(label.size(), TextExtent(TestFont(), " "));
}

// An auto-sized tsShadow label makes room for its shadow: none of it is cut
// off, whether the style and the shift come before the caption or after it.
TEST(Label3DText, AutoSizeKeepsRoomForTheShadow) {
    Stage flat;
    flat.label->move(10, 10);
    flat.label->SetTextStyle(tsNone);
    flat.label->SetCaption("Subnet Mask");
    Stage shadowed;
    shadowed.label->move(10, 10);
    shadowed.label->SetCaption("Subnet Mask");
    shadowed.label->SetTextStyle(tsShadow);
    shadowed.label->SetShift(3);

    EXPECT_EQ(shadowed.label->size(), flat.label->size() + QSize(3, 3));
    EXPECT_TRUE(
        SameImage(shadowed.Grab(), Layered(flat.Grab(), {{{3, 3}, kShadow}, {{0, 0}, Qt::black}})));
    shadowed.label->SetShift(0);
    EXPECT_EQ(shadowed.label->size(), flat.label->size()) << "no shadow to make room for";
}

TEST(Label3DText, EllipsesSwitchAutoSizeOffAndLeaveItOff) {
    TLabel3D label;
    ASSERT_TRUE(label.AutoSize());
    label.SetEllipsesStyle(esPath);
    EXPECT_FALSE(label.AutoSize());
    label.SetAutoSize(true);
    label.SetEllipsesStyle(esEnd);
    EXPECT_FALSE(label.AutoSize());
    label.SetEllipsesStyle(esNone);
    EXPECT_FALSE(label.AutoSize());
    label.SetAutoSize(true);
    label.SetEllipsesStyle(esNone); // unchanged: leaves AutoSize alone
    EXPECT_TRUE(label.AutoSize());
}

TEST(Label3DRotation, TextBoxFollowsTheQuadrantTable) {
    const QSize extent(101, 21);
    const auto box = [&](int angle) {
        const TRotatedTextBox b = RotatedTextBox(angle, extent);
        return std::make_pair(b.origin, b.size);
    };
    using P = std::pair<QPoint, QSize>;
    EXPECT_EQ(box(0), P({0, 0}, {101, 21}));
    EXPECT_EQ(box(30), P({0, 50}, {97, 68}));
    EXPECT_EQ(box(90), P({0, 101}, {21, 101}));
    EXPECT_EQ(box(120), P({50, 97}, {68, 97}));
    EXPECT_EQ(box(210), P({97, 18}, {97, 68}));
    EXPECT_EQ(box(300), P({18, 0}, {68, 97}));
    EXPECT_EQ(box(360), P({0, 0}, {101, 21}));
}

TEST(Label3DRotation, EscapementIsNormalisedIntoAFullTurn) {
    TLabel3D label;
    const std::vector<std::pair<int, int>> cases = {
        {-30, 330},  {-360, 0}, {360, 360}, {361, 1},       {720, 360},
        {-361, 359}, {-720, 0}, {45, 45},   {INT_MAX, 127}, {INT_MIN, 232}};
    for (const auto& [given, stored] : cases) {
        label.SetEscapement(given);
        EXPECT_EQ(label.Escapement(), stored) << given;
    }
}

TEST(Label3DRotation, QuarterTurnSizesTheLabelToHeightByWidth) {
    Stage stage(QSize(120, 160));
    TLabel3D& label = *stage.label;
    label.SetTextStyle(tsNone);
    label.move(10, 10);
    label.SetCaption("Subnet");
    label.SetEscapement(90);
    stage.Grab(); // the paint sizes the label
    const QSize extent = TextExtent(TestFont(), "Subnet");
    EXPECT_EQ(label.size(), extent.transposed());
    const QRect ink = test::InkBounds(stage.Grab(), kPaper);
    EXPECT_TRUE(label.geometry().contains(ink)) << ink.x() << "," << ink.y();
    EXPECT_GT(ink.height(), extent.width() * 3 / 4); // it runs upwards
    EXPECT_LT(ink.width(), extent.height());
}

TEST(Label3DRotation, RotatedTextIsPlacedByAlignmentWhenNotAutoSized) {
    const auto inkAt = [](TAlignment alignment) {
        Stage stage(QSize(140, 100));
        stage.FixedText("Subnet", QRect(10, 10, 100, 80));
        stage.label->SetAlignment(alignment);
        stage.label->SetLayout(tlBottom); // plays no part for rotated text
        stage.label->SetEscapement(90);
        return test::InkBounds(stage.Grab(), kPaper);
    };
    const int spare = 100 - TextExtent(TestFont(), "Subnet").height();
    const QRect left = inkAt(taLeftJustify);
    ASSERT_FALSE(left.isEmpty());
    EXPECT_LT(left.top(), 10 + 5);
    EXPECT_EQ(inkAt(taCenter), left.translated(spare / 2, 0));
    EXPECT_EQ(inkAt(taRightJustify), left.translated(spare, 0));
}

TEST(Label3DRotation, FullTurnDrawsPlainTextIgnoringTheFlags) {
    const QSize size(60, 40);
    Stage rotated(size);
    rotated.FixedText("A&B wide text", QRect(QPoint(0, 0), size));
    rotated.label->SetWordWrap(true);
    rotated.label->SetLayout(tlBottom);
    rotated.label->SetEllipsesStyle(esEnd);
    rotated.label->SetEscapement(360);
    EXPECT_EQ(rotated.label->Escapement(), 360);
    // One line at the top, the ampersand shown, nothing trimmed, clipped only
    // by the label.
    EXPECT_TRUE(SameImage(rotated.Grab(), DrawnDirectly(size, "A&B wide text", DT_NOPREFIX)));
}

struct LinkStage : Stage {
    LinkStage() : Stage(QSize(200, 80)) {
        FixedText("example", QRect(20, 20, 100, 20));
        label->SetFontColor(clBlue);
        QObject::connect(label, &TLabel3D::Clicked, [this] {
            events << QStringLiteral("click after %1 opens").arg(shell.Targets().size());
        });
        QObject::connect(label, &TLabel3D::MouseEntered, [this] { events << "enter"; });
        QObject::connect(label, &TLabel3D::MouseExited, [this] { events << "exit"; });
        Show();
    }
    void Enter() { QTest::mouseMove(label, QPoint(5, 5)); }
    void Leave() { QTest::mouseMove(&host, QPoint(190, 70)); }
    void Click() { QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(5, 5)); }
    bool HasInk(QColor colour) {
        const QImage image = Grab();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) == colour.rgb())
                    return true;
        return false;
    }

    test::ShellOpenRecorder shell;
    QStringList events;
};

TEST(Label3DLink, WebAddressLightsUpUnderThePointerAndOpensOnClick) {
    LinkStage stage;
    TLabel3D& label = *stage.label;
    label.SetLabelStyle(lsWWWAddress);
    label.SetAddress("www.example.com");

    stage.Enter();
    EXPECT_TRUE(label.Font().underline());
    EXPECT_EQ(label.FontColor(), clRed);
    EXPECT_EQ(label.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(stage.HasInk(Qt::red));
    EXPECT_FALSE(stage.HasInk(Qt::blue));

    stage.Click();
    EXPECT_EQ(stage.shell.Targets(), QStringList{"www.example.com"});
    EXPECT_EQ(label.cursor().shape(), Qt::PointingHandCursor);

    stage.Leave();
    EXPECT_FALSE(label.Font().underline());
    EXPECT_EQ(label.Font().bold(), TestFont().bold());
    EXPECT_EQ(label.FontColor(), clBlue);
    EXPECT_FALSE(label.testAttribute(Qt::WA_SetCursor));
    EXPECT_TRUE(stage.HasInk(Qt::blue));
    EXPECT_EQ(stage.events, (QStringList{"enter", "click after 1 opens", "exit"}));
}

TEST(Label3DLink, EMailAddressOpensAMailtoAndAnEmptyAddressOnlyClicks) {
    LinkStage stage;
    stage.label->SetLabelStyle(lsEMailAddress);
    stage.label->SetAddress("abc");
    stage.Click();
    EXPECT_EQ(stage.shell.Targets(), QStringList{"mailto:abc"});
    stage.label->SetAddress("");
    stage.Click();
    stage.label->SetLabelStyle(lsWWWAddress);
    stage.Click();
    EXPECT_EQ(stage.shell.Targets(), QStringList{"mailto:abc"});
    EXPECT_EQ(stage.events.filter("click"),
              (QStringList{"click after 1 opens", "click after 1 opens", "click after 1 opens"}));
}

// A click whose open fails: only the open failure is dropped (the click still
// fires), anything else reaches the error box; the hand cursor comes back
// either way.
struct FailedOpenCase {
    const char* name;
    std::function<void()> fail;
    QStringList events;
    QStringList errors;
};

class Label3DFailedOpen : public ::testing::TestWithParam<FailedOpenCase> {};

TEST_P(Label3DFailedOpen, AFailedOpenIsDroppedAndTheClickStillFires) {
    LinkStage stage;
    stage.label->SetLabelStyle(lsWWWAddress);
    stage.label->SetAddress("www.example.com");
    stage.Enter();
    const ShellOpenHandler recorder =
        SetShellOpenHandler([](const QString&) { GetParam().fail(); });
    test::ErrorBoxRecorder errors;
    stage.Click();
    SetShellOpenHandler(recorder);
    EXPECT_EQ(stage.events.filter("click"), GetParam().events);
    EXPECT_EQ(errors.Messages(), GetParam().errors);
    EXPECT_EQ(stage.label->cursor().shape(), Qt::PointingHandCursor);
}

INSTANTIATE_TEST_SUITE_P(
    Label3DLink, Label3DFailedOpen,
    ::testing::Values(FailedOpenCase{"OpenFailure", [] { throw ShellOpenError("no browser"); },
                                     QStringList{"click after 0 opens"}, QStringList{}},
                      FailedOpenCase{"OtherFailure",
                                     [] { throw std::runtime_error("out of handles"); },
                                     QStringList{}, QStringList{"out of handles"}}),
    [](const ::testing::TestParamInfo<FailedOpenCase>& info) {
        return std::string(info.param.name);
    });

TEST(Label3DLink, DefaultStyleKeepsItsLookButReportsEnterAndExit) {
    LinkStage stage;
    TLabel3D& label = *stage.label;
    label.setCursor(Qt::PointingHandCursor); // as the About window's link label has
    label.SetAddress("www.example.com");
    const QImage idle = stage.Grab();
    stage.Enter();
    EXPECT_FALSE(label.Font().underline());
    EXPECT_EQ(label.FontColor(), clBlue);
    EXPECT_TRUE(SameImage(stage.Grab(), idle));
    stage.Click();
    stage.Leave();
    EXPECT_EQ(label.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(stage.shell.Targets().isEmpty());
    EXPECT_EQ(stage.events, (QStringList{"enter", "click after 0 opens", "exit"}));
}

TEST(Label3DLink, OnlyALeftPressAndReleaseOnTheLabelClicks) {
    LinkStage stage;
    QTest::mouseClick(stage.label, Qt::RightButton, {}, QPoint(5, 5));
    QTest::mousePress(stage.label, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(stage.label, Qt::LeftButton, {}, QPoint(150, 5));
    EXPECT_TRUE(stage.events.filter("click").isEmpty());
    stage.Click();
    EXPECT_EQ(stage.events.filter("click").size(), 1);
}

// Given a focus policy, a label is a link the keyboard reaches: it shows the
// focus and Return, Enter and Space click it.
TEST(Label3DLink, AFocusableLabelShowsTheFocusAndKeysClickIt) {
    LinkStage stage;
    TLabel3D& label = *stage.label;
    label.SetLabelStyle(Label3D::lsWWWAddress);
    label.SetAddress("www.example.com");
    const QImage idle = stage.Grab();
    label.setFocusPolicy(Qt::TabFocus);
    QApplication::setActiveWindow(&stage.host);
    stage.host.setAttribute(Qt::WA_KeyboardFocusChange); // the style frames a keyboard focus
    label.setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return label.hasFocus(); }));
    EXPECT_FALSE(SameImage(stage.Grab(), idle)) << "the focus frame";
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_X})
        QTest::keyClick(&label, key);
    EXPECT_EQ(stage.events.filter("click").size(), 3);
    EXPECT_EQ(stage.shell.Targets().size(), 3);
}

// Counts paints, to tell the setters that repaint at once from those that
// invalidate.
class CountingLabel : public TLabel3D {
public:
    using TLabel3D::TLabel3D;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* event) override {
        ++paints;
        TLabel3D::paintEvent(event);
    }
};

TEST(Label3DProperties, StartWithTheirInitialValues) {
    const TLabel3D label;
    EXPECT_EQ(label.BorderColor(), clRed);
    EXPECT_EQ(label.BorderPenStyle(), psSolid);
    EXPECT_EQ(label.BorderWidth(), 1);
    EXPECT_FALSE(label.Border());
    EXPECT_EQ(label.BorderType(), btDefault);
    EXPECT_EQ(label.Escapement(), 0);
    EXPECT_EQ(label.TextStyle(), tsRaised);
    EXPECT_EQ(label.LabelStyle(), lsDefault);
    EXPECT_EQ(label.Address(), "");
    EXPECT_EQ(label.EllipsesStyle(), esNone);
    EXPECT_EQ(label.Shift(), 1);
    EXPECT_EQ(label.Font().family(), "Arial");
    EXPECT_EQ(label.Font().pixelSize(), 11);
    EXPECT_EQ(label.FontColor(), clWindowText);
    EXPECT_EQ(label.Alignment(), taLeftJustify);
    EXPECT_TRUE(label.AutoSize());
    EXPECT_EQ(label.Layout(), tlTop);
    EXPECT_FALSE(label.WordWrap());
    EXPECT_TRUE(label.ShowAccelChar());
    EXPECT_TRUE(label.Enabled());
    EXPECT_EQ(label.Caption(), "");
}

// Starting in a font is the same as starting in the default and setting the
// font: the same font, own in every attribute, and the same autosized box.
TEST(Label3DProperties, StartingInAFontEqualsSettingItAfterwards) {
    QWidget host;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(15);
    font.setBold(true);
    TLabel3D set(&host);
    set.SetFont(font);
    const TLabel3D started(font, &host);
    EXPECT_EQ(started.Font(), set.Font());
    EXPECT_EQ(started.Font().resolveMask(), set.Font().resolveMask());
    EXPECT_EQ(started.geometry(), set.geometry());
    EXPECT_NE(started.size(), TLabel3D(&host).size()) << "the font was not measured";
}

TEST(Label3DProperties, SettersRepaintAtOnceOrInvalidateAsEachOneDoes) {
    QWidget host;
    host.resize(100, 40);
    auto* label = new CountingLabel(&host);
    label->SetCaption("Label");
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    QCoreApplication::processEvents();
    const auto paintsNow = [&] { return std::exchange(label->paints, 0); };
    const auto paintsLater = [&] {
        QCoreApplication::processEvents();
        return paintsNow();
    };
    paintsLater();

    // Repaint at once, with no equality test.
    for (const auto& set : std::vector<std::function<void()>>{
             [&] { label->SetBorderColor(label->BorderColor()); },
             [&] { label->SetBorderPenStyle(label->BorderPenStyle()); },
             [&] { label->SetBorderWidth(label->BorderWidth()); },
             [&] { label->SetBorder(label->Border()); }}) {
        set();
        EXPECT_EQ(paintsNow(), 1);
    }
    // Repaint at once when changed.
    label->SetBorderType(btRaised);
    label->SetShift(4);
    EXPECT_EQ(paintsNow(), 2);
    label->SetBorderType(btRaised);
    label->SetShift(4);
    EXPECT_EQ(paintsLater(), 0);
    // Invalidate when changed.
    label->SetTextStyle(tsShadow);
    label->SetEscapement(-30);
    label->SetEllipsesStyle(esEnd);
    EXPECT_EQ(paintsNow(), 0);
    EXPECT_GE(paintsLater(), 1);
    label->SetTextStyle(tsShadow);
    label->SetEscapement(330);
    label->SetEllipsesStyle(esEnd);
    label->SetLabelStyle(lsEMailAddress); // never repaints
    EXPECT_EQ(paintsLater(), 0);
}

TEST(Label3DProperties, AcceleratorFocusesTheFocusControl) {
    QWidget host;
    auto* label = new TLabel3D(&host);
    auto* edit = new QLineEdit(&host);
    auto* other = new QLineEdit(&host);
    other->move(0, 40);
    label->SetCaption("&Subnet");
    label->SetFocusControl(edit);
    host.show();
    host.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    other->setFocus();
    QTest::keyClick(other, Qt::Key_S, Qt::AltModifier);
    EXPECT_TRUE(edit->hasFocus());
    other->setFocus();
    label->SetShowAccelChar(false);
    QTest::keyClick(other, Qt::Key_S, Qt::AltModifier);
    EXPECT_TRUE(other->hasFocus());
}

} // namespace
} // namespace maskwell
