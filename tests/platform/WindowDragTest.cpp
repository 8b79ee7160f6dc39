#include "platform/WindowDrag.h"

#include <QMouseEvent>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

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

} // namespace
} // namespace maskwell
