// SPDX-License-Identifier: MIT
#include "core/AddressInfo.h"

#include "core/Error.h"
#include "tests/core/CalculatorFixture.h"

namespace maskwell {
namespace {

class AddressInfo : public test::CalculatorFixture {
protected:
    void PickClass(int row) {
        calc.CBA1.SetItemIndex(row);
        CBA1Change(calc.State);
    }
};

TEST_F(AddressInfo, PickingAClassRewritesOnlyAForeignFirstOctet) {
    const struct {
        const char* Address;
        int Row;
        const char* Expected;
    } cases[] = {
        {"10.1.2.3", 2, "192.1.2.3"},  {"150.0.0.9", 1, "150.0.0.9"}, {"127.0.0.1", 0, "127.0.0.1"},
        {"230.1.1.1", 0, "1.1.1.1"},   {"8.8.8.8", 3, "224.8.8.8"},   {"191.0.0.1", 2, "192.0.0.1"},
        {"223.0.0.1", 1, "128.0.0.1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Address);
        MemoryCalculator fresh;
        fresh.IPE.SetText(c.Address);
        fresh.CBA1.SetItemIndex(c.Row);
        CBA1Change(fresh.State);
        EXPECT_EQ(fresh.IPE.Text(), c.Expected);
    }
}

TEST_F(AddressInfo, PickingClassCRebuildsThePageForTheNewAddress) {
    EnterAddress("10.1.2.3");
    PickClass(2);
    EXPECT_EQ(calc.IPE.Text(), "192.1.2.3");
    EXPECT_EQ(calc.CBA1.ItemIndex(), 2);
    EXPECT_EQ(calc.L10.Text(), "Class C Bit Map (n=network;h=host)");
    EXPECT_EQ(calc.EA1.Text(), "110nnnnn.nnnnnnnn.nnnnnnnn.hhhhhhhh");
    EXPECT_EQ(calc.EA2.Text(), "11000000.00000001.00000010.00000011");
    EXPECT_EQ(calc.EA3.Text(), "C0.01.02.03");
    EXPECT_EQ(calc.CB1.Count(), 7);
}

TEST_F(AddressInfo, PickingMulticastNotifies) {
    EnterAddress("8.8.8.8");
    PickClass(3);
    EXPECT_EQ(calc.Notices.Notices(), std::vector<std::string>{"multicast or class d"});
    EXPECT_EQ(calc.L10.Text(), "Multicast Bit Map (g=group)");
}

TEST_F(AddressInfo, UnknownRowTextChangesNothing) {
    calc.L10.SetText("title");
    calc.EA1.SetText("pattern");
    calc.CBA1.Clear();
    std::string_view odd = "Class E";
    calc.CBA1.AddItems(std::span(&odd, 1));
    calc.CBA1.SetItemIndex(0);
    UpdateAddressInfo(calc.State);
    EXPECT_EQ(calc.L10.Text() + calc.EA1.Text(), "titlepattern");
}

TEST_F(AddressInfo, BadFirstOctetStopsBeforeTheAddressChanges) {
    calc.IPE.SetText("1x.2.3.4");
    calc.CBA1.SetItemIndex(2);
    EXPECT_THROW(CBA1Change(calc.State), ConversionError);
    EXPECT_EQ(calc.IPE.Text(), "1x.2.3.4");
}

} // namespace
} // namespace maskwell
