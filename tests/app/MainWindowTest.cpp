// SPDX-License-Identifier: MIT
#include "tests/app/MainWindowFixture.h"
#include "tests/support/ModalBoxCloser.h"

#include <QClipboard>
#include <QToolButton>

namespace maskwell {
namespace {

using MainWindow = test::MainWindowFixture;

TEST_F(MainWindow, FirstStartShowsTheDefaultAddressAndItsResults) {
    Start();
    EXPECT_EQ(form->windowTitle(), "Maskwell v1.14");
    EXPECT_EQ(form->IPE->Text(), "192.168.0.1");
    EXPECT_EQ(Masks(), "255.255.255.0 / 24 / 1 / 254");
    EXPECT_EQ(Results(), "192.168.0.1 - 192.168.0.254 | 192.168.0.0 | 192.168.0.255");
    ShowAddressInfo();
    EXPECT_EQ(form->CBA1->currentIndex(), 2);
    EXPECT_EQ(form->L10->Caption(), "Class C Bit Map (n=network;h=host)");
    EXPECT_EQ(form->EA3->Text(), "C0.A8.00.01");
    EXPECT_FALSE(QFile::exists(settingsPath)) << "nothing is written before the window closes";
}

TEST_F(MainWindow, TypedAddressFlowsIntoResultsAndAddressInfo) {
    Start();
    TypeAddress("172.16.77.9");
    EXPECT_EQ(form->IPE->Text(), "172.16.77.9");
    EXPECT_EQ(Masks(), "255.255.255.0 / 24 / 254 / 254");
    EXPECT_EQ(Results(), "172.16.77.1 - 172.16.77.254 | 172.16.77.0 | 172.16.77.255");
    ShowAddressInfo();
    EXPECT_EQ(form->CBA1->currentText(), "Class B: 128.0.0.0 -- 191.255.255.255");
    EXPECT_EQ(form->L10->Caption(), "Class B Bit Map (n=network;h=host)");
    EXPECT_EQ(form->EA1->Text(), "10nnnnnn.nnnnnnnn.hhhhhhhh.hhhhhhhh");
    EXPECT_EQ(form->EA2->Text(), "10101100.00010000.01001101.00001001");
    EXPECT_EQ(form->EA3->Text(), "AC.10.4D.09");
}

TEST_F(MainWindow, EachSelectorMovesTheOtherThree) {
    Start();
    TypeAddress("10.200.3.4");
    Pick(form->CB2, "12");
    EXPECT_EQ(Masks(), "255.240.0.0 / 12 / 14 / 1048574");
    EXPECT_EQ(Results(), "10.192.0.1 - 10.207.255.254 | 10.192.0.0 | 10.207.255.255");
    Pick(form->CB1, "255.255.255.192");
    EXPECT_EQ(Masks(), "255.255.255.192 / 26 / 262142 / 62");
    Pick(form->CB3, "30");
    EXPECT_EQ(Masks(), "255.248.0.0 / 13 / 30 / 524286");
    Pick(form->CB4, "2");
    EXPECT_EQ(Masks(), "255.255.255.252 / 30 / 4194302 / 2");
    EXPECT_EQ(Results(), "10.200.3.5 - 10.200.3.6 | 10.200.3.4 | 10.200.3.7");
}

TEST_F(MainWindow, InversedModeShowsAndCopiesWildcardMasks) {
    Start();
    ClickCheckBox(form->ChB1);
    EXPECT_TRUE(form->ChB1->Checked());
    EXPECT_EQ(Masks(), "0.0.0.255 / 24 / 1 / 254");
    QTest::mouseClick(form->SpeedButton1, Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "0.0.0.255");

    TypeAddress("10.1.2.3");
    EXPECT_EQ(form->CB1->itemText(0), "0.63.255.255") << "the rebuild keeps the inversed form";
    ClickCheckBox(form->ChB1);
    EXPECT_EQ(Masks(), "255.255.255.0 / 24 / 65534 / 254");
}

TEST_F(MainWindow, MulticastShowsTheNoticeAndKeepsTheSelectors) {
    Start();
    const QString before = Masks();
    test::ModalBoxCloser closer;
    TypeAddress("230.1.2.3");
    // Once, when the address is complete: not at each field left.
    EXPECT_EQ(closer.Texts(), QStringList{"multicast or class d"});
    EXPECT_EQ(form->IPE->Text(), "230.1.2.3") << "typing goes on where it was after each box";
    EXPECT_EQ(Masks(), before);
    ShowAddressInfo();
    EXPECT_EQ(form->L10->Caption(), "Multicast Bit Map (g=group)");
    EXPECT_EQ(form->E2->Text(), "230.1.2.0");
}

// The label over the subnet mask list names the form the list shows, which
// a multicast address leaves as it was.
TEST_F(MainWindow, MaskLabelFollowsTheFormOfTheList) {
    Start();
    ClickCheckBox(form->ChB1);
    EXPECT_EQ(form->Label3D1->Caption(), "Wildcard Mask:");
    const QFontMetrics metrics(form->Label3D1->Font());
    EXPECT_LE(metrics.horizontalAdvance(form->Label3D1->Caption()), form->Label3D1->width());
    ClickCheckBox(form->ChB1);
    EXPECT_EQ(form->Label3D1->Caption(), "Subnet Mask:");
    {
        test::ModalBoxCloser closer;
        TypeAddress("224.1.2.3");
    }
    ClickCheckBox(form->ChB1);
    ASSERT_TRUE(form->ChB1->Checked());
    EXPECT_EQ(form->Label3D1->Caption(), "Subnet Mask:") << "the list kept its form";
    TypeAddress("10.1.2.3");
    EXPECT_EQ(form->Label3D1->Caption(), "Wildcard Mask:");
}

TEST_F(MainWindow, ClassSelectorRewritesTheFirstOctet) {
    Start();
    TypeAddress("10.1.2.3");
    form->PageControl1->SetActivePageIndex(1);
    Pick(form->CBA1, "Class C: 192.0.0.0 -- 223.255.255.255");
    EXPECT_EQ(form->IPE->Text(), "192.1.2.3");
    EXPECT_EQ(form->EA2->Text(), "11000000.00000001.00000010.00000011");
    EXPECT_EQ(form->EA3->Text(), "C0.01.02.03");
    EXPECT_EQ(form->CB1->count(), 7);
}

TEST_F(MainWindow, CopyButtonsPutTheirTextsOnTheClipboard) {
    Start();
    TypeAddress("172.16.0.5");
    Pick(form->CB2, "23");
    const struct {
        QToolButton* Button;
        const char* Text;
    } copies[] = {
        {form->SpeedButton8, "172.16.0.5"},
        {form->SpeedButton1, "255.255.254.0"},
        {form->SpeedButton3, "172.16.0.1 - 172.16.1.254"},
        {form->SpeedButton4, "172.16.0.0"},
        {form->SpeedButton5, "172.16.1.255"},
    };
    for (const auto& copy : copies) {
        QGuiApplication::clipboard()->setText("before");
        QTest::mouseClick(copy.Button, Qt::LeftButton);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), copy.Text);
    }
}

