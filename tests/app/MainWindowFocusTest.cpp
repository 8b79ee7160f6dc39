// SPDX-License-Identifier: MIT
// The main window under a user's keys and clicks: what a page switch, an Alt
// key and an address without a chosen mask leave on the screen, and the keys
// that reach what takes no focus (the inversed mask, the results).
#include "app/About.h"
#include "platform/WindowDrag.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/ModalBoxCloser.h"

#include <QMenu>
#include <QMenuBar>
#include <QWindow>

namespace maskwell {
namespace {

using test::MainWindowFixture;

// Where the focus stands when a tab is clicked, and the address typed before.
struct PageSwitchCase {
    const char* Name;
    const char* Address;
    bool FocusOnMaskBits; // else on the page control itself
};

class PageSwitch : public MainWindowFixture,
                   public ::testing::WithParamInterface<PageSwitchCase> {};

// A page switch runs no repair and no rebuild: E1 keeps a marker written
// before the clicks, the address stays as typed and no notice comes up.
TEST_P(PageSwitch, ClickingTheTabsNeitherRepairsNorRebuildsNorNotifies) {
    const PageSwitchCase& row = GetParam();
    Start();
    {
        test::ModalBoxCloser closer; // the notices of typing a class D address
        TypeAddress(row.Address);
    }
    if (!QApplication::focusWidget()) { // the last notice took the activation along
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    ASSERT_EQ(QApplication::focusWidget(), form->PageControl1);
    if (row.FocusOnMaskBits) {
        KeyToFocus(Qt::Key_Tab, QString());
        ASSERT_EQ(QApplication::focusWidget(), form->CB2);
        Pick(form->CB2, "26");
    }
    form->E1->SetText("marker");
    const QString address = form->IPE->Text();

    test::ModalBoxCloser closer;
    for (const int page : {1, 0, 1, 0}) {
        QTest::mouseClick(form->PageControl1->Tab(page), Qt::LeftButton);
        ASSERT_EQ(form->PageControl1->ActivePageIndex(), page);
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        EXPECT_FALSE(form->IPE->isAncestorOf(focus)) << "page " << page;
        EXPECT_TRUE(focus == form->PageControl1 || form->PageControl1->Page(page) == focus ||
                    form->PageControl1->Page(page)->isAncestorOf(focus))
            << "page " << page << ": " << focus->metaObject()->className();
    }
    EXPECT_EQ(closer.Texts(), QStringList());
    EXPECT_EQ(form->E1->Text(), "marker");
    EXPECT_EQ(form->IPE->Text(), address);
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow, PageSwitch,
    ::testing::Values(PageSwitchCase{"ClassDFromMaskBits", "224.1.2.3", true},
                      PageSwitchCase{"ClassDFromPageControl", "224.1.2.3", false},
                      PageSwitchCase{"ClassCFromMaskBits", "192.1.2.3", true},
                      PageSwitchCase{"ClassAFromPageControl", "10.1.2.3", false}),
    [](const auto& info) { return std::string(info.param.Name); });

// Alt and Meta combinations type nothing into an octet field, while Alt with
// a menu's first letter still opens that menu.
struct AltKeyCase {
    const char* Name;
    Qt::Key Key;
    Qt::KeyboardModifiers Modifiers;
};

class OctetAltKeys : public MainWindowFixture, public ::testing::WithParamInterface<AltKeyCase> {};

TEST_P(OctetAltKeys, TypeNothingAndLeaveTheFieldIntact) {
    const AltKeyCase& row = GetParam();
    Start();
    TIPByteEdit* first = form->IPE->ByteEdit(0);
    first->setFocus(Qt::TabFocusReason);
    QTest::keyClick(first, Qt::Key_1);
    ASSERT_EQ(first->text(), "1");
    QTest::keyClick(first, row.Key, row.Modifiers);
    EXPECT_EQ(first->text(), "1");
    EXPECT_TRUE(first->hasFocus()) << "a discarded character moves nowhere";
    first->clearFocus(); // leaving repairs without a conversion error
    EXPECT_EQ(form->IPE->Text(), "1.168.0.1");
}

INSTANTIATE_TEST_SUITE_P(MainWindow, OctetAltKeys,
                         ::testing::Values(AltKeyCase{"AltDot", Qt::Key_Period, Qt::AltModifier},
                                           AltKeyCase{"AltDigit", Qt::Key_5, Qt::AltModifier},
                                           AltKeyCase{"AltLetter", Qt::Key_Q, Qt::AltModifier},
                                           AltKeyCase{"MetaLetter", Qt::Key_F, Qt::MetaModifier},
                                           AltKeyCase{"MetaDot", Qt::Key_Period, Qt::MetaModifier}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(MainWindowFixture, AltFOpensTheFileMenuFromAnOctetField) {
    Start();
    TIPByteEdit* first = form->IPE->ByteEdit(0);
    first->setFocus(Qt::TabFocusReason);
    QTest::keyClick(first, Qt::Key_F, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return form->Quit1->isVisible(); }, 1000))
        << "the File menu opens";
    EXPECT_EQ(form->IPE->Text(), "192.168.0.1");
    form->Quit1->close();
}

// The keyboard comes round from the last list to the first octet, and
// Ctrl+Tab switches pages from an octet as from the pages; neither key's
// release moves the focus along the address.
TEST_F(MainWindowFixture, TabFromMaxSubnetsLandsOnTheFirstOctet) {
    Start();
    form->CB3->setFocus(Qt::TabFocusReason);
    QTest::keyPress(form->CB3, Qt::Key_Tab);
    QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_TRUE(form->IPE->ByteEdit(0)->hasFocus());
    EXPECT_EQ(form->IPE->ByteEdit(0)->selectedText(), "192");
}

TEST_F(MainWindowFixture, CtrlTabInAnOctetSwitchesPages) {
    Start();
    form->IPE->setFocus(Qt::TabFocusReason);
    TIPByteEdit* second = form->IPE->ByteEdit(1);
    second->setFocus(Qt::TabFocusReason);
    for (const int page : {1, 0}) {
        QTest::keyPress(second, Qt::Key_Tab, Qt::ControlModifier);
        QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        EXPECT_EQ(form->PageControl1->ActivePageIndex(), page);
        EXPECT_TRUE(second->hasFocus());
    }
    EXPECT_EQ(form->IPE->Text(), "192.168.0.1");
}

// Alt with a menu's letter opens it with its first command highlighted, so
// that Return runs that command; in an open menu a command's letter runs it.
struct MenuLetterCase {
    const char* Name;
    Qt::Key Letter;
    QMenu* TMaskwellForm::*Menu;
    QAction* TMaskwellForm::*First;
};

class MenuLetters : public MainWindowFixture,
                    public ::testing::WithParamInterface<MenuLetterCase> {};

TEST_P(MenuLetters, OpenTheirMenuWithTheFirstCommandHighlighted) {
    const MenuLetterCase& row = GetParam();
    Start();
    form->CB2->setFocus();
    QTest::keyClick(form->CB2, row.Letter, Qt::AltModifier);
    QMenu* menu = form.get()->*row.Menu;
    ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }, 1000));
    EXPECT_EQ(menu->activeAction(), form.get()->*row.First);
    menu->close();
}

