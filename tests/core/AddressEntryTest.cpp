// SPDX-License-Identifier: MIT
#include "core/AddressEntry.h"

#include "core/SelectorLinkage.h"
#include "tests/core/CalculatorFixture.h"

#include <ostream>
#include <vector>

namespace maskwell {
namespace {

using Strings = std::vector<std::string>;

struct PasteCase {
    friend void PrintTo(const PasteCase& c, std::ostream* out) {
        *out << c.Before << " + \"" << c.Pasted << '"';
    }
    const char* Name;
    const char* Before; // the address before the paste, mask bits 24 chosen
    const char* Pasted;
    const char* Address;
    const char* Masks;
    Strings Notices = {};
};

class PastedAddress : public test::CalculatorFixture,
                      public ::testing::WithParamInterface<PasteCase> {
protected:
    // The control's own repair is tested with the window; here the reader's
    // octets need none, and the calls are counted.
    void Repair() { ++repairs; }
    int repairs = 0;
};

TEST_P(PastedAddress, IsTakenWithItsMaskOrSaysWhy) {
    const PasteCase& c = GetParam();
    EnterAddress(c.Before);
    Select(calc.CB2, "24");
    CB2Change(calc.State);

    const bool taken = PasteAddress(calc.State, c.Pasted, [this] { Repair(); });
    EXPECT_EQ(repairs, taken ? 1 : 0);
    EXPECT_EQ(calc.IPE.Text(), c.Address);
    EXPECT_EQ(Masks(), c.Masks);
    EXPECT_EQ(calc.Notices.Notices(), c.Notices);
}

INSTANTIATE_TEST_SUITE_P(
    AddressEntry, PastedAddress,
    ::testing::Values(
        PasteCase{"BitsInTheClassList", "10.0.0.1", "192.168.1.10/26", "192.168.1.10",
                  "255.255.255.192 / 26 / 2 / 62"},
        PasteCase{"MaskForm", "10.0.0.1", "172.16.77.9 255.255.240.0", "172.16.77.9",
                  "255.255.240.0 / 20 / 14 / 4094"},
        PasteCase{"WildcardForm", "10.0.0.1", "10.9.8.7/0.0.3.255", "10.9.8.7",
                  "255.255.252.0 / 22 / 16382 / 1022"},
        PasteCase{"NoMaskKeepsTheChosenOne", "10.0.0.1", "150.1.2.3", "150.1.2.3",
                  "255.255.255.0 / 24 / 254 / 254"},
        PasteCase{"BitsTheClassDoesNotOffer",
                  "10.0.0.1",
                  "192.168.1.10/16",
                  "192.168.1.10",
                  "255.255.255.0 / 24 / 1 / 254",
                  {"mask bits 16 is not offered for a class C address; choose 24 to 30"}},
        PasteCase{"BitsBelowEveryList",
                  "192.168.0.1",
                  "10.1.2.3/8",
                  "10.1.2.3",
                  "255.255.255.0 / 24 / 65534 / 254",
                  {"mask bits 8 is not offered for a class A address; choose 10 to 30"}},
        PasteCase{"HostRouteNotOffered",
                  "10.0.0.1",
                  "150.1.2.3/32",
                  "150.1.2.3",
                  "255.255.255.0 / 24 / 254 / 254",
                  {"mask bits 32 is not offered for a class B address; choose 18 to 30"}},
        PasteCase{"MulticastKeepsTheListsAndPicksFromThem",
                  "10.0.0.1",
                  "224.1.2.3/12",
                  "224.1.2.3",
                  "255.240.0.0 / 12 / 14 / 1048574",
                  {"multicast or class d"}},
        PasteCase{"MulticastAfterClassCTakesTheMaskAsAfterClassA",
                  "192.168.0.1",
                  "230.0.0.1/12",
                  "230.0.0.1",
                  "255.240.0.0 / 12 / 14 / 1048574",
                  {"multicast or class d"}},
        PasteCase{"MulticastAfterClassBTakesTheMaskAsAfterClassA",
                  "172.16.0.1",
                  "224.1.1.1/16",
                  "224.1.1.1",
                  "255.255.0.0 / 16 / 254 / 65534",
                  {"multicast or class d"}},
        PasteCase{"MulticastBitsNoListOffers",
                  "192.168.0.1",
                  "230.0.0.1/8",
                  "230.0.0.1",
                  "255.255.255.0 / 24 / 1 / 254",
                  {"multicast or class d",
                   "mask bits 8 is not offered for a class D address; choose 10 to 30"}},
        PasteCase{"LoopbackKeepsTheLists",
                  "150.0.0.1",
                  "127.0.0.1/8",
                  "127.0.0.1",
                  "255.255.255.0 / 24 / 254 / 254",
                  {"mask bits 8 is not offered for this address; choose 18 to 30"}},
        PasteCase{"NoAddressChangesNothing",
                  "10.0.0.1",
                  "10.0.0",
                  "10.0.0.1",
                  "255.255.255.0 / 24 / 65534 / 254",
                  {"paste an IPv4 address such as 192.168.1.10 or 192.168.1.10/24"}}),
    [](const ::testing::TestParamInfo<PasteCase>& info) { return info.param.Name; });

using AddressEntry = PastedAddress;

TEST_F(AddressEntry, RepairRunsOnceBetweenTheWriteAndTheOneRebuild) {
    std::vector<std::string> seen;
    PasteAddress(calc.State, " 0.1.2.3/24\n", [&] {
        seen.push_back(calc.IPE.Text() + " " + calc.EA3.Text());
        calc.IPE.SetText("1.1.2.3");
    });
    EXPECT_EQ(seen, Strings{"0.1.2.3 "}) << "written, not yet rebuilt";
    EXPECT_EQ(calc.EA3.Text(), "01.01.02.03");
    EXPECT_EQ(Results(), "1.1.2.1 - 1.1.2.254 | 1.1.2.0 | 1.1.2.255");
}

TEST_F(AddressEntry, RefusedTextLeavesEveryFieldAsItWas) {
    EnterAddress("172.16.77.9");
    Select(calc.CB2, "20");
    CB2Change(calc.State);
    const std::string before = ResultSummaryText(calc.State);
    EXPECT_FALSE(PasteAddress(calc.State, "172.16.77.9/20 172.16.77.10", [this] { Repair(); }));
    EXPECT_EQ(ResultSummaryText(calc.State), before);
    EXPECT_EQ(repairs, 0);
}

TEST_F(AddressEntry, SummaryListsEveryResultInOrder) {
    EnterAddress("172.16.77.9");
    Select(calc.CB2, "20");
    CB2Change(calc.State);
    calc.ChB1.SetChecked(true); // the summary names both forms whatever CB1 shows
    EXPECT_EQ(ResultSummaryText(calc.State), "address: 172.16.77.9/20\n"
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

TEST_F(AddressEntry, SummaryWithoutAMaskLeavesItsValuesEmpty) {
    EnterAddress("127.0.0.1"); // no class, nothing selected
    EXPECT_EQ(ResultSummaryText(calc.State), "address: 127.0.0.1\n"
                                             "subnet mask:\n"
                                             "wildcard mask:\n"
                                             "host address range:\n"
                                             "subnet ID:\n"
                                             "subnet broadcast:\n"
                                             "max subnets:\n"
                                             "max hosts per subnet:\n"
                                             "address class:\n"
                                             "binary: 01111111.00000000.00000000.00000001\n"
                                             "hexadecimal: 7F.00.00.01\n");
}

TEST_F(AddressEntry, SummaryWithoutAMaskIgnoresEarlierResults) {
    EnterAddress("10.1.2.3");
    Select(calc.CB2, "24");
    CB2Change(calc.State);
    for (Selector* selector : {&calc.CB1, &calc.CB2, &calc.CB3, &calc.CB4})
        selector->SetItemIndex(-1); // a stored row the lists do not have
    ASSERT_FALSE(calc.E1.Text().empty());
    const std::string summary = ResultSummaryText(calc.State);
    EXPECT_NE(summary.find("\nhost address range:\nsubnet ID:\nsubnet broadcast:\n"
                           "max subnets:\nmax hosts per subnet:\naddress class: A\n"),
              std::string::npos)
        << summary;
}

TEST_F(AddressEntry, SummaryOfAFieldBeingEditedRaisesNothing) {
    EnterAddress("10.1.2.3");
    calc.IPE.SetText(".1.2.3");
    EXPECT_NO_THROW(ResultSummaryText(calc.State));
}

} // namespace
} // namespace maskwell
