// SPDX-License-Identifier: MIT
#include "platform/UniformTableView.h"

#include "platform/UniformTableAccessible.h"

#include <QAbstractTableModel>
#include <QAccessible>
#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace maskwell {
namespace {

// Rows made when asked for, as many as the largest subnet list has. Column B
// names itself for a screen reader; the others leave it to their text.
class MillionsModel : public QAbstractTableModel {
public:
    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : 4194304;
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : 3;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        const QString text = QStringLiteral("%1.%2").arg(index.row()).arg(index.column());
        if (role == Qt::DisplayRole)
            return text;
        if (role == Qt::AccessibleTextRole && index.column() == 1)
            return QStringLiteral("B ") + text;
        return {};
    }
    QVariant headerData(int section, Qt::Orientation, int role) const override {
        return role == Qt::DisplayRole ? QVariant(QString(QChar(u'A' + section))) : QVariant();
    }
};

class UniformTableView : public ::testing::Test {
protected:
    UniformTableView() {
        view.setModel(&model);
        view.resize(400, 300);
        view.show();
        QApplication::setActiveWindow(&view);
        view.setFocus();
    }

    QModelIndex Current() const { return view.currentIndex(); }

    MillionsModel model;
    TUniformTableView view;
    const int last = model.rowCount() - 1;
};

TEST_F(UniformTableView, TheLastOfMillionsOfRowsIsOneKeyAwayAndHitWhereItIsDrawn) {
    QTest::keyClick(&view, Qt::Key_End);
    ASSERT_EQ(Current().row(), last);
    const int visible = view.VisibleRowCount();
    EXPECT_GT(visible, 5);
    EXPECT_EQ(view.verticalScrollBar()->maximum(), model.rowCount() - visible);
    EXPECT_EQ(view.FirstVisibleRow(), model.rowCount() - visible);
    const QRect cell = view.visualRect(Current());
    EXPECT_TRUE(view.viewport()->rect().contains(cell)) << cell.y();
    EXPECT_EQ(view.indexAt(cell.center()), Current());
    EXPECT_FALSE(view.indexAt(QPoint(5, cell.bottom() + 1)).isValid()) << "nothing below";

    QTest::keyClick(&view, Qt::Key_Home);
    EXPECT_EQ(Current().row(), 0);
    QTest::keyClick(&view, Qt::Key_PageDown);
    EXPECT_EQ(Current().row(), visible);
    QTest::keyClick(&view, Qt::Key_Right);
    EXPECT_EQ(Current().column(), 1);

    // Whole rows, one range however many: nothing is kept per row.
    QTest::keyClick(&view, Qt::Key_End, Qt::ShiftModifier);
    const QItemSelection selection = view.selectionModel()->selection();
    ASSERT_EQ(selection.size(), 1);
    EXPECT_EQ(selection.front().top(), visible);
    EXPECT_EQ(selection.front().bottom(), last);
    EXPECT_EQ(selection.front().width(), 3);
}

TEST_F(UniformTableView, ClicksSelectWholeRowsAndShiftExtendsThem) {
    const auto click = [this](int row, Qt::KeyboardModifiers modifiers = {}) {
        const QRect cell = view.visualRect(model.index(row, 2));
        QTest::mouseClick(view.viewport(), Qt::LeftButton, modifiers, cell.center());
    };
    click(2);
    click(4, Qt::ShiftModifier);
    const QItemSelection selection = view.selectionModel()->selection();
    ASSERT_EQ(selection.size(), 1);
    EXPECT_EQ(selection.front().top(), 2);
    EXPECT_EQ(selection.front().bottom(), 4);
    EXPECT_EQ(selection.front().left(), 0);
    EXPECT_EQ(Current(), model.index(4, 2));
}

TEST_F(UniformTableView, IsATableWhoseCellsNameTheirColumn) {
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&view);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->role(), QAccessible::Table);
    QAccessibleTableInterface* cells = table->tableInterface();
    ASSERT_NE(cells, nullptr);
    EXPECT_EQ(cells->rowCount(), model.rowCount());
    EXPECT_EQ(cells->columnCount(), 3);
    EXPECT_EQ(cells->columnDescription(2), "C");

    QAccessibleInterface* named = cells->cellAt(last, 1);
    ASSERT_NE(named, nullptr);
    EXPECT_EQ(named->role(), QAccessible::Cell);
    EXPECT_EQ(named->text(QAccessible::Name), "B 4194303.1");
    EXPECT_EQ(cells->cellAt(last, 0)->text(QAccessible::Name), "4194303.0") << "its own text";
    const QList<QAccessibleInterface*> headers = named->tableCellInterface()->columnHeaderCells();
    ASSERT_EQ(headers.size(), 1);
    EXPECT_EQ(headers.front()->role(), QAccessible::ColumnHeader);
    EXPECT_EQ(headers.front()->text(QAccessible::Name), "B");

    const int child = UniformTableChildIndex(last, 1, 3);
    EXPECT_EQ(table->indexOfChild(named), child);
    EXPECT_EQ(table->child(child), named) << "one interface per cell";
    EXPECT_EQ(table->childCount(), (model.rowCount() + 1) * 3);

    EXPECT_TRUE(cells->selectRow(7));
    EXPECT_TRUE(cells->isRowSelected(7));
    EXPECT_EQ(cells->selectedRows(), QList<int>{7});
    EXPECT_TRUE(cells->cellAt(7, 2)->state().selected);
    view.setCurrentIndex(model.index(7, 2));
    EXPECT_EQ(table->focusChild(), cells->cellAt(7, 2)) << "the reader follows the keyboard";
}

} // namespace
} // namespace maskwell