INSTANTIATE_TEST_SUITE_P(MainWindow, MenuLetters,
                         ::testing::Values(MenuLetterCase{"File", Qt::Key_F, &TMaskwellForm::Quit1,
                                                          &TMaskwellForm::Exit1},
                                           MenuLetterCase{"Edit", Qt::Key_E, &TMaskwellForm::Edit1,
                                                          &TMaskwellForm::CopyAll1},
                                           MenuLetterCase{"View", Qt::Key_V, &TMaskwellForm::View1,
                                                          &TMaskwellForm::SubnetList1}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(MainWindowFixture, ALetterInAnOpenMenuRunsItsCommand) {
    Start();
    form->CB2->setFocus();
    QTest::keyClick(form->CB2, Qt::Key_E, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([this] { return form->Edit1->isVisible(); }, 1000));
    QTest::keyClick(form->Edit1, Qt::Key_U); // Use Inversed Mask
    EXPECT_TRUE(form->ChB1->Checked());
    EXPECT_FALSE(form->Edit1->isVisible());
}

// Ctrl+I toggles the inversed mask from wherever the focus is; F6 takes the
// focus to the results, Up and Down move between them, Escape and F6 go back.
TEST_F(MainWindowFixture, KeysReachTheInversedMaskAndTheResults) {
    Start();
    TypeAddress("10.1.2.3");
    form->CB2->setFocus();
    const auto key = [](Qt::Key code, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), code, modifiers);
        return QApplication::focusWidget();
    };
    key(Qt::Key_I, Qt::ControlModifier);
    EXPECT_TRUE(form->ChB1->Checked());
    EXPECT_TRUE(form->UseInversedMask1->isChecked());
    EXPECT_EQ(form->CB1->currentText(), "0.0.0.255");
    EXPECT_EQ(key(Qt::Key_Right), form->CB2) << "Right in a list switches no page";
    EXPECT_EQ(form->PageControl1->ActivePageIndex(), 0);

    EXPECT_EQ(key(Qt::Key_F6), form->E1);
    EXPECT_EQ(key(Qt::Key_Down), form->E2);
    EXPECT_EQ(key(Qt::Key_Down), form->E3);
    EXPECT_EQ(key(Qt::Key_Down), form->E3) << "the last result keeps the focus";
    EXPECT_EQ(key(Qt::Key_Up), form->E2);
    EXPECT_EQ(key(Qt::Key_Escape), form->CB2);
    EXPECT_EQ(key(Qt::Key_F6), form->E1);
    EXPECT_EQ(key(Qt::Key_F6), form->CB2);

    key(Qt::Key_I, Qt::ControlModifier);
    EXPECT_FALSE(form->ChB1->Checked());
    EXPECT_FALSE(form->UseInversedMask1->isChecked());
    EXPECT_EQ(form->E3->Text(), "10.1.2.255") << "the results never changed";
}

