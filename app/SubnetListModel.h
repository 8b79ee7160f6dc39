// SPDX-License-Identifier: MIT
#pragma once

#include "core/SubnetList.h"

#include <QAbstractTableModel>

namespace maskwell {

// The subnet list as a table, one row per subnet with the columns of
// SubnetListColumns. It keeps the list (a few numbers) and computes a row's
// texts when a view asks for them: 4,194,304 rows cost what 4 do. Subnet zero
// and the all-ones subnet are greyed and say so in the last column. For a
// screen reader each cell names its column ("Subnet ID 10.4.0.0") and
// describes its whole row.
class TSubnetListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    // Shows another list (a reset); the same list again changes nothing, so
    // that a view keeps its place. Returns whether the list changed.
    bool SetList(const SubnetList& list);
    const SubnetList& List() const { return list_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString CellText(const SubnetRow& row, int column) const;
    QString RowDescription(const SubnetRow& row) const;

    SubnetList list_;
};

} // namespace maskwell
