// SPDX-License-Identifier: MIT
#include "controls/QlCheckBox.h"

#include "core/Error.h"
#include "platform/BitmapResource.h"
#include "platform/ErrorBox.h"
#include "platform/Fonts.h"
#include "platform/TextDrawing.h"
#include "tests/support/ErrorBoxRecorder.h"
#include "tests/support/PaintProbe.h"
#include "tests/support/QtPrinters.h"

#include <QCursor>
#include <QLineEdit>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace maskwell {
namespace {

using test::GrabImage;
using test::InkBounds;

const QColor kParentColor(0x33, 0x66, 0x99);
constexpr TColor kDarkGreen = RGBColor(12, 97, 63);
constexpr TColor kCaptionBlue = RGBColor(0, 0, 200);

// Counts the events of one type that reach a widget.
class EventCounter : public QObject {
public:
    EventCounter(QWidget& widget, QEvent::Type type) : type_(type) {
        widget.installEventFilter(this);
    }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == type_)
            ++count;
        return false;
    }

private:
    QEvent::Type type_;
};

// A check box on a coloured parent, driven through the window as a user would:
// the pointer is put in place with QCursor::setPos (the control reads the
// cursor; offscreen, setPos also delivers the move and the enter and leave),
// and the buttons go through the window, so Qt's own grab and double-click
// detection take part.
class QlCheckBox : public ::testing::Test {
protected:
    QlCheckBox() {
        host.resize(200, 50);
        host.setAutoFillBackground(true);
        QPalette palette = host.palette();
        palette.setColor(QPalette::Window, kParentColor);
        host.setPalette(palette);
        box.move(7, 9);
        QObject::connect(&box, &TQlCheckBox::Clicked,
                         [this] { checkedAtClick.push_back(box.Checked()); });
        host.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&host));
        PointAt(kAway);
    }

    // The main window's "Use Inversed Mask".
    void LookLikeTheMainWindows() {
        box.setGeometry(0, 8, 153, 17);
        box.SetCaption("Use Inversed Mask");
        box.SetCustomColor(ccRed);
        box.SetHiLigthMode(true);
        box.SetHiLigthColor(kDarkGreen);
        box.SetFontColor(clBlack);
        box.SetBackgroundColor(clSilver);
        box.SetFont(PixelFont("Verdana", 9));
    }

    void PointAt(QPoint point) {
        QCursor::setPos(box.mapToGlobal(point));
        QCoreApplication::processEvents();
    }
    void Press(QPoint point, Qt::MouseButton button = Qt::LeftButton) {
        PointAt(point);
        QTest::mousePress(host.windowHandle(), button, {}, box.mapTo(&host, point));
    }
    void Release(QPoint point, Qt::MouseButton button = Qt::LeftButton) {
        PointAt(point);
        QTest::mouseRelease(host.windowHandle(), button, {}, box.mapTo(&host, point));
    }
    void Click(QPoint point, Qt::MouseButton button = Qt::LeftButton) {
        Press(point, button);
        Release(point, button);
    }

    QImage Shot() { return GrabImage(host).copy(box.geometry()); }

    // What the box should look like: the resource at (0, 0) and the caption in
    // the given colour with its text cell's top-left at (21, 0), on the parent.
    QImage Expected(const char* resource, TColor captionColor) {
        test::PaintProbe probe(box.size(), [&](QPainter& painter) {
            painter.fillRect(QRect(QPoint(), box.size()), kParentColor);
            painter.drawImage(0, 0, LoadBitmapResource(resource));
            painter.setFont(box.CanvasFont());
            painter.setPen(ResolveColor(captionColor));
            TextOut(painter, 21, 0, box.Caption());
        });
        QImage image = probe.Grab();
        EXPECT_FALSE(InkBounds(image.copy(16, 0, image.width() - 16, image.height()), kParentColor)
                         .isEmpty())
            << "the caption draws nothing: the comparison would prove nothing";
        return image;
    }

    static constexpr QPoint kInside{10, 8};
    static constexpr QPoint kAway{150, 20}; // on the parent, right of the box

    QWidget host;
    TQlCheckBox box{&host};
    std::vector<bool> checkedAtClick; // one entry per Clicked
};