// With no mask row chosen, E1..E3 never show results of another address.
struct NoMaskCase {
    const char* Name;
    const char* Stored;
    const char* Typed;
};

class NoMaskRow : public MainWindowFixture, public ::testing::WithParamInterface<NoMaskCase> {};

TEST_P(NoMaskRow, LeavesTheResultFieldsEmpty) {
    const NoMaskCase& row = GetParam();
    WriteSettings(row.Stored);
    Start();
    ASSERT_EQ(form->CB2->currentIndex(), -1);
    EXPECT_EQ(Results(), " |  | ") << "at the start";
    TypeAddress(row.Typed);
    EXPECT_EQ(form->IPE->Text(), row.Typed);
    EXPECT_EQ(form->CB2->currentIndex(), -1);
    EXPECT_EQ(Results(), " |  | ") << "after the rebuild";
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow, NoMaskRow,
    ::testing::Values(NoMaskCase{"NegativeRow", "[conf]\nipaddr=10.1.1.1\nmask=-5\n", "10.1.2.3"},
                      NoMaskCase{"NoSelection", "[conf]\nipaddr=10.1.1.1\nmask=-1\n", "150.1.2.3"},
                      NoMaskCase{"RowPastTheList", "[conf]\nipaddr=192.1.1.1\nmask=14\n",
                                 "192.1.2.3"}),
    [](const auto& info) { return std::string(info.param.Name); });

// Window drags under a window manager (its move stood in for): the left
// button hands the move over, the others follow the pointer to their release.
struct ManagedDragCase {
    const char* Name;
    bool AboutPanel; // else the Subnet Info page
    Qt::MouseButton Button;
    bool SystemMove;
};

class ManagedDrags : public MainWindowFixture,
                     public ::testing::WithParamInterface<ManagedDragCase> {
protected:
    void TearDown() override {
        SetSystemMoveStarter(std::move(previous));
        about.reset();
        MainWindowFixture::TearDown();
    }
    SystemMoveStarter previous;
    std::unique_ptr<TAboutF> about;
};

TEST_P(ManagedDrags, EndWithTheirButton) {
    const ManagedDragCase& row = GetParam();
    Start();
    QWidget* window = form.get();
    QWidget* source = form->TabSheet1;
    QPoint at(200, 10);
    if (row.AboutPanel) {
        about = std::make_unique<TAboutF>(*form);
        form->SetAboutWindow(about.get());
        form->About1->trigger();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(about.get()));
        window = about.get();
        source = about->Panel1;
        at = QPoint(200, 150);
    }
    ASSERT_EQ(source->childAt(at), nullptr) << "a free spot";
    int systemMoves = 0;
    previous = SetSystemMoveStarter([&](QWindow&) {
        ++systemMoves;
        return true;
    });
    const QPoint start = window->pos();
    QTest::mousePress(source, row.Button, {}, at);
    QTest::mouseMove(source, at + QPoint(30, 20));
    QTest::mouseRelease(source, row.Button, {}, at + QPoint(30, 20));
    const QPoint released = window->pos();
    QTest::mouseMove(source, at + QPoint(60, 60));
    EXPECT_EQ(systemMoves, row.SystemMove ? 1 : 0);
    EXPECT_EQ(released, row.SystemMove ? start : start + QPoint(30, 20));
    EXPECT_EQ(window->pos(), released) << "nothing follows the pointer after the release";
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow, ManagedDrags,
    ::testing::Values(ManagedDragCase{"PageLeft", false, Qt::LeftButton, true},
                      ManagedDragCase{"PageRight", false, Qt::RightButton, false},
                      ManagedDragCase{"PageMiddle", false, Qt::MiddleButton, false},
                      ManagedDragCase{"AboutLeft", true, Qt::LeftButton, true},
                      ManagedDragCase{"AboutRight", true, Qt::RightButton, false},
                      ManagedDragCase{"AboutMiddle", true, Qt::MiddleButton, false}),
    [](const auto& info) { return std::string(info.param.Name); });

} // namespace
} // namespace maskwell
