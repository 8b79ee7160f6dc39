// SPDX-License-Identifier: MIT
#include "app/About.h"

#include "controls/QlFancyButton.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/ShellOpenRecorder.h"

#include <QAction>
#include <QFrame>
#include <QWindow>

namespace maskwell {
namespace {

class About : public test::MainWindowFixture {
protected:
    void StartWithAbout() {
        Start();
        about = std::make_unique<TAboutF>(*form);
        form->SetAboutWindow(about.get());
    }
    void TearDown() override {
        about.reset();
        MainWindowFixture::TearDown();
    }
    // Pointer events through the window, as the windowing system sends them:
    // the button lights up under the pointer and clicks on the release.
    void ClickOk() {
        QWindow* window = about->windowHandle();
        const QPoint centre = about->OkB->mapTo(about.get(), about->OkB->rect().center());
        QTest::mouseMove(window, centre);
        QTest::mousePress(window, Qt::LeftButton, {}, centre);
        QTest::mouseRelease(window, Qt::LeftButton, {}, centre);
    }

    std::unique_ptr<TAboutF> about;
};

TEST_F(About, ReplacesTheMainWindowUntilOkBringsItBackAsItWas) {
    StartWithAbout();
    TypeAddress("10.1.2.3");
    WriteSettings("[conf]\nipaddr=150.1.1.1\nmask=3\n"); // must not be read again
    form->About1->trigger();
    EXPECT_TRUE(about->isVisible());
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(about->size(), QSize(225, 165));
    EXPECT_EQ(about->frameGeometry().center(), form->frameGeometry().center());

    ClickOk();
    EXPECT_FALSE(about->isVisible());
    EXPECT_TRUE(form->isVisible());
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    EXPECT_EQ(form->IPE->Text(), "10.1.2.3");
    EXPECT_EQ(form->E2->Text(), "10.1.2.0");
}

TEST_F(About, ClosingByTheKeyboardActsAsOk) {
    StartWithAbout();
    form->About1->trigger();
    QTest::keyClick(about.get(), Qt::Key_Escape);
    EXPECT_FALSE(about->isVisible());
    EXPECT_TRUE(form->isVisible());

    form->About1->trigger();
    about->close();
    EXPECT_FALSE(about->isVisible());
    EXPECT_TRUE(form->isVisible());
}

TEST_F(About, WebAddressUnderlinesUnderThePointerAndOpensOnAClick) {
    StartWithAbout();
    form->About1->trigger();
    TLabel3D* link = about->Label3D5;
    EXPECT_EQ(link->Caption(), TAboutF::kWebAddress);
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);

    QEnterEvent enter(QPointF(5, 5), link->mapToGlobal(QPointF(5, 5)),
                      link->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(link, &enter);
    EXPECT_TRUE(link->Font().underline());
    EXPECT_TRUE(link->Font().bold());
    EXPECT_TRUE(link->Font().italic());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(link, &leave);
    EXPECT_FALSE(link->Font().underline());
    EXPECT_TRUE(link->Font().bold() && link->Font().italic()) << "bold italic stays";

    test::ShellOpenRecorder opened;
    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(20, 8));
    EXPECT_EQ(opened.Targets(), QStringList{TAboutF::kWebAddress});
}

TEST_F(About, PanelDragsTheWindowWithAnyButtonButALabelDoesNot) {
    StartWithAbout();
    form->About1->trigger();
    const QPoint start = about->pos();
    QTest::mousePress(about->Panel1, Qt::MiddleButton, {}, QPoint(6, 150));
    QTest::mouseMove(about->Panel1, QPoint(16, 160));
    QTest::mouseRelease(about->Panel1, Qt::MiddleButton, {}, QPoint(16, 160));
    EXPECT_EQ(about->pos(), start + QPoint(10, 10));

    const QPoint moved = about->pos();
    QTest::mousePress(about->Label3D1, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(about->Label3D1, QPoint(25, 25));
    QTest::mouseRelease(about->Label3D1, Qt::LeftButton, {}, QPoint(25, 25));
    EXPECT_EQ(about->pos(), moved);
}

} // namespace
} // namespace maskwell
