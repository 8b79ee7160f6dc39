// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractItemView>

class QHeaderView;

namespace maskwell {

// A table of rows that all have one height, laid out by arithmetic: row r
// lies r row heights down. Nothing is kept per row, so a model of millions of
// rows costs what one of ten does and any row is reached at once (Qt's table
// and tree views keep an entry for every row). Whole rows are selected;
// Left and Right move between the cells of a row, Home and End go to the
// first and last row. The columns have a header whose sections the user
// resizes, the last one stretching. For assistive technologies it is a table
// whose cells are read with their column's name (UniformTableAccessible.h).
class TUniformTableView : public QAbstractItemView {
    Q_OBJECT

public:
    explicit TUniformTableView(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;
    QHeaderView* Header() const { return header_; }
    int RowHeight() const;
    // The first row in view and how many whole rows the view shows.
    int FirstVisibleRow() const;
    int VisibleRowCount() const;

    // Drawn in the view while it has no rows: why there are none.
    void SetPlaceholderText(const QString& text);
    const QString& PlaceholderText() const { return placeholder_; }

    QRect visualRect(const QModelIndex& index) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint& point) const override;
    // Typing does not search the rows: a search through millions of them would
    // stall the window. Whoever shows the view offers its own way to a row.
    void keyboardSearch(const QString& search) override;

protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    bool isIndexHidden(const QModelIndex& index) const override;
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;
    void updateGeometries() override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void focusInEvent(QFocusEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int RowCount() const;
    int RowAt(int y) const;
    void PaintRow(QPainter& painter, QStyleOptionViewItem& option, int row, int top);
    void TellCurrentCell();

    QHeaderView* header_;
    QString placeholder_;
};

} // namespace maskwell
