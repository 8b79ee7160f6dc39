// SPDX-License-Identifier: MIT
#include "platform/UniformTableView.h"

#include "platform/UniformTableAccessible.h"

#include <QAccessible>
#include <QEvent>
#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

namespace maskwell {

TUniformTableView::TUniformTableView(QWidget* parent)
    : QAbstractItemView(parent), header_(new QHeaderView(Qt::Horizontal, this)) {
    InstallUniformTableAccessibility();
    header_->setSectionsClickable(false);
    header_->setHighlightSections(false);
    header_->setStretchLastSection(true);
    header_->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(header_, &QHeaderView::sectionResized, this, [this] {
        updateGeometries();
        viewport()->update();
    });
    setSelectionBehavior(SelectRows);
    setSelectionMode(ExtendedSelection);
    setEditTriggers(NoEditTriggers);
}

void TUniformTableView::setModel(QAbstractItemModel* model) {
    QAbstractItemView::setModel(model);
    header_->setModel(model);
    if (!model)
        return;
    // A reset is laid out at once (reset() below); other changes too, so that
    // a scroll right after one finds the new rows.
    for (const auto changed :
         {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved,
          &QAbstractItemModel::columnsInserted, &QAbstractItemModel::columnsRemoved})
        connect(model, changed, this, &TUniformTableView::updateGeometries);
    connect(model, &QAbstractItemModel::modelReset, this, &TUniformTableView::updateGeometries);
    updateGeometries();
}

int TUniformTableView::RowHeight() const {
    return fontMetrics().height() + 6;
}

int TUniformTableView::FirstVisibleRow() const {
    return verticalScrollBar()->value();
}

int TUniformTableView::VisibleRowCount() const {
    return std::max(1, viewport()->height() / RowHeight());
}

void TUniformTableView::SetPlaceholderText(const QString& text) {
    if (text == placeholder_)
        return;
    placeholder_ = text;
    viewport()->update();
}

int TUniformTableView::RowCount() const {
    return model() ? model()->rowCount(rootIndex()) : 0;
}

// The row at a viewport height, also above or below the rows in view.
int TUniformTableView::RowAt(int y) const {
    const int height = RowHeight();
    const int rowsDown = y >= 0 ? y / height : -((height - 1 - y) / height);
    return FirstVisibleRow() + rowsDown;
}

QRect TUniformTableView::visualRect(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != model())
        return {};
    const int height = RowHeight();
    return {header_->sectionViewportPosition(index.column()),
            (index.row() - FirstVisibleRow()) * height, header_->sectionSize(index.column()),
            height};
}

void TUniformTableView::scrollTo(const QModelIndex& index, ScrollHint hint) {
    if (!index.isValid())
        return;
    const int row = index.row();
    const int first = FirstVisibleRow();
    const int visible = VisibleRowCount();
    int top = first;
    switch (hint) {
    case EnsureVisible:
        if (row < first)
            top = row;
        else if (row >= first + visible)
            top = row - visible + 1;
        break;
    case PositionAtTop:
        top = row;
        break;
    case PositionAtBottom:
        top = row - visible + 1;
        break;
    case PositionAtCenter:
        top = row - visible / 2;
        break;
    }
    verticalScrollBar()->setValue(top);

    const QRect cell = visualRect(index);
    const int width = viewport()->width();
    QScrollBar* across = horizontalScrollBar();
    if (cell.left() < 0)
        across->setValue(across->value() + cell.left());
    else if (cell.right() >= width)
        across->setValue(across->value() + std::min(cell.left(), cell.right() - width + 1));
}

QModelIndex TUniformTableView::indexAt(const QPoint& point) const {
    const int row = RowAt(point.y());
    const int column = header_->logicalIndexAt(point.x());
    if (point.y() < 0 || row >= RowCount() || column < 0)
        return {};
    return model()->index(row, column, rootIndex());
}

void TUniformTableView::keyboardSearch(const QString&) {}

QModelIndex TUniformTableView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers) {
    const int rows = RowCount();
    const int columns = model() ? model()->columnCount(rootIndex()) : 0;
    if (rows == 0 || columns == 0)
        return {};
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return model()->index(0, 0, rootIndex());
    int row = current.row();
    int column = current.column();
    switch (cursorAction) {
    case MoveUp:
        --row;
        break;
    case MoveDown:
        ++row;
        break;
    case MovePageUp:
        row -= VisibleRowCount();
        break;
    case MovePageDown:
        row += VisibleRowCount();
        break;
    case MoveHome:
        row = 0;
        break;
    case MoveEnd:
        row = rows - 1;
        break;
    case MoveLeft:
    case MovePrevious:
        --column;
        break;
    case MoveRight:
    case MoveNext:
        ++column;
        break;
    }
    return model()->index(std::clamp(row, 0, rows - 1), std::clamp(column, 0, columns - 1),
                          rootIndex());
}

int TUniformTableView::horizontalOffset() const {
    return horizontalScrollBar()->value();
}

// In pixels, as the base class counts a press that the pointer drags from.
int TUniformTableView::verticalOffset() const {
    return FirstVisibleRow() * RowHeight();
}