TEST_F(QlCheckBox, StartsAsDescribed) {
    const TQlCheckBox fresh;
    EXPECT_EQ(fresh.Caption(), "QlCheckBox");
    EXPECT_EQ(fresh.size(), QSize(97, 16));
    EXPECT_TRUE(fresh.Enabled());
    EXPECT_FALSE(fresh.Checked());
    EXPECT_EQ(fresh.CustomColor(), ccBlue);
    EXPECT_FALSE(fresh.HiLigthMode());
    EXPECT_EQ(fresh.HiLigthColor(), clBlack);
    EXPECT_EQ(fresh.FontColor(), clBlack);
    EXPECT_EQ(fresh.BackgroundColor(), clBtnFace);
    EXPECT_TRUE(fresh.About().isEmpty());
    EXPECT_FALSE(fresh.TabStop());
    EXPECT_EQ(fresh.focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(fresh.Font().pixelSize(), 11) << "8 points";
    EXPECT_FALSE(fresh.Font().bold() || fresh.Font().italic() || fresh.Font().underline());
}

TEST_F(QlCheckBox, DrawsTheChosenBitmapExactlyAtTheOrigin) {
    struct Case {
        bool enabled;
        bool checked;
        TGCustomColor color;
        const char* resource;
        QRgb mark; // the mark's colour at (15, 1), 0 where there is no mark
    };
    const Case cases[] = {
        {true, false, ccBlue, "CHKOFF", 0},
        {true, false, ccRed, "CHKOFF", 0},
        {true, true, ccBlue, "CHKBLU", qRgb(0, 0, 255)},
        {true, true, ccRed, "CHKRED", qRgb(255, 0, 0)},
        {true, true, ccGreen, "CHKGRE", qRgb(0, 255, 0)},
        {true, true, static_cast<TGCustomColor>(3), "CHKOFF", 0},
        {false, true, ccRed, "CHKDISABLEDON", 0},
        {false, false, ccRed, "CHKDISABLEDOFF", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.resource);
        box.SetEnabled(c.enabled);
        box.SetChecked(c.checked);
        box.SetCustomColor(c.color);
        const QImage drawn = Shot().copy(0, 0, 16, 16);
        EXPECT_EQ(drawn, LoadBitmapResource(c.resource).convertToFormat(QImage::Format_RGB32));
        if (c.mark) {
            EXPECT_EQ(drawn.pixel(15, 1), 0xFF000000 | c.mark);
        }
    }
    EXPECT_TRUE(checkedAtClick.empty()) << "setting Checked in code reports no click";
}

TEST_F(QlCheckBox, TheParentShowsWhereverNothingIsDrawn) {
    box.SetBackgroundColor(clRed);
    box.SetCaption("");
    const QImage shot = Shot();
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (x >= 16 || y >= 16) {
                ASSERT_EQ(shot.pixel(x, y), kParentColor.rgb()) << x << ", " << y;
            }

    box.SetCaption("QlCheckBox");
    const QImage before = Shot();
    box.SetBackgroundColor(clWhite);
    EXPECT_EQ(Shot(), before) << "BackgroundColor is never drawn";
}

TEST_F(QlCheckBox, CaptionColourFollowsPointerModeAndEnabled) {
    LookLikeTheMainWindows();
    EXPECT_EQ(Shot(), Expected("CHKOFF", clBlack));

    PointAt(kInside);
    EXPECT_EQ(Shot(), Expected("CHKOFF", kDarkGreen)) << "hot with HiLigthMode";
    PointAt(kAway);
    EXPECT_EQ(Shot(), Expected("CHKOFF", clBlack)) << "back after the pointer left";

    box.SetHiLigthMode(false);
    box.SetFontColor(kCaptionBlue);
    PointAt(kInside);
    EXPECT_EQ(Shot(), Expected("CHKOFF", kCaptionBlue)) << "HiLigthMode off";

    box.SetHiLigthMode(true);
    box.SetChecked(true);
    box.SetEnabled(false);
    PointAt({12, 9});
    EXPECT_EQ(Shot(), Expected("CHKDISABLEDON", clGray)) << "disabled, pointer over it";
}

TEST_F(QlCheckBox, CaptionSizeGoesThroughWholePoints) {
    box.SetFont(PixelFont("Verdana", 9, true));
    EXPECT_EQ(box.CanvasFont().family(), PixelFont("Verdana", 9).family()); // the font's own family
    EXPECT_EQ(box.CanvasFont().pixelSize(), 9);
    EXPECT_TRUE(box.CanvasFont().bold());
    box.SetFont(PixelFont("Verdana", 10)); // 7.5 points, rounded up to 8
    EXPECT_EQ(box.CanvasFont().pixelSize(), 11);
    EXPECT_FALSE(box.CanvasFont().bold());
}

TEST_F(QlCheckBox, EachClickTogglesOnceAndReportsClickedAfterTheToggle) {
    Click(kInside);
    EXPECT_TRUE(box.Checked());
    Click(kInside);
    EXPECT_FALSE(box.Checked());
    EXPECT_EQ(checkedAtClick, (std::vector<bool>{true, false}));
}

TEST_F(QlCheckBox, APressAndReleaseInTheMarginStillToggle) {
    const QPoint margin[] = {{0, 0}, {1, 8}, {50, 13}, {95, 8}, {96, 15}};
    for (const QPoint point : margin)
        Click(point);
    EXPECT_EQ(checkedAtClick.size(), std::size(margin));
}

TEST_F(QlCheckBox, AReleaseAfterThePointerLeftDoesNotToggle) {
    Press(kInside);
    Release(kAway); // Qt still delivers it to the box
    Press(kInside);
    PointAt(kAway);
    Release(kInside); // back again: the press was forgotten on the way out
    EXPECT_FALSE(box.Checked());
    EXPECT_TRUE(checkedAtClick.empty());

    Click(kInside);
    EXPECT_TRUE(box.Checked()) << "the next click works again";
}

TEST_F(QlCheckBox, OtherButtonsDoNothingAndNoPressReachesTheParent) {
    EventCounter parentPresses(host, QEvent::MouseButtonPress);
    Click(kInside, Qt::RightButton);
    Click(kInside, Qt::MiddleButton);
    EXPECT_FALSE(box.Checked());
    EXPECT_TRUE(checkedAtClick.empty());
    Click(kInside);
    EXPECT_EQ(parentPresses.count, 0);
}

TEST_F(QlCheckBox, ADoubleClickTogglesOnce) {
    PointAt(kInside);
    QTest::mouseDClick(host.windowHandle(), Qt::LeftButton, {}, box.mapTo(&host, kInside));
    EXPECT_TRUE(box.Checked());
    EXPECT_EQ(checkedAtClick.size(), 1u);
}

TEST_F(QlCheckBox, DisabledItNeverTogglesYetKeepsThePointer) {
    EventCounter parentPresses(host, QEvent::MouseButtonPress);
    box.SetEnabled(false);
    EXPECT_TRUE(box.isEnabled());
    Click(kInside);
    EXPECT_FALSE(box.Checked());
    EXPECT_TRUE(checkedAtClick.empty());
    EXPECT_EQ(parentPresses.count, 0);

    // A press arms the box even while it is disabled.
    Press(kInside);
    box.SetEnabled(true);
    Release(kInside);
    EXPECT_TRUE(box.Checked());
}

TEST_F(QlCheckBox, RepaintsAtOnceOnlyWhenTheHotStateChanges) {
    EventCounter paints(box, QEvent::Paint);
    // The hot area: (2, 2) to (94, 12) with corners rounded by an 8 x 8 ellipse.
    const struct {
        QPoint point;
        bool hot;
    } cases[] = {{{4, 4}, true},  {{2, 2}, false},  {{2, 6}, true},   {{94, 12}, false},
                 {{94, 8}, true}, {{95, 8}, false}, {{50, 12}, true}, {{50, 13}, false},
                 {{50, 2}, true}, {{50, 1}, false}};
    for (const auto& c : cases) {
        PointAt({0, 0});
        paints.count = 0;
        PointAt(c.point);
        EXPECT_EQ(paints.count, c.hot ? 1 : 0) << c.point.x() << ", " << c.point.y();
    }

    PointAt({0, 0});
    PointAt(kInside);
    paints.count = 0;
    PointAt({12, 9});
    EXPECT_EQ(paints.count, 0) << "still hot";
    PointAt(kAway);
    EXPECT_EQ(paints.count, 1) << "hot to normal on leaving";

    PointAt({0, 0});
    paints.count = 0;
    PointAt(kAway);
    EXPECT_EQ(paints.count, 0) << "nothing changed";
    box.SetHiLigthMode(true);
    PointAt({0, 0});
    PointAt(kAway);
    EXPECT_EQ(paints.count, 1) << "leaving restores the caption colour";

    PointAt({0, 0});
    paints.count = 0;
    Press({0, 0});
    EXPECT_EQ(paints.count, 0) << "a press in the margin changes no state";
    Release({0, 0});
    PointAt(kInside);
    paints.count = 0;
    Press(kInside);
    EXPECT_EQ(paints.count, 1) << "hot to pressed";
    Release(kInside);
}

TEST_F(QlCheckBox, FailuresReachTheErrorBox) {
    test::ErrorBoxRecorder errors;
    // A receiver that fails, guarded as every receiver in the program is.
    QObject::connect(&box, &TQlCheckBox::Clicked,
                     [] { Guarded([] { throw Error("'x' is not a valid integer value"); }); });
    Click(kInside);
    EXPECT_TRUE(box.Checked()) << "the toggle stays";

    class Broken : public TQlCheckBox {
        using TQlCheckBox::TQlCheckBox;
        std::string BoxResourceName() const override { return "CHKNONE"; }
    } broken(&host);
    broken.move(0, 30);
    broken.show();
    const QImage shot = GrabImage(host).copy(broken.geometry());
    EXPECT_EQ(errors.Messages(),
              QStringList({"'x' is not a valid integer value", "Resource CHKNONE not found"}));
    EXPECT_TRUE(InkBounds(shot, kParentColor).isEmpty()) << "nothing drawn, not even the caption";
}

TEST_F(QlCheckBox, WithTabStopTabReachesItSpaceTogglesAndTheFocusShows) {
    QLineEdit edit(&host);
    edit.move(110, 30);
    edit.show();
    host.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    edit.setFocus();
    QTest::keyClick(&edit, Qt::Key_Tab);
    EXPECT_TRUE(edit.hasFocus()) << "Tab passes the box by without TabStop";
    QTest::keyClick(&box, Qt::Key_Space);
    EXPECT_FALSE(box.Checked());

    box.SetTabStop(true);
    const QImage unfocused = Shot();
    QTest::keyClick(&edit, Qt::Key_Tab);
    ASSERT_TRUE(box.hasFocus());
    EXPECT_NE(Shot(), unfocused);
    QTest::keyClick(&box, Qt::Key_Space);
    EXPECT_TRUE(box.Checked());
    EXPECT_EQ(checkedAtClick.size(), 1u);

    box.SetEnabled(false);
    EXPECT_TRUE(edit.hasFocus()) << "a disabled box hands the focus on";
    QTest::keyClick(&box, Qt::Key_Space);
    EXPECT_TRUE(box.Checked());
}

} // namespace
} // namespace maskwell
