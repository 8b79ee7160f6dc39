// SPDX-License-Identifier: MIT
#include "app/DeferredAdapters.h"

#include "app/ControlAdapters.h"

#include <QComboBox>
#include <array>
#include <gtest/gtest.h>
#include <memory>
#include <string_view>
#include <vector>

namespace maskwell {
namespace {

using namespace std::string_view_literals;

// The rows and selection a list holds before its combo box exists, and what
// the combo box already lists when it is attached.
struct SelectorCase {
    const char* Name;
    std::vector<std::string_view> ComboRows; // in the combo box before attaching
    int HeldIndex;                           // selected while held
};

void PrintTo(const SelectorCase& row, std::ostream* out) {
    *out << row.Name;
}

class DeferredSelectorAttach : public ::testing::TestWithParam<SelectorCase> {};

TEST_P(DeferredSelectorAttach, TheComboBoxTakesTheHeldRowsAndSelection) {
    const SelectorCase& c = GetParam();
    const std::array rows{"Class A"sv, "Class B"sv, "Class C"sv};
    DeferredSelector selector(rows, 0);
    EXPECT_EQ(selector.Text(), "Class A") << "starts on the given row";
    selector.SetItemIndex(c.HeldIndex);
    const std::string held = selector.Text();

    QComboBox combo;
    for (const std::string_view row : c.ComboRows)
        combo.addItem(QString::fromUtf8(row.data(), static_cast<qsizetype>(row.size())));
    selector.Attach(std::make_unique<ComboBoxSelector>(combo));

    ASSERT_EQ(combo.count(), 3);
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(combo.itemText(row).toStdString(), rows[static_cast<std::size_t>(row)]);
    EXPECT_EQ(combo.currentIndex(), c.HeldIndex);
    EXPECT_EQ(selector.Text(), held);

    selector.SetItemIndex(1);
    EXPECT_EQ(combo.currentIndex(), 1) << "later selections go to the widget";
    combo.setCurrentIndex(2);
    EXPECT_EQ(selector.ItemIndex(), 2) << "the widget is the state once it exists";
    EXPECT_TRUE(selector.Holds(rows));
}

INSTANTIATE_TEST_SUITE_P(
    DeferredSelector, DeferredSelectorAttach,
    ::testing::Values(SelectorCase{"EmptyComboBox", {}, 2},
                      SelectorCase{"SameRowsAlready", {"Class A"sv, "Class B"sv, "Class C"sv}, 1},
                      SelectorCase{"OtherRowsReplaced", {"255.0.0.0"sv, "255.128.0.0"sv}, 0},
                      SelectorCase{"NothingSelected", {}, -1}),
    [](const auto& info) { return std::string(info.param.Name); });

} // namespace
} // namespace maskwell
