// SPDX-License-Identifier: MIT
#include "tests/app/MainWindowFixture.h"
#include "tests/support/ContextMenuPaste.h"
#include "tests/support/ModalBoxCloser.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QToolButton>
#include <ostream>

namespace maskwell {
namespace {

QClipboard* Clipboard() {
    return QGuiApplication::clipboard();
}

enum class PastePath { ControlV, ShiftInsert, ContextMenu, MiddleButton, EditMenuKey };

class Paste : public test::MainWindowFixture {
protected:
    QLineEdit* Field(int index) const { return form->IPE->ByteEdit(index); }

    bool FieldsHoldOnlyDigits() const {
        static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
        for (int i = 0; i < 4; ++i)
            if (!digits.match(Field(i)->text()).hasMatch())
                return false;
        return true;
    }

    // The field's own context menu, its Paste picked from the keyboard.
    void PasteFromContextMenu(QLineEdit* field) {
        QAction* paste = test::ContextMenuPaste(field, QPoint(4, 4));
        ASSERT_NE(paste, nullptr);
        ASSERT_TRUE(paste->isEnabled());
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        menu->setActiveAction(paste);
        QTest::keyClick(menu, Qt::Key_Return);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    }

    // Puts text where the path reads it and pastes it into field `index`.
    void PasteThrough(PastePath path, int index, const QString& text) {
        QLineEdit* field = Field(index);
        field->setFocus(Qt::MouseFocusReason);
        switch (path) {
        case PastePath::ControlV:
            Clipboard()->setText(text);
            QTest::keyPress(field, Qt::Key_V, Qt::ControlModifier);
            // A notice box closed in between gives the window back its
            // activation, as the desktop would, before the key comes up.
            if (!QApplication::activeWindow()) {
                QApplication::setActiveWindow(form.get());
                ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
            }
            QTest::keyRelease(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
            break;
        case PastePath::ShiftInsert:
            Clipboard()->setText(text);
            QTest::keyClick(field, Qt::Key_Insert, Qt::ShiftModifier);
            break;
        case PastePath::ContextMenu:
            Clipboard()->setText(text);
            PasteFromContextMenu(field);
            break;
        case PastePath::MiddleButton:
            Clipboard()->setText(QStringLiteral("99.99.99.99/30"));
            Clipboard()->setText(text, QClipboard::Selection);
            QTest::mouseClick(field, Qt::MiddleButton, {}, QPoint(3, 3));
            break;
        case PastePath::EditMenuKey:
            // Ctrl+V where no field has the focus is Edit > Paste Address.
            Clipboard()->setText(text);
            form->CB2->setFocus();
            QTest::keyClick(form->CB2, Qt::Key_V, Qt::ControlModifier);
            QCoreApplication::processEvents(); // the command runs after its key has returned
            break;
        }
    }
};

struct PathCase {
    friend void PrintTo(const PathCase& c, std::ostream* out) { *out << c.Name; }
    const char* Name;
    PastePath Path;
    int Field;
};

class PasteThroughEachPath : public Paste, public ::testing::WithParamInterface<PathCase> {};

TEST_P(PasteThroughEachPath, ReachesTheAddressReader) {
    const PathCase& c = GetParam();
    if (c.Path == PastePath::MiddleButton && !Clipboard()->supportsSelection())
        GTEST_SKIP() << "this platform has no selection clipboard; see MiddleButtonWithout...";
    Start();
    PasteThrough(c.Path, c.Field, QStringLiteral("10.20.30.40/22\n"));
    EXPECT_EQ(form->IPE->Text(), "10.20.30.40");
    EXPECT_EQ(Masks(), "255.255.252.0 / 22 / 16382 / 1022");
    EXPECT_EQ(Results(), "10.20.28.1 - 10.20.31.254 | 10.20.28.0 | 10.20.31.255");
    ShowAddressInfo();
    EXPECT_EQ(form->EA3->Text(), "0A.14.1E.28");
    EXPECT_TRUE(FieldsHoldOnlyDigits());
}

TEST_P(PasteThroughEachPath, NeverLeavesTextInAField) {
    const PathCase& c = GetParam();
    if (c.Path == PastePath::MiddleButton && !Clipboard()->supportsSelection())
        GTEST_SKIP() << "this platform has no selection clipboard";
    Start();
    const QString before = form->IPE->Text();
    test::ModalBoxCloser closer;
    PasteThrough(c.Path, c.Field, QStringLiteral("10."));
    EXPECT_EQ(form->IPE->Text(), before);
    EXPECT_TRUE(FieldsHoldOnlyDigits());
    EXPECT_EQ(closer.Texts(),
              QStringList{"paste an IPv4 address such as 192.168.1.10 or 192.168.1.10/24"});
}

INSTANTIATE_TEST_SUITE_P(
    Paste, PasteThroughEachPath,
    ::testing::Values(PathCase{"ControlVInTheFirstField", PastePath::ControlV, 0},
                      PathCase{"ShiftInsertInTheLastField", PastePath::ShiftInsert, 3},
                      PathCase{"ContextMenuInTheSecondField", PastePath::ContextMenu, 1},
                      PathCase{"MiddleButtonInTheThirdField", PastePath::MiddleButton, 2},
                      PathCase{"EditMenuKeyOutsideTheAddress", PastePath::EditMenuKey, 0}),
    [](const ::testing::TestParamInfo<PathCase>& info) { return info.param.Name; });

TEST_F(Paste, MiddleButtonWithoutASelectionClipboardTakesNothing) {
    if (Clipboard()->supportsSelection())
        GTEST_SKIP() << "the selection paste itself is tested here";
    Start();
    const QString before = form->IPE->Text();
    Clipboard()->setText(QStringLiteral("10.20.30.40/22"));
    QTest::mouseClick(Field(2), Qt::MiddleButton, {}, QPoint(3, 3));
    EXPECT_EQ(form->IPE->Text(), before) << "the field pastes nothing of its own";
    EXPECT_TRUE(FieldsHoldOnlyDigits());
}

struct NoticeCase {
    friend void PrintTo(const NoticeCase& c, std::ostream* out) { *out << c.Pasted; }
    const char* Name;
    const char* Pasted;
    const char* Address;
    const char* Masks;
    QStringList Notices;
};

class PasteNotice : public Paste, public ::testing::WithParamInterface<NoticeCase> {};

// The window's own repair and notices on the way, driven by the paste key.
TEST_P(PasteNotice, RepairsAndNotifiesAsLeavingAFieldWould) {
    const NoticeCase& c = GetParam();
    Start(); // 192.168.0.1, mask bits 24
    test::ModalBoxCloser closer;
    PasteThrough(PastePath::ControlV, 1, c.Pasted);
    EXPECT_EQ(form->IPE->Text(), c.Address);
    EXPECT_EQ(Masks(), c.Masks);
    EXPECT_EQ(closer.Texts(), c.Notices);
    EXPECT_TRUE(FieldsHoldOnlyDigits());
}

INSTANTIATE_TEST_SUITE_P(
    Paste, PasteNotice,
    ::testing::Values(NoticeCase{"FirstOctetZeroIsRepairedSilently",
                                 "0.1.2.3/12",
                                 "1.1.2.3",
                                 "255.240.0.0 / 12 / 14 / 1048574",
                                 {}},
                      NoticeCase{"FirstOctetAbove239IsRepairedToMulticast",
                                 "250.1.1.1/25",
                                 "239.1.1.1",
                                 "255.255.255.128 / 25 / 131070 / 126", // every length
                                 {"multicast or class d"}},
                      // The released paste keys must not move on from the full field and
                      // rebuild (and notify) a second time.
                      NoticeCase{"MulticastWithAMaskTakesItWhateverTheClassBefore",
                                 "224.1.1.1/16",
                                 "224.1.1.1",
                                 "255.255.0.0 / 16 / 254 / 65534",
                                 {"multicast or class d"}},
                      NoticeCase{"MulticastOnceAlthoughTheFieldIsFull",
                                 "224.100.1.1",
                                 "224.100.1.1",
                                 "255.255.255.0 / 24 / 1 / 254",
                                 {"multicast or class d"}},
                      // A refused paste changes nothing and says why.
                      NoticeCase{"EmptyClipboard",
                                 "",
                                 "192.168.0.1",
                                 "255.255.255.0 / 24 / 1 / 254",
                                 {"the clipboard is empty"}},
                      NoticeCase{"OctetAbove255",
                                 "10.256.1.1/24",
                                 "192.168.0.1",
                                 "255.255.255.0 / 24 / 1 / 254",
                                 {"octet 256 is above 255"}},
                      NoticeCase{"MaskBitsAbove32",
                                 "10.1.1.1/33",
                                 "192.168.0.1",
                                 "255.255.255.0 / 24 / 1 / 254",
                                 {"mask bits 33 is above 32"}},
                      NoticeCase{"MaskNotContiguous",
                                 "10.1.1.1 255.0.255.0",
                                 "192.168.0.1",
                                 "255.255.255.0 / 24 / 1 / 254",
                                 {"mask 255.0.255.0 is not contiguous"}}),
    [](const ::testing::TestParamInfo<NoticeCase>& info) { return info.param.Name; });

// Pasting through the field's menu once put "10." into a field, which the
// settings file stored and the next start read back shifted.
TEST_F(Paste, ContextMenuPasteSurvivesARestart) {
    Start();
    {
        test::ModalBoxCloser closer;
        Clipboard()->setText(QStringLiteral("10.1.2.3/8"));
        PasteFromContextMenu(Field(0));
        EXPECT_EQ(closer.Texts(),
                  QStringList{"mask bits 8 is not offered for a class A address; choose 10 to 30"});
    }
    EXPECT_EQ(form->IPE->Text(), "10.1.2.3");
    EXPECT_TRUE(FieldsHoldOnlyDigits());
    Stop();
    EXPECT_TRUE(SettingsContents().contains("ipaddr=10.1.2.3\n")) << SettingsContents().data();

    Start();
    EXPECT_EQ(form->IPE->Text(), "10.1.2.3");
    ShowAddressInfo();
    EXPECT_EQ(form->EA3->Text(), "0A.01.02.03");
}

TEST_F(Paste, CopyAllPutsEveryResultOnTheClipboard) {
    Start();
    TypeAddress("172.16.77.9");
    Pick(form->CB2, "20");
    Clipboard()->clear();
    QTest::keyClick(form->CB2, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Clipboard()->text(), "address: 172.16.77.9/20\n"
                                   "subnet mask: 255.255.240.0\n"
                                   "wildcard mask: 0.0.15.255\n"
                                   "host address range: 172.16.64.1 - 172.16.79.254\n"
                                   "subnet ID: 172.16.64.0\n"
                                   "subnet broadcast: 172.16.79.255\n"
                                   "max subnets: 14\n"
                                   "max hosts per subnet: 4094\n"
                                   "address class: B\n"
                                   "binary: 10101100.00010000.01001101.00001001\n"
                                   "hexadecimal: AC.10.4D.09\n");
}

// For 127.x the Address Info page keeps the class it showed, and so does
// Copy All.
TEST_F(Paste, CopyAllNamesTheClassThePageShows) {
    Start(); // 192.168.0.1, class C
    TypeAddress("127.0.0.1");
    ShowAddressInfo();
    ASSERT_EQ(form->CBA1->currentText(), "Class C: 192.0.0.0 -- 223.255.255.255");
    QTest::keyClick(form->CBA1, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(Clipboard()->text().contains("\naddress class: C\n"))
        << Clipboard()->text().toStdString();
}

struct CopyKeyCase {
    friend void PrintTo(const CopyKeyCase& c, std::ostream* out) { *out << c.Name; }
    const char* Name;
    Qt::Key Key;
    QToolButton* TMaskwellForm::*Button;
    QString (*Expected)(const TMaskwellForm&);
};

class CopyButtonKey : public Paste, public ::testing::WithParamInterface<CopyKeyCase> {};

TEST_P(CopyButtonKey, CopiesFromTheKeyboardAndSaysSoInItsTooltip) {
    const CopyKeyCase& c = GetParam();
    Start();
    TypeAddress("172.16.77.9");
    Pick(form->CB2, "26");
    Clipboard()->clear();
    form->IPE->ByteEdit(2)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), c.Key, Qt::ControlModifier);
    EXPECT_EQ(Clipboard()->text(), c.Expected(*form));
    EXPECT_FALSE(Clipboard()->text().isEmpty());
    const QString key = QKeySequence(Qt::CTRL | c.Key).toString(QKeySequence::NativeText);
    EXPECT_TRUE((form.get()->*c.Button)->toolTip().endsWith(" (" + key + ")"))
        << (form.get()->*c.Button)->toolTip().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Paste, CopyButtonKey,
    ::testing::Values(CopyKeyCase{"Address", Qt::Key_1, &TMaskwellForm::SpeedButton8,
                                  [](const TMaskwellForm& f) { return f.IPE->Text(); }},
                      CopyKeyCase{"SubnetMask", Qt::Key_2, &TMaskwellForm::SpeedButton1,
                                  [](const TMaskwellForm& f) { return f.CB1->currentText(); }},
                      CopyKeyCase{"HostRange", Qt::Key_3, &TMaskwellForm::SpeedButton3,
                                  [](const TMaskwellForm& f) { return f.E1->Text(); }},
                      CopyKeyCase{"SubnetId", Qt::Key_4, &TMaskwellForm::SpeedButton4,
                                  [](const TMaskwellForm& f) { return f.E2->Text(); }},
                      CopyKeyCase{"Broadcast", Qt::Key_5, &TMaskwellForm::SpeedButton5,
                                  [](const TMaskwellForm& f) { return f.E3->Text(); }}),
    [](const ::testing::TestParamInfo<CopyKeyCase>& info) { return info.param.Name; });

TEST_F(Paste, EditMenuSitsBetweenFileAndAbout) {
    Start();
    QStringList titles;
    for (const QAction* action : form->MainMenu1->actions())
        titles << action->text();
    EXPECT_EQ(titles, (QStringList{"File", "Edit", "View", "About"}));
    EXPECT_EQ(form->CopyAll1->text(), "Copy All");
    EXPECT_EQ(form->CopyAll1->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    EXPECT_EQ(form->PasteAddress1->text(), "Paste Address");
    EXPECT_EQ(form->PasteAddress1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_V));
}

TEST_F(Paste, CommandLineAddressStartsTheWindowAndIsStoredAtExit) {
    WriteSettings("[conf]\nipaddr=150.1.2.3\nmask=6\n");
    startAddress = ParseAddressInput("10.200.3.4/12");
    Start();
    EXPECT_EQ(form->IPE->Text(), "10.200.3.4");
    EXPECT_EQ(Masks(), "255.240.0.0 / 12 / 14 / 1048574");
    EXPECT_EQ(Results(), "10.192.0.1 - 10.207.255.254 | 10.192.0.0 | 10.207.255.255");
    Stop();
    EXPECT_TRUE(SettingsContents().startsWith("[conf]\nipaddr=10.200.3.4\nmask=2\n"))
        << SettingsContents().data();
}

} // namespace
} // namespace maskwell
