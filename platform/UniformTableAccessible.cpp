// SPDX-License-Identifier: MIT
#include "platform/UniformTableAccessible.h"

#include "platform/UniformTableView.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QHeaderView>
#include <QPointer>
#include <algorithm>

namespace maskwell {

namespace {

// Selections can hold millions of rows; a reader asking for the selected
// ones gets the first of them, enough to speak, not a list that stalls it.
constexpr int kMostListed = 4096;

QAccessibleInterface* InterfaceOf(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

// One cell, or with row -1 one column's header.
class CellAccessible final : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    CellAccessible(TUniformTableView* view, int row, int column)
        : view_(view), row_(row), column_(column) {}

    bool isValid() const override {
        return view_ && view_->model() && row_ < view_->model()->rowCount(view_->rootIndex()) &&
               column_ < view_->model()->columnCount(view_->rootIndex());
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return view_ ? view_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return InterfaceOf(view_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override {
        return row_ < 0 ? QAccessible::ColumnHeader : QAccessible::Cell;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        return nullptr;
    }

    QString text(QAccessible::Text kind) const override {
        if (!isValid())
            return {};
        if (row_ < 0)
            return kind == QAccessible::Name
                       ? view_->model()->headerData(column_, Qt::Horizontal).toString()
                       : QString();
        const QModelIndex index = Index();
        if (kind == QAccessible::Description)
            return index.data(Qt::AccessibleDescriptionRole).toString();
        if (kind != QAccessible::Name)
            return {};
        const QString named = index.data(Qt::AccessibleTextRole).toString();
        return named.isEmpty() ? index.data(Qt::DisplayRole).toString() : named;
    }

    QRect rect() const override {
        if (!isValid())
            return {};
        if (row_ < 0) {
            const QHeaderView* header = view_->Header();
            return {header->mapToGlobal(QPoint(header->sectionViewportPosition(column_), 0)),
                    QSize(header->sectionSize(column_), header->height())};
        }
        const QRect cell = view_->visualRect(Index());
        return {view_->viewport()->mapToGlobal(cell.topLeft()), cell.size()};
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        if (row_ >= 0) {
            const QModelIndex index = Index();
            state.selectable = true;
            state.focusable = true;
            state.selected = isSelected();
            state.focused = view_->hasFocus() && view_->currentIndex() == index;
            if (!view_->viewport()->rect().intersects(view_->visualRect(index)))
                state.invisible = state.offscreen = true;
        }
        return state;
    }

    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> columnHeaderCells() const override {
        QAccessibleInterface* table = parent();
        // The headers are the table's first children.
        QAccessibleInterface* header = row_ >= 0 && table ? table->child(column_) : nullptr;
        return header ? QList<QAccessibleInterface*>{header} : QList<QAccessibleInterface*>{};
    }
    bool isSelected() const override {
        return row_ >= 0 && view_ && view_->selectionModel() &&
               view_->selectionModel()->isSelected(Index());
    }
    QAccessibleInterface* table() const override { return parent(); }

private:
    QModelIndex Index() const { return view_->model()->index(row_, column_, view_->rootIndex()); }

    QPointer<TUniformTableView> view_;
    int row_;
    int column_;
};

class TableAccessible final : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit TableAccessible(TUniformTableView* view)
        : QAccessibleWidget(view, QAccessible::Table) {}
    ~TableAccessible() override { DropCells(); }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    int childCount() const override { return (rowCount() + 1) * columnCount(); }
    QAccessibleInterface* child(int index) const override {
        const int columns = columnCount();
        if (index < 0 || columns == 0 || index >= childCount())
            return nullptr;
        return Cell(index / columns - 1, index % columns);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        auto* cell = const_cast<QAccessibleInterface*>(child)->tableCellInterface();
        if (!cell || child->parent() != this)
            return -1;
        return UniformTableChildIndex(cell->rowIndex(), cell->columnIndex(), columnCount());
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QHeaderView* header = View()->Header();
        const QPoint inHeader = header->mapFromGlobal(QPoint(x, y));
        if (header->rect().contains(inHeader)) {
            const int column = header->logicalIndexAt(inHeader.x());
            return column >= 0 ? Cell(-1, column) : nullptr;
        }
        const QModelIndex index = View()->indexAt(View()->viewport()->mapFromGlobal(QPoint(x, y)));
        return index.isValid() ? Cell(index.row(), index.column()) : nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        const QModelIndex current = View()->currentIndex();
        if (!View()->hasFocus() || !current.isValid())
            return nullptr;
        return Cell(current.row(), current.column());
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
            return nullptr;
        return Cell(row, column);
    }
    int columnCount() const override {
        return Model() ? Model()->columnCount(View()->rootIndex()) : 0;
    }
    int rowCount() const override { return Model() ? Model()->rowCount(View()->rootIndex()) : 0; }
    QString columnDescription(int column) const override {
        return Model() ? Model()->headerData(column, Qt::Horizontal).toString() : QString();
    }
    QString rowDescription(int) const override { return {}; }

    // Selection is by whole rows.
    int selectedRowCount() const override {
        int rows = 0;
        if (const QItemSelectionModel* selection = View()->selectionModel())
            for (const QItemSelectionRange& range : selection->selection())
                rows += range.height();
        return rows;
    }
    int selectedCellCount() const override { return selectedRowCount() * columnCount(); }
    int selectedColumnCount() const override { return 0; }
    QList<int> selectedRows() const override {
        QList<int> rows;
        if (const QItemSelectionModel* selection = View()->selectionModel())
            for (const QItemSelectionRange& range : selection->selection())
                for (int row = range.top(); row <= range.bottom() && rows.size() < kMostListed;
                     ++row)
                    rows << row;
        std::sort(rows.begin(), rows.end());
        return rows;
    }
    QList<QAccessibleInterface*> selectedCells() const override {
        QList<QAccessibleInterface*> cells;
        const int columns = columnCount();
        for (const int row : selectedRows())
            for (int column = 0; column < columns && cells.size() < kMostListed; ++column)
                cells << Cell(row, column);
        return cells;
    }
    QList<int> selectedColumns() const override { return {}; }
    bool isRowSelected(int row) const override {
        return Model() && View()->selectionModel() &&
               View()->selectionModel()->isSelected(Model()->index(row, 0, View()->rootIndex()));
    }
    bool isColumnSelected(int) const override { return false; }
    bool selectRow(int row) override { return SelectRow(row, QItemSelectionModel::Select); }
    bool unselectRow(int row) override { return SelectRow(row, QItemSelectionModel::Deselect); }
    bool selectColumn(int) override { return false; }
    bool unselectColumn(int) override { return false; }

    // The cells made so far may stand for rows that are gone.
    void modelChange(QAccessibleTableModelChangeEvent*) override { DropCells(); }

private:
    TUniformTableView* View() const { return static_cast<TUniformTableView*>(widget()); }
    const QAbstractItemModel* Model() const { return View()->model(); }

    bool SelectRow(int row, QItemSelectionModel::SelectionFlags how) {
        if (!Model() || !View()->selectionModel() || row < 0 || row >= rowCount())
            return false;
        View()->selectionModel()->select(Model()->index(row, 0, View()->rootIndex()),
                                         how | QItemSelectionModel::Rows);
        return true;
    }

    QAccessibleInterface* Cell(int row, int column) const {
        const int key = UniformTableChildIndex(row, column, columnCount());
        if (const auto made = cells_.constFind(key); made != cells_.constEnd())
            return QAccessible::accessibleInterface(*made);
        auto* cell = new CellAccessible(View(), row, column);
        cells_.insert(key, QAccessible::registerAccessibleInterface(cell));
        return cell;
    }

    void DropCells() {
        for (const QAccessible::Id id : std::as_const(cells_))
            QAccessible::deleteAccessibleInterface(id);
        cells_.clear();
    }

    mutable QHash<int, QAccessible::Id> cells_;
};

QAccessibleInterface* UniformTableInterface(const QString&, QObject* object) {
    if (auto* view = qobject_cast<TUniformTableView*>(object))
        return new TableAccessible(view);
    return nullptr;
}

} // namespace

int UniformTableChildIndex(int row, int column, int columns) {
    return (row + 1) * columns + column;
}

void InstallUniformTableAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&UniformTableInterface);
        return true;
    }();
    (void)installed;
}

} // namespace maskwell
