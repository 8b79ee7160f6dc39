// SPDX-License-Identifier: MIT
// The Address Info page is built when it is first shown: what the calculator
// wrote before then is what the page shows, and nothing else changes.
#include "tests/app/MainWindowFixture.h"

#include <QClipboard>

namespace maskwell {
namespace {

// The ways the page comes to be built.
enum class BuildBy { AddressInfoTab, RightKeyOnThePages, CodeBeforeShowing };

struct PageCase {
    const char* Name;
    BuildBy Way;
};

void PrintTo(const PageCase& row, std::ostream* out) {
    *out << row.Name;
}

class AddressInfoPage : public test::MainWindowFixture,
                        public ::testing::WithParamInterface<PageCase> {
protected:
    void Build(BuildBy way) {
        switch (way) {
        case BuildBy::AddressInfoTab:
            ShowAddressInfo();
            break;
        case BuildBy::RightKeyOnThePages:
            form->PageControl1->setFocus(Qt::TabFocusReason);
            QTest::keyClick(form->PageControl1, Qt::Key_Right);
            EXPECT_EQ(form->PageControl1->ActivePageIndex(), 1);
            break;
        case BuildBy::CodeBeforeShowing:
            form->BuildAddressInfoPage();
            EXPECT_EQ(form->PageControl1->ActivePageIndex(), 0);
            break;
        }
        ASSERT_NE(form->CBA1, nullptr);
    }

    QString AddressInfo() const {
        return form->CBA1->currentText() + " | " + form->L10->Caption() + " | " +
               form->EA1->Text() + " | " + form->EA2->Text() + " | " + form->EA3->Text();
    }
};

TEST_P(AddressInfoPage, ShowsWhatWasWrittenBeforeAndTakesLaterWrites) {
    Start();
    TypeAddress("172.16.77.9");
    EXPECT_EQ(form->CBA1, nullptr) << "not built while hidden";
    EXPECT_EQ(form->EA3, nullptr);
    const QString summary = form->ResultSummary();
    EXPECT_TRUE(summary.contains("hexadecimal: AC.10.4D.09")) << summary.toStdString();

    Build(GetParam().Way);
    EXPECT_EQ(AddressInfo(), "Class B: 128.0.0.0 -- 191.255.255.255 | "
                             "Class B Bit Map (n=network;h=host) | "
                             "10nnnnnn.nnnnnnnn.hhhhhhhh.hhhhhhhh | "
                             "10101100.00010000.01001101.00001001 | AC.10.4D.09");
    EXPECT_EQ(form->ResultSummary(), summary) << "Copy All reads the same with the page built";

    TypeAddress("10.1.2.3");
    EXPECT_EQ(AddressInfo(), "Class A: 1.0.0.0 -- 126.255.255.255 | "
                             "Class A Bit Map (n=network;h=host) | "
                             "0nnnnnnn.hhhhhhhh.hhhhhhhh.hhhhhhhh | "
                             "00001010.00000001.00000010.00000011 | 0A.01.02.03");
}

TEST_P(AddressInfoPage, IsBuiltOnceAndItsSelectorMovesTheAddress) {
    Start();
    Build(GetParam().Way);
    QComboBox* selector = form->CBA1;
    const qsizetype controls = form->TabSheet2->findChildren<QWidget*>().size();
    for (const int page : {0, 1, 0, 1})
        QTest::mouseClick(form->PageControl1->Tab(page), Qt::LeftButton);
    form->BuildAddressInfoPage();
    EXPECT_EQ(form->CBA1, selector);
    EXPECT_EQ(form->TabSheet2->findChildren<QWidget*>().size(), controls);
    EXPECT_TRUE(form->EA2->isVisible());

    Pick(form->CBA1, "Class B: 128.0.0.0 -- 191.255.255.255");
    EXPECT_EQ(form->IPE->Text(), "128.168.0.1");
    EXPECT_EQ(form->L10->Caption(), "Class B Bit Map (n=network;h=host)");
    EXPECT_EQ(Masks(), "255.255.255.0 / 24 / 254 / 254");
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow, AddressInfoPage,
    ::testing::Values(PageCase{"AddressInfoTab", BuildBy::AddressInfoTab},
                      PageCase{"RightKeyOnThePages", BuildBy::RightKeyOnThePages},
                      PageCase{"CodeBeforeShowing", BuildBy::CodeBeforeShowing}),
    [](const auto& info) { return std::string(info.param.Name); });

} // namespace
} // namespace maskwell
