// SPDX-License-Identifier: MIT
#include "platform/WindowDrag.h"

#include <QMouseEvent>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>
#include <vector>

namespace maskwell {
namespace {

// A page of a window that drags the window from any press, and counts the
// pointer events that still reach it.
class DragPage : public QWidget {
public:
    using QWidget::QWidget;
    int moves = 0;
    int releases = 0;

protected:
    void mousePressEvent(QMouseEvent* event) override { StartWindowDrag(this, *event); }
    void mouseMoveEvent(QMouseEvent*) override { ++moves; }
    void mouseReleaseEvent(QMouseEvent*) override { ++releases; }
};

class WindowDrag : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(200, 120);
        page.setGeometry(10, 30, 180, 80);
        page.setMouseTracking(true);
        window.move(100, 100);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QWidget window;
    DragPage page{&window};
};

TEST_F(WindowDrag, WindowFollowsThePointerUntilTheRelease) {
    const QPoint start = window.pos();
    QTest::mousePress(&page, Qt::LeftButton, {}, QPoint(20, 15));
    const QPoint pressGlobal = page.mapToGlobal(QPoint(20, 15));
    // The page's own coordinates move with the window; the offset from the
    // pointer to the window's corner stays what it was at the press.
    QTest::mouseMove(&page, QPoint(50, 40));
    EXPECT_EQ(window.pos(), start + QPoint(30, 25));
    QTest::mouseMove(&page, QPoint(10, 5));
    EXPECT_EQ(window.pos(), start + QPoint(30, 25) + QPoint(-10, -10));
    EXPECT_EQ(page.mapToGlobal(QPoint(20, 15)) - window.pos(), pressGlobal - start);
    QTest::mouseRelease(&page, Qt::LeftButton, {}, QPoint(10, 5));
    const QPoint dropped = window.pos();
    QTest::mouseMove(&page, QPoint(60, 60));
    EXPECT_EQ(window.pos(), dropped);
    // The move took the pointer events of the drag; later ones reach the page.
    EXPECT_EQ(page.releases, 0);
    EXPECT_EQ(page.moves, 1);
}

TEST_F(WindowDrag, AnyButtonDragsAndEachPressStartsAfresh) {
    const QPoint start = window.pos();
    QTest::mousePress(&page, Qt::RightButton, {}, QPoint(5, 5));
    QTest::mouseMove(&page, QPoint(25, 5));
    QTest::mouseRelease(&page, Qt::RightButton, {}, QPoint(25, 5));
    EXPECT_EQ(window.pos(), start + QPoint(20, 0));
    QTest::mousePress(&page, Qt::MiddleButton, {}, QPoint(40, 40));
    QTest::mouseMove(&page, QPoint(40, 10));
    QTest::mouseRelease(&page, Qt::MiddleButton, {}, QPoint(40, 10));
    EXPECT_EQ(window.pos(), start + QPoint(20, -30));
}

// With a window manager that takes the move over, as on a desktop.
struct ManagedDragCase {
    const char* Name;
    Qt::MouseButton Button;
    bool SystemMove; // the window manager moves the window
};

class ManagedWindowDrag : public WindowDrag, public ::testing::WithParamInterface<ManagedDragCase> {
protected:
    void SetUp() override {
        WindowDrag::SetUp();
        previous = SetSystemMoveStarter([this](QWindow& moved) {
            systemMoves.push_back(&moved);
            return true; // the window manager follows the pointer from here
        });
    }
    void TearDown() override { SetSystemMoveStarter(std::move(previous)); }

    SystemMoveStarter previous;
    std::vector<QWindow*> systemMoves;
};

// The window manager's move ends with the left button only, so it is asked for
// left-button drags alone; any other button is followed here and ends on its
// own release.
TEST_P(ManagedWindowDrag, OnlyTheLeftButtonHandsTheMoveToTheWindowManager) {
    const ManagedDragCase& row = GetParam();
    const QPoint start = window.pos();
    QTest::mousePress(&page, row.Button, {}, QPoint(20, 15));
    QTest::mouseMove(&page, QPoint(50, 40));
    QTest::mouseRelease(&page, row.Button, {}, QPoint(50, 40));
    const QPoint released = window.pos();
    QTest::mouseMove(&page, QPoint(70, 70));

    if (row.SystemMove) {
        EXPECT_EQ(systemMoves, std::vector<QWindow*>{window.windowHandle()});
        EXPECT_EQ(released, start) << "the window manager moves it, not the pointer events";
    } else {
        EXPECT_TRUE(systemMoves.empty());
        EXPECT_EQ(released, start + QPoint(30, 25));
    }
    EXPECT_EQ(window.pos(), released) << "nothing follows the pointer after the release";
}

INSTANTIATE_TEST_SUITE_P(Buttons, ManagedWindowDrag,
                         ::testing::Values(ManagedDragCase{"Left", Qt::LeftButton, true},
                                           ManagedDragCase{"Right", Qt::RightButton, false},
                                           ManagedDragCase{"Middle", Qt::MiddleButton, false}),
                         [](const auto& info) { return std::string(info.param.Name); });

} // namespace
} // namespace maskwell
