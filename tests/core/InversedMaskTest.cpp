// SPDX-License-Identifier: MIT
#include "core/InversedMask.h"

#include "core/SelectorLinkage.h"
#include "tests/core/CalculatorFixture.h"

namespace maskwell {
namespace {

class InversedMask : public test::CalculatorFixture {
protected:
    void Toggle(bool checked) {
        calc.ChB1.SetChecked(checked);
        ChB1Click(calc.State);
    }
};

TEST_F(InversedMask, SwitchesOnlyTheMaskTextsAndKeepsTheRow) {
    EnterAddress("10.1.2.3");
    Select(calc.CB2, "24");
    CB2Change(calc.State);
    const std::string results = Results();

    Toggle(true);
    EXPECT_EQ(calc.CB1.ItemIndex(), 14);
    EXPECT_EQ(Masks(), "0.0.0.255 / 24 / 65534 / 254");
    EXPECT_EQ(calc.CB1.Items().front(), "0.63.255.255");
    EXPECT_EQ(Results(), results);

    Toggle(false);
    EXPECT_EQ(Masks(), "255.255.255.0 / 24 / 65534 / 254");
    EXPECT_EQ(calc.CB1.Items().front(), "255.192.0.0");
}

TEST_F(InversedMask, UsesTheListOfTheCurrentClass) {
    EnterAddress("150.1.2.3");
    Select(calc.CB2, "18");
    CB2Change(calc.State);
    Toggle(true);
    EXPECT_EQ(calc.CB1.Text(), "0.0.63.255");
    EXPECT_EQ(calc.CB1.Count(), 13);

    EnterAddress("200.1.2.3");
    Select(calc.CB2, "30");
    CB2Change(calc.State);
    Toggle(false);
    Toggle(true);
    EXPECT_EQ(calc.CB1.Text(), "0.0.0.3");
    EXPECT_EQ(calc.CB1.Count(), 7);
}

TEST_F(InversedMask, WithoutAMaskBitsRowTheMaskStaysUnselected) {
    EnterAddress("10.1.2.3");
    Toggle(true);
    EXPECT_EQ(calc.CB1.ItemIndex(), -1);
    EXPECT_EQ(calc.CB1.Items().front(), "0.63.255.255");
}

TEST_F(InversedMask, DoesNothingBeforeAClassOrInMulticast) {
    Toggle(true);
    EXPECT_EQ(calc.CB1.Items().front(), "255.192.0.0");

    EnterAddress("150.1.2.3");
    Select(calc.CB2, "20");
    CB2Change(calc.State);
    EnterAddress("230.1.2.3");
    Toggle(false);
    EXPECT_EQ(calc.CB1.Text(), "0.0.15.255") << "multicast keeps the old form";
}

} // namespace
} // namespace maskwell
