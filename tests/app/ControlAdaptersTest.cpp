#include "app/ControlAdapters.h"

#include <QSignalSpy>
#include <array>
#include <gtest/gtest.h>

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

} // namespace
} // namespace maskwell
