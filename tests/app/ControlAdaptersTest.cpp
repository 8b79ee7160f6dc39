// SPDX-License-Identifier: MIT
#include "app/ControlAdapters.h"

#include <QSignalSpy>
#include <array>
#include <gtest/gtest.h>
#include <string_view>
#include <vector>

namespace maskwell {
namespace {

using namespace std::string_view_literals;

TEST(ComboBoxSelector, BehavesAsASelectorAndNeverReportsAPick) {
    QComboBox combo;
    QSignalSpy picks(&combo, &QComboBox::activated);
    ComboBoxSelector selector(combo);

    const std::array rows{"10"sv, "11"sv, "12"sv};
    selector.Clear();
    selector.AddItems(rows);
    EXPECT_EQ(selector.Count(), 3);
    EXPECT_EQ(selector.ItemIndex(), -1) << "adding rows selects nothing";
    EXPECT_EQ(selector.Text(), "");

    selector.SetItemIndex(2);
    EXPECT_EQ(selector.Text(), "12");
    selector.AddItems(std::array{"13"sv});
    EXPECT_EQ(selector.ItemIndex(), 2) << "adding keeps a selection";

    selector.SetItemIndex(4);
    EXPECT_EQ(selector.ItemIndex(), -1) << "beyond the end leaves no selection";
    selector.SetItemIndex(1);
    selector.Clear();
    EXPECT_EQ(selector.ItemIndex(), -1);
    EXPECT_EQ(selector.Count(), 0);
    EXPECT_EQ(picks.count(), 0);
}

// The combo box's own comparison must agree with the generic one, row for row.
struct HoldsCase {
    const char* Name;
    std::vector<std::string_view> List;
    bool Expected;
};

class ComboBoxHolds : public ::testing::TestWithParam<HoldsCase> {};

TEST_P(ComboBoxHolds, AgreesWithTheRowTexts) {
    QComboBox combo;
    ComboBoxSelector selector(combo);
    selector.AddItems(std::array{"255.255.255.0"sv, "255.255.255.128"sv, "\xc3\xa9t\xc3\xa9"sv});
    const HoldsCase& c = GetParam();
    EXPECT_EQ(selector.Holds(c.List), c.Expected);
    EXPECT_EQ(selector.Selector::Holds(c.List), c.Expected) << "the generic comparison";
}

INSTANTIATE_TEST_SUITE_P(
    ComboBoxSelector, ComboBoxHolds,
    ::testing::Values(
        HoldsCase{
            "SameRows", {"255.255.255.0"sv, "255.255.255.128"sv, "\xc3\xa9t\xc3\xa9"sv}, true},
        HoldsCase{"OneRowShort", {"255.255.255.0"sv, "255.255.255.128"sv}, false},
        HoldsCase{"OneRowMore",
                  {"255.255.255.0"sv, "255.255.255.128"sv, "\xc3\xa9t\xc3\xa9"sv, "x"sv},
                  false},
        HoldsCase{
            "OtherText", {"255.255.255.0"sv, "255.255.255.192"sv, "\xc3\xa9t\xc3\xa9"sv}, false},
        HoldsCase{
            "OtherAccent", {"255.255.255.0"sv, "255.255.255.128"sv, "\xc3\xa8t\xc3\xa9"sv}, false},
        HoldsCase{"Empty", {}, false}),
    [](const auto& info) { return std::string(info.param.Name); });

} // namespace
} // namespace maskwell
