// SPDX-License-Identifier: MIT
#include "core/ClassTables.h"
#include "core/Error.h"
#include "core/SelectorLinkage.h"
#include "tests/core/CalculatorFixture.h"

#include <ostream>
#include <vector>

namespace maskwell {
namespace {

using ClassRebuild = test::CalculatorFixture;

std::vector<std::string> Strings(std::span<const std::string_view> list) {
    return {list.begin(), list.end()};
}

TEST_F(ClassRebuild, FillsTheListsAndPageOfTheAddressClass) {
    EnterAddress("172.16.77.9");
    EXPECT_EQ(calc.State.AddressClass, "b");
    EXPECT_EQ(calc.CB1.Items(), Strings(ClassBLists().Masks));
    EXPECT_EQ(calc.CB2.Items(), Strings(ClassBLists().MaskBits));
    EXPECT_EQ(calc.CB3.Items(), Strings(ClassBLists().MaxSubnets));
    EXPECT_EQ(calc.CB4.Items(), Strings(ClassBLists().MaxHosts));
    EXPECT_EQ(calc.CBA1.ItemIndex(), 1);
    EXPECT_EQ(calc.L10.Text(), "Class B Bit Map (n=network;h=host)");
    EXPECT_EQ(calc.EA1.Text(), "10nnnnnn.nnnnnnnn.hhhhhhhh.hhhhhhhh");
    EXPECT_EQ(calc.EA2.Text(), "10101100.00010000.01001101.00001001");
    EXPECT_EQ(calc.EA3.Text(), "AC.10.4D.09");
    EXPECT_TRUE(calc.Notices.Notices().empty());
}

TEST_F(ClassRebuild, NothingSelectedStaysUnselected) {
    EnterAddress("192.168.0.1");
    EXPECT_EQ(calc.State.AddressClass, "c");
    EXPECT_EQ(calc.CB1.ItemIndex(), -1);
    EXPECT_EQ(calc.CB2.ItemIndex(), -1);
    EXPECT_EQ(calc.EA2.Text(), "11000000.10101000.00000000.00000001");
    EXPECT_EQ(calc.EA3.Text(), "C0.A8.00.01");
}

struct CarryCase {
    friend void PrintTo(const CarryCase& c, std::ostream* out) {
        *out << c.From << " " << c.Mask << " -> " << c.To;
    }
    const char* From;
    const char* Mask;
    bool Inversed;
    const char* To;
    int ExpectedRow;
    const char* ExpectedMasks;
};

class MaskCarriedOver : public test::CalculatorFixture,
                        public ::testing::WithParamInterface<CarryCase> {};

TEST_P(MaskCarriedOver, BetweenClassesInTheSameForm) {
    const CarryCase& c = GetParam();
    calc.ChB1.SetChecked(c.Inversed);
    EnterAddress(c.From);
    Select(calc.CB1, c.Mask);
    CB1Change(calc.State);
    EnterAddress(c.To);
    EXPECT_EQ(calc.CB1.ItemIndex(), c.ExpectedRow);
    EXPECT_EQ(Masks(), c.ExpectedMasks);
}

INSTANTIATE_TEST_SUITE_P(
    ClassRebuild, MaskCarriedOver,
    ::testing::Values(
        CarryCase{"10.0.0.1", "255.255.255.0", false, "192.168.0.1", 0,
                  "255.255.255.0 / 24 / 1 / 254"},
        CarryCase{"10.0.0.1", "255.192.0.0", false, "150.1.1.1", 0,
                  "255.255.192.0 / 18 / 2 / 16382"},
        CarryCase{"192.168.0.1", "255.255.255.128", false, "10.0.0.1", 15,
                  "255.255.255.128 / 25 / 131070 / 126"},
        CarryCase{"10.0.0.1", "0.0.0.255", true, "192.168.0.1", 0, "0.0.0.255 / 24 / 1 / 254"},
        CarryCase{"10.0.0.1", "0.63.255.255", true, "150.1.1.1", 0, "0.0.63.255 / 18 / 2 / 16382"},
        CarryCase{"192.168.0.1", "0.0.0.127", true, "10.0.0.1", 15,
                  "0.0.0.127 / 25 / 131070 / 126"}));

// A rebuild may leave lists in place only where refilling them would end the
// same: each row starts from class A 10.1.2.3 with the given selections and
// then enters the second address.
struct RepeatCase {
    friend void PrintTo(const RepeatCase& c, std::ostream* out) { *out << c.Name; }
    const char* Name;
    int MaskRow;   // CB1's row before the second address (-1: none)
    int OtherRows; // CB2 to CB4's row before it
    bool Inversed; // ChB1 checked before the second address
    const char* Second;
    int ExpectedClears; // lists emptied by the second rebuild
    const char* ExpectedMasks;
    int ExpectedOtherRow;
    const char* ExpectedResults;
};

class RepeatedClass : public test::CalculatorFixture,
                      public ::testing::WithParamInterface<RepeatCase> {};

TEST_P(RepeatedClass, EndsAsAFreshRefillWould) {
    const RepeatCase& c = GetParam();
    EnterAddress("10.1.2.3");
    calc.CB1.SetItemIndex(c.MaskRow);
    for (MemorySelector* other : {&calc.CB2, &calc.CB3, &calc.CB4})
        other->SetItemIndex(c.OtherRows);
    calc.ChB1.SetChecked(c.Inversed);
    const int clearsBefore =
        calc.CB1.Clears() + calc.CB2.Clears() + calc.CB3.Clears() + calc.CB4.Clears();

    EnterAddress(c.Second);
    EXPECT_EQ(calc.CB1.Clears() + calc.CB2.Clears() + calc.CB3.Clears() + calc.CB4.Clears() -
                  clearsBefore,
              c.ExpectedClears);
    EXPECT_EQ(Masks(), c.ExpectedMasks);
    for (const MemorySelector* other : {&calc.CB2, &calc.CB3, &calc.CB4})
        EXPECT_EQ(other->ItemIndex(), c.ExpectedOtherRow);
    EXPECT_EQ(Results(), c.ExpectedResults);
}

INSTANTIATE_TEST_SUITE_P(
    ClassRebuild, RepeatedClass,
    ::testing::Values(RepeatCase{"SameClassWithAMaskKeepsTheLists", 14, 14, false, "10.9.8.7", 0,
                                 "255.255.255.0 / 24 / 65534 / 254", 14,
                                 "10.9.8.1 - 10.9.8.254 | 10.9.8.0 | 10.9.8.255"},
                      RepeatCase{"SameClassWithMismatchedRowsFollowsTheMask", 2, 7, false,
                                 "10.9.8.7", 0, "255.240.0.0 / 12 / 14 / 1048574", 2,
                                 "10.0.0.1 - 10.15.255.254 | 10.0.0.0 | 10.15.255.255"},
                      RepeatCase{"SameClassWithoutAMaskEmptiesTheOtherSelections", -1, 5, false,
                                 "10.9.8.7", 4, " /  /  / ", -1, " |  | "},
                      RepeatCase{"OtherFormRefillsTheMasks", 14, 14, true, "10.9.8.7", 4,
                                 "0.63.255.255 / 10 / 2 / 4194302", 0,
                                 "10.0.0.1 - 10.63.255.254 | 10.0.0.0 | 10.63.255.255"},
                      RepeatCase{"OtherClassRefillsEveryList", 14, 14, false, "192.168.4.5", 4,
                                 "255.255.255.0 / 24 / 1 / 254", 0,
                                 "192.168.4.1 - 192.168.4.254 | 192.168.4.0 | 192.168.4.255"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(ClassRebuild, MaskInTheOtherFormIsNotFound) {
    EnterAddress("10.0.0.1");
    Select(calc.CB1, "255.255.255.0");
    CB1Change(calc.State);
    calc.ChB1.SetChecked(true); // toggled in multicast, where the list keeps its form
    EnterAddress("192.168.1.1");
    EXPECT_EQ(Masks(), "0.0.0.255 / 24 / 1 / 254");
    EXPECT_EQ(calc.CB1.ItemIndex(), 0);
}

TEST_F(ClassRebuild, MulticastShowsTheNoticeForEachAddressAndLeavesTheSelectors) {
    EnterAddress("150.1.2.3");
    Select(calc.CB2, "26");
    CB2Change(calc.State);
    const auto listsBefore = calc.CB1.Items();
    const std::string masksBefore = Masks();

    EnterAddress("224.1.2.3");
    EnterAddress("239.255.0.1");
    EXPECT_EQ(calc.Notices.Notices(),
              (std::vector<std::string>{"multicast or class d", "multicast or class d"}));
    EXPECT_EQ(calc.State.AddressClass, "d");
    EXPECT_EQ(calc.CB1.Items(), listsBefore);
    EXPECT_EQ(Masks(), masksBefore);
    EXPECT_EQ(calc.CBA1.ItemIndex(), 3);
    EXPECT_EQ(calc.L10.Text(), "Multicast Bit Map (g=group)");
    EXPECT_EQ(calc.EA1.Text(), "1110gggg.gggggggg.gggggggg.gggggggg");
    EXPECT_EQ(calc.EA3.Text(), "EF.FF.00.01");
    EXPECT_EQ(Results(), "239.255.0.1 - 239.255.0.62 | 239.255.0.0 | 239.255.0.63");
}

// Once per address: a rebuild of the same address says nothing new, and a
// notice the window held back (the user was typing) comes at a later rebuild.
TEST_F(ClassRebuild, MulticastNoticeComesOncePerAddressWhenTheWindowTakesIt) {
    calc.Notices.HoldBack(true);
    EnterAddress("224.1.0.1");
    EnterAddress("224.1.2.1");
    calc.Notices.HoldBack(false);
    EnterAddress("224.1.2.3");
    EnterAddress("224.1.2.3");
    EXPECT_EQ(calc.Notices.Notices().size(), 1u);
    EnterAddress("127.0.0.1");
    EnterAddress("224.1.2.3");
    EnterAddress("10.0.0.1");
    EnterAddress("224.1.2.3");
    EXPECT_EQ(calc.Notices.Notices().size(), 3u) << "each time the address comes back";
}

TEST_F(ClassRebuild, FirstOctetZeroOr127LeavesTheClassButStillRecomputes) {
    EnterAddress("150.1.2.3");
    Select(calc.CB2, "24");
    CB2Change(calc.State);
    for (const char* address : {"127.0.0.1", "0.9.8.7"}) {
        SCOPED_TRACE(address);
        EnterAddress(address);
        EXPECT_EQ(calc.State.AddressClass, "b");
        EXPECT_EQ(calc.CB1.Items(), Strings(ClassBLists().Masks));
        EXPECT_EQ(Masks(), "255.255.255.0 / 24 / 254 / 254");
        EXPECT_EQ(calc.CBA1.ItemIndex(), 1);
        EXPECT_EQ(calc.L10.Text(), "Class B Bit Map (n=network;h=host)");
    }
    EXPECT_EQ(Results(), "0.9.8.1 - 0.9.8.254 | 0.9.8.0 | 0.9.8.255");
    EXPECT_EQ(calc.EA2.Text(), "00000000.00001001.00001000.00000111");
    EXPECT_EQ(calc.EA3.Text(), "00.09.08.07");
}

TEST_F(ClassRebuild, BeforeAnyClassTheFirstOctetZeroKeepsTheInitialState) {
    EnterAddress("0.0.0.1");
    EXPECT_EQ(calc.State.AddressClass, "");
    EXPECT_EQ(calc.CB1.Items(), Strings(ClassALists().Masks));
    EXPECT_EQ(calc.CB1.ItemIndex(), -1);
    EXPECT_EQ(calc.EA3.Text(), "00.00.00.01");
}

TEST_F(ClassRebuild, BadFirstFieldChangesNothing) {
    EnterAddress("150.1.2.3");
    Select(calc.CB2, "20");
    CB2Change(calc.State);
    const std::string before = Masks() + Results() + calc.EA2.Text();
    calc.IPE.SetText("x.1.2.3");
    try {
        RebindCheckbox(calc.State);
        ADD_FAILURE() << "rebuilt";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "'x' is not a valid integer value");
    }
    EXPECT_EQ(Masks() + Results() + calc.EA2.Text(), before);
    EXPECT_EQ(calc.State.AddressClass, "b");
}

TEST_F(ClassRebuild, BadLaterFieldLeavesTheNewListsButTheOldBinaryTexts) {
    EnterAddress("150.1.2.3");
    Select(calc.CB2, "20");
    CB2Change(calc.State);
    calc.IPE.SetText("10.1..3");
    EXPECT_THROW(RebindCheckbox(calc.State), ConversionError);
    EXPECT_EQ(calc.State.AddressClass, "a");
    EXPECT_EQ(calc.CB1.Items(), Strings(ClassALists().Masks));
    EXPECT_EQ(Masks(), "255.255.240.0 / 20 / 4094 / 4094");
    EXPECT_EQ(calc.L10.Text(), "Class A Bit Map (n=network;h=host)");
    EXPECT_EQ(Results(), "150.1.0.1 - 150.1.15.254 | 150.1.0.0 | 150.1.15.255");
    EXPECT_EQ(calc.EA2.Text(), "10010110.00000001.00000010.00000011");
    EXPECT_EQ(calc.EA3.Text(), "96.01.02.03");
}

} // namespace
} // namespace maskwell
