// SPDX-License-Identifier: MIT
#include "app/SubnetListModel.h"

#include <QBrush>
#include <gtest/gtest.h>

namespace maskwell {
namespace {

QString Text(const TSubnetListModel& model, int row, int column, int role = Qt::DisplayRole) {
    return model.data(model.index(row, column), role).toString();
}

// The longest list and the shortest, read at their ends: rows are computed
// as they are asked for, the marked ones greyed.
TEST(SubnetListModel, ComputesAnyRowOfTheLongestListAndMarksItsEnds) {
    TSubnetListModel model;
    EXPECT_EQ(model.rowCount(), 0) << "no mask, no rows";
    EXPECT_TRUE(model.SetList(SubnetList::Of({{10, 1, 2, 3}, 30})));
    EXPECT_FALSE(model.SetList(SubnetList::Of({{10, 9, 9, 9}, 30}))) << "the same network";
    ASSERT_EQ(model.rowCount(), 4194304);
    ASSERT_EQ(model.columnCount(), 6);

    const int last = model.rowCount() - 1;
    EXPECT_EQ(Text(model, last, 0), "4194303");
    EXPECT_EQ(Text(model, last, 1), "10.255.255.252");
    EXPECT_EQ(Text(model, last, 5), "all-ones");
    EXPECT_EQ(Text(model, 0, 5), "zero");
    EXPECT_EQ(Text(model, 1, 5), "");
    EXPECT_FALSE(model.data(model.index(last, 5), Qt::ForegroundRole).isNull());
    EXPECT_FALSE(model.data(model.index(0, 2), Qt::ForegroundRole).isNull());
    EXPECT_TRUE(model.data(model.index(1, 2), Qt::ForegroundRole).isNull()) << "not greyed";

    EXPECT_EQ(Text(model, last, 1, Qt::AccessibleTextRole), "Subnet ID 10.255.255.252");
    EXPECT_EQ(Text(model, 1, 5, Qt::AccessibleTextRole), "Mark none");
    EXPECT_EQ(Text(model, 0, 3, Qt::AccessibleDescriptionRole),
              "Subnet 0 of 4194304: subnet ID 10.0.0.0, hosts 10.0.0.1 to 10.0.0.2, broadcast "
              "10.0.0.3, subnet zero");
    EXPECT_EQ(model.headerData(3, Qt::Horizontal, Qt::DisplayRole).toString(), "Last Host");

    EXPECT_TRUE(model.SetList(SubnetList::Of({{192, 168, 5, 1}, 24})));
    ASSERT_EQ(model.rowCount(), 1);
    EXPECT_TRUE(model.data(model.index(0, 1), Qt::ForegroundRole).isNull()) << "n = 0: unmarked";
}

} // namespace
} // namespace maskwell
