// SPDX-License-Identifier: MIT
#include "core/SelectorLinkage.h"

#include "tests/core/CalculatorFixture.h"

namespace maskwell {
namespace {

using SelectorLinkage = test::CalculatorFixture;

TEST_F(SelectorLinkage, EachSelectorMovesTheOtherThreeAndRecomputes) {
    const struct {
        MemorySelector MemoryCalculator::*Picked;
        void (*Handler)(CalculatorState&);
        const char* Text;
    } picks[] = {
        {&MemoryCalculator::CB1, CB1Change, "255.255.255.0"},
        {&MemoryCalculator::CB2, CB2Change, "24"},
        {&MemoryCalculator::CB3, CB3Change, "65534"},
        {&MemoryCalculator::CB4, CB4Change, "254"},
    };
    for (const auto& pick : picks) {
        SCOPED_TRACE(pick.Text);
        MemoryCalculator fresh;
        fresh.IPE.SetText("10.1.2.3");
        Select(fresh.*pick.Picked, pick.Text);
        pick.Handler(fresh.State);
        EXPECT_EQ(fresh.CB1.Text() + " / " + fresh.CB2.Text() + " / " + fresh.CB3.Text() + " / " +
                      fresh.CB4.Text(),
                  "255.255.255.0 / 24 / 65534 / 254");
        EXPECT_EQ(fresh.E2.Text(), "10.1.2.0");
    }
}

TEST_F(SelectorLinkage, ClassBListsFollowALastRowPick) {
    EnterAddress("150.1.2.3");
    Select(calc.CB4, "2");
    CB4Change(calc.State);
    EXPECT_EQ(Masks(), "255.255.255.252 / 30 / 16382 / 2");
    EXPECT_EQ(Results(), "150.1.2.1 - 150.1.2.2 | 150.1.2.0 | 150.1.2.3");

    calc.ChB1.SetChecked(true);
    EnterAddress("150.1.2.3");
    Select(calc.CB4, "2");
    CB4Change(calc.State);
    EXPECT_EQ(calc.CB1.Text(), "0.0.0.3");
}

TEST_F(SelectorLinkage, NoSelectionLeavesTheOthersButStillComputes) {
    calc.CB2.SetItemIndex(4); // "14", the others unselected
    CB1Change(calc.State);
    EXPECT_EQ(calc.CB2.ItemIndex(), 4);
    EXPECT_EQ(calc.CB3.ItemIndex(), -1);
    EXPECT_EQ(Results(), "192.168.0.1 - 192.171.255.254 | 192.168.0.0 | 192.171.255.255");

    MemoryCalculator empty;
    empty.E1.SetText("stale");
    CB3Change(empty.State);
    EXPECT_EQ(empty.E1.Text(), "") << "no mask bits, no results";
    EXPECT_EQ(empty.L10.Text(), "Class A Bit Map (n=network;h=host)") << "address info refreshed";
}

TEST_F(SelectorLinkage, EveryRunRecomputesEvenWithoutAMove) {
    Select(calc.CB2, "24");
    CB2Change(calc.State);
    calc.IPE.SetText("10.9.8.7");
    CB2Change(calc.State);
    EXPECT_EQ(calc.E2.Text(), "10.9.8.0");
}

} // namespace
} // namespace maskwell
