// SPDX-License-Identifier: MIT
#include "platform/PageControl.h"

#include "platform/Bevel.h"
#include "platform/Color.h"
#include "tests/support/QtPrinters.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace maskwell {
namespace {

class PageControl : public ::testing::Test {
protected:
    PageControl() {
        window.resize(300, 260);
        pages.setGeometry(4, 4, 272, 242);
        first = pages.AddPage("Subnet Info");
        second = pages.AddPage("Address Info");
        child = new QLabel("on the page", first);
        child->setGeometry(10, 40, 80, 20);
        window.show();
    }

    QWidget window;
    TPageControl pages{&window};
    TTabSheet* first = nullptr;
    TTabSheet* second = nullptr;
    QLabel* child = nullptr;
};

TEST_F(PageControl, FirstPageIsActiveAndAClickOnATabSwitches) {
    EXPECT_EQ(pages.ActivePageIndex(), 0);
    EXPECT_TRUE(first->isVisible());
    EXPECT_FALSE(second->isVisible());
    EXPECT_TRUE(pages.Tab(0)->isChecked());

    QTest::mouseClick(pages.Tab(1), Qt::LeftButton);
    EXPECT_EQ(pages.ActivePageIndex(), 1);
    EXPECT_TRUE(second->isVisible());
    EXPECT_TRUE(pages.Tab(1)->isChecked());
    EXPECT_FALSE(pages.Tab(0)->isChecked());
}

TEST_F(PageControl, KeyboardSwitchesPages) {
    pages.setFocus();
    QTest::keyClick(&pages, Qt::Key_Right);
    EXPECT_EQ(pages.ActivePageIndex(), 1);
    QTest::keyClick(&pages, Qt::Key_Right);
    EXPECT_EQ(pages.ActivePageIndex(), 0) << "wraps round";
    QTest::keyClick(&pages, Qt::Key_Left);
    EXPECT_EQ(pages.ActivePageIndex(), 1);
}

TEST_F(PageControl, ArrowsAControlOnAPagePassesOnSwitchNoPage) {
    auto* list = new QComboBox(first);
    list->addItems({"10", "11"});
    list->show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    list->setFocus();
    QTest::keyClick(window.windowHandle(), Qt::Key_Right);
    EXPECT_EQ(pages.ActivePageIndex(), 0);
    EXPECT_TRUE(list->hasFocus());
}

TEST_F(PageControl, PagesFillTheAreaBelowTheTabs) {
    const QRect area = pages.PageRect();
    EXPECT_GE(area.width(), 264);
    EXPECT_GE(area.height(), 212);
    EXPECT_GT(area.top(), pages.Tab(0)->geometry().bottom());
    EXPECT_EQ(first->geometry().size(), area.size());
}

TEST_F(PageControl, PressOnTheFreeAreaReachesThePageButNotThroughAChild) {
    std::vector<Qt::MouseButton> presses;
    QObject::connect(first, &TTabSheet::MousePressed,
                     [&](QMouseEvent* event) { presses.push_back(event->button()); });
    QTest::mousePress(first, Qt::RightButton, {}, QPoint(150, 150));
    QTest::mouseRelease(first, Qt::RightButton, {}, QPoint(150, 150));
    QTest::mousePress(first, Qt::MiddleButton, {}, QPoint(150, 150));
    QTest::mouseRelease(first, Qt::MiddleButton, {}, QPoint(150, 150));
    QTest::mouseClick(child, Qt::LeftButton);
    EXPECT_EQ(presses, (std::vector<Qt::MouseButton>{Qt::RightButton, Qt::MiddleButton}));
}

TEST(Bevel, TopAndLeftLinesAreEtchedOnTheirSide) {
    QWidget parent;
    parent.setAutoFillBackground(true);
    QPalette palette = parent.palette();
    palette.setColor(QPalette::Window, QColor(1, 2, 3));
    parent.setPalette(palette);
    parent.resize(40, 40);
    TBevel top(&parent, TBevel::bsTopLine);
    top.setGeometry(0, 0, 20, 9);
    TBevel left(&parent, TBevel::bsLeftLine);
    left.setGeometry(20, 0, 9, 20);
    const QImage image = parent.grab().toImage();
    const QColor shadow = ResolveColor(clBtnShadow, parent.palette());
    const QColor highlight = ResolveColor(clBtnHighlight, parent.palette());
    EXPECT_EQ(image.pixelColor(5, 0), shadow);
    EXPECT_EQ(image.pixelColor(5, 1), highlight);
    EXPECT_EQ(image.pixelColor(5, 2), QColor(1, 2, 3)) << "the rest of the box shows the parent";
    EXPECT_EQ(image.pixelColor(20, 10), shadow);
    EXPECT_EQ(image.pixelColor(21, 10), highlight);
    EXPECT_EQ(image.pixelColor(22, 10), QColor(1, 2, 3));
}

} // namespace
} // namespace maskwell