bool TUniformTableView::isIndexHidden(const QModelIndex& index) const {
    return header_->isSectionHidden(index.column());
}

void TUniformTableView::setSelection(const QRect& rect,
                                     QItemSelectionModel::SelectionFlags command) {
    const int rows = RowCount();
    if (rows == 0 || !selectionModel())
        return;
    const QRect area = rect.normalized();
    const int top = std::clamp(RowAt(area.top()), 0, rows - 1);
    const int bottom = std::clamp(RowAt(area.bottom()), 0, rows - 1);
    const int lastColumn = model()->columnCount(rootIndex()) - 1;
    selectionModel()->select(QItemSelection(model()->index(top, 0, rootIndex()),
                                            model()->index(bottom, lastColumn, rootIndex())),
                             command);
}

QRegion TUniformTableView::visualRegionForSelection(const QItemSelection& selection) const {
    const int first = FirstVisibleRow();
    const int last = first + VisibleRowCount();
    const int height = RowHeight();
    QRegion region;
    for (const QItemSelectionRange& range : selection) {
        const int top = std::max(range.top(), first);
        const int bottom = std::min(range.bottom(), last);
        if (!range.isValid() || top > bottom)
            continue;
        const int left = header_->sectionViewportPosition(range.left());
        const int right =
            header_->sectionViewportPosition(range.right()) + header_->sectionSize(range.right());
        region += QRect(left, (top - first) * height, right - left, (bottom - top + 1) * height);
    }
    return region;
}

void TUniformTableView::updateGeometries() {
    const int headerHeight = header_->isHidden() ? 0 : header_->sizeHint().height();
    setViewportMargins(0, headerHeight, 0, 0);
    const QRect area = viewport()->geometry();
    header_->setGeometry(area.left(), area.top() - headerHeight, area.width(), headerHeight);

    QScrollBar* down = verticalScrollBar();
    down->setRange(0, std::max(0, RowCount() - VisibleRowCount()));
    down->setPageStep(VisibleRowCount());
    down->setSingleStep(1);
    QScrollBar* across = horizontalScrollBar();
    across->setRange(0, std::max(0, header_->length() - area.width()));
    across->setPageStep(area.width());
    across->setSingleStep(RowHeight());
    header_->setOffset(across->value());
    QAbstractItemView::updateGeometries();
}

void TUniformTableView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QAbstractItemView::currentChanged(current, previous);
    TellCurrentCell();
}

// Told once the focus has settled: Qt tells the view itself after this event,
// and a reader should hear the row last.
void TUniformTableView::focusInEvent(QFocusEvent* event) {
    QAbstractItemView::focusInEvent(event);
    QMetaObject::invokeMethod(this, &TUniformTableView::TellCurrentCell, Qt::QueuedConnection);
}

// The cell a screen reader speaks: it follows the keyboard, and reaching the
// view reads the row the keyboard is on.
void TUniformTableView::TellCurrentCell() {
    const QModelIndex current = currentIndex();
    if (QAccessible::isActive() && current.isValid() && hasFocus()) {
        QAccessibleEvent event(this, QAccessible::Focus);
        event.setChild(UniformTableChildIndex(current.row(), current.column(),
                                              model()->columnCount(rootIndex())));
        QAccessible::updateAccessibility(&event);
    }
}

void TUniformTableView::scrollContentsBy(int, int) {
    header_->setOffset(horizontalScrollBar()->value());
    viewport()->update();
}

void TUniformTableView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const int rows = RowCount();
    if (rows == 0) {
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(viewport()->rect().adjusted(12, 12, -12, -12),
                         Qt::AlignCenter | Qt::TextWordWrap, placeholder_);
        return;
    }
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const int height = RowHeight();
    const int first = FirstVisibleRow();
    const int last = std::min(rows - 1, first + viewport()->height() / height);
    for (int row = first; row <= last; ++row)
        PaintRow(painter, option, row, (row - first) * height);
}

void TUniformTableView::PaintRow(QPainter& painter, QStyleOptionViewItem& option, int row,
                                 int top) {
    const QStyle::State state = option.state;
    const int width = viewport()->width();
    const QModelIndex current = currentIndex();
    const int columns = model()->columnCount(rootIndex());
    for (int column = 0; column < columns; ++column) {
        const int left = header_->sectionViewportPosition(column);
        const int size = header_->sectionSize(column);
        if (header_->isSectionHidden(column) || left + size <= 0 || left >= width)
            continue;
        const QModelIndex index = model()->index(row, column, rootIndex());
        option.rect = QRect(left, top, size, RowHeight());
        option.state = state;
        if (selectionModel()->isSelected(index))
            option.state |= QStyle::State_Selected;
        if (index == current && hasFocus())
            option.state |= QStyle::State_HasFocus;
        option.features.setFlag(QStyleOptionViewItem::Alternate,
                                alternatingRowColors() && row % 2 == 1);
        style()->drawPrimitive(QStyle::PE_PanelItemViewRow, &option, &painter, this);
        itemDelegateForIndex(index)->paint(&painter, option, index);
    }
    option.state = state;
}

void TUniformTableView::changeEvent(QEvent* event) {
    QAbstractItemView::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        updateGeometries();
}

} // namespace maskwell
