// SPDX-License-Identifier: MIT
#include "app/SubnetListModel.h"

#include "core/SubnetListText.h"

#include <QBrush>
#include <QGuiApplication>
#include <QPalette>

namespace maskwell {

namespace {

enum Column { cNumber, cSubnetId, cFirstHost, cLastHost, cBroadcast, cMark };

QString Latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString ColumnName(int column) {
    return Latin1(SubnetListColumns.at(static_cast<std::size_t>(column)));
}

} // namespace

bool TSubnetListModel::SetList(const SubnetList& list) {
    if (list == list_)
        return false;
    beginResetModel();
    list_ = list;
    endResetModel();
    return true;
}

int TSubnetListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(list_.Count());
}

int TSubnetListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(SubnetListColumns.size());
}

QString TSubnetListModel::CellText(const SubnetRow& row, int column) const {
    switch (column) {
    case cNumber:
        return QString::number(row.Number);
    case cSubnetId:
        return Latin1(DottedText(row.Id));
    case cFirstHost:
        return Latin1(DottedText(row.FirstHost));
    case cLastHost:
        return Latin1(DottedText(row.LastHost));
    case cBroadcast:
        return Latin1(DottedText(row.Broadcast));
    default:
        return Latin1(SubnetMarkText(row.Mark));
    }
}

QString TSubnetListModel::RowDescription(const SubnetRow& row) const {
    QString text = QStringLiteral("Subnet %1 of %2: subnet ID %3, hosts %4 to %5, broadcast %6")
                       .arg(row.Number)
                       .arg(list_.Count())
                       .arg(CellText(row, cSubnetId), CellText(row, cFirstHost),
                            CellText(row, cLastHost), CellText(row, cBroadcast));
    if (row.Mark == SubnetMark::Zero)
        text += QStringLiteral(", subnet zero");
    else if (row.Mark == SubnetMark::AllOnes)
        text += QStringLiteral(", the all-ones subnet");
    return text;
}

QVariant TSubnetListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const SubnetRow row = list_.Row(static_cast<std::uint32_t>(index.row()));
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return CellText(row, column);
    case Qt::AccessibleTextRole: {
        const QString text = CellText(row, column);
        return ColumnName(column) + u' ' + (text.isEmpty() ? QStringLiteral("none") : text);
    }
    case Qt::AccessibleDescriptionRole:
        return RowDescription(row);
    case Qt::ForegroundRole:
        if (row.Mark != SubnetMark::None)
            return QGuiApplication::palette().brush(QPalette::Disabled, QPalette::Text);
        break;
    case Qt::ToolTipRole:
        if (row.Mark == SubnetMark::Zero)
            return QStringLiteral("Subnet zero: not counted in the max subnets");
        if (row.Mark == SubnetMark::AllOnes)
            return QStringLiteral("The all-ones subnet: not counted in the max subnets");
        break;
    case Qt::TextAlignmentRole:
        if (column == cNumber)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        break;
    default:
        break;
    }
    return {};
}

QVariant TSubnetListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    if (role == Qt::DisplayRole)
        return ColumnName(section);
    if (role == Qt::TextAlignmentRole && section == cNumber)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

} // namespace maskwell