TEST_F(MainWindow, AddressCopyTakesTheFieldsAsTheyStandBeforeRepair) {
    Start();
    form->IPE->ByteEdit(1)->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(form->IPE->ByteEdit(1), "07");
    QTest::mouseClick(form->SpeedButton8, Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "192.07.0.1");
    EXPECT_TRUE(form->IPE->ByteEdit(1)->hasFocus()) << "a copy button does not take the focus";

    form->IPE->ByteEdit(2)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form->IPE->ByteEdit(2), Qt::Key_Backspace);
    QTest::mouseClick(form->SpeedButton8, Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "192.7..1") << "field 1 was left and repaired";
}

TEST_F(MainWindow, MaskCopyWithoutSelectionIsEmpty) {
    WriteSettings("[conf]\nipaddr=10.1.2.3\nmask=-1\n");
    Start();
    QGuiApplication::clipboard()->setText("before");
    QTest::mouseClick(form->SpeedButton1, Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "");
}

TEST_F(MainWindow, ResultFieldsShowNoHintButTheControlsDo) {
    Start();
    EXPECT_TRUE(form->E1->toolTip().isEmpty());
    EXPECT_TRUE(form->E3->toolTip().isEmpty());
    EXPECT_EQ(form->IPE->toolTip(), "IP Address");
    EXPECT_EQ(form->CB4->toolTip(), "Max Hosts Per Subnet");
    EXPECT_EQ(form->SpeedButton5->toolTip(), "Copy Subnet Broadcast to Clipboard (Ctrl+5)");
}

TEST_F(MainWindow, SecondActivationChangesNothing) {
    Start();
    TypeAddress("10.1.2.3");
    WriteSettings("[conf]\nipaddr=150.1.1.1\nmask=3\n");
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    EXPECT_EQ(form->IPE->Text(), "10.1.2.3");
}

TEST_F(MainWindow, SubnetInfoPageDragsTheWindowAndAddressInfoDoesNot) {
    Start();
    const QPoint start = form->pos();
    QTest::mousePress(form->TabSheet1, Qt::RightButton, {}, QPoint(200, 10));
    QTest::mouseMove(form->TabSheet1, QPoint(230, 30));
    QTest::mouseRelease(form->TabSheet1, Qt::RightButton, {}, QPoint(230, 30));
    EXPECT_EQ(form->pos(), start + QPoint(30, 20));

    form->PageControl1->SetActivePageIndex(1);
    const QPoint dragged = form->pos();
    QTest::mousePress(form->TabSheet2, Qt::LeftButton, {}, QPoint(200, 200));
    QTest::mouseMove(form->TabSheet2, QPoint(230, 230));
    QTest::mouseRelease(form->TabSheet2, Qt::LeftButton, {}, QPoint(230, 230));
    EXPECT_EQ(form->pos(), dragged);
}

TEST_F(MainWindow, NothingIsCutOffAtTheDesignedSize) {
    Start();
    ShowAddressInfo();
    for (TLabel3D* label : {form->Label3D1, form->Label3D2, form->Label3D3, form->Label3D4,
                            form->Label3D5, form->Label3D6, form->Label3D7, form->Label3D8,
                            form->Label3D9, form->Label3D11, form->Label3D12, form->L10}) {
        const QFontMetrics metrics(label->Font());
        EXPECT_LE(metrics.horizontalAdvance(label->Caption()), label->width())
            << label->Caption().toStdString();
        EXPECT_LE(metrics.height(), label->height()) << label->Caption().toStdString();
        const QRect inParent(label->mapTo(form.get(), QPoint()), label->size());
        EXPECT_TRUE(form->rect().contains(inParent)) << label->Caption().toStdString();
    }
    EXPECT_EQ(form->Panel1->parentWidget()->size(), QSize(292, 299)) << "the client area";
}

} // namespace
} // namespace maskwell
