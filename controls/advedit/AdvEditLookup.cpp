// SPDX-License-Identifier: MIT
#include "controls/advedit/AdvEditLookup.h"

#include "platform/Color.h"
#include "platform/ErrorBox.h"
#include "platform/TextDrawing.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QListWidget>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <algorithm>

namespace maskwell {

namespace {

QString AsciiUpper(const QString& text) {
    QString upper = text;
    for (QChar& c : upper)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - u'a' + u'A');
    return upper;
}

} // namespace

// Every row of the list has the same height; the style draws the rest.
class TListHintWindow::FixedRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    int Height() const { return height_; }
    void SetHeight(int height) { height_ = height; }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), height_};
    }

private:
    int height_ = kLookupRowHeight;
};

// --- The rules ---------------------------------------------------------------

std::vector<LookupEntry> LookupMatches(const QStringList& displayList, const QString& value,
                                       bool caseSensitive) {
    std::vector<LookupEntry> matches;
    const QString upperValue = AsciiUpper(value);
    for (qsizetype i = 0; i < displayList.size(); ++i) {
        const QString& entry = displayList[i];
        const bool match =
            caseSensitive ? entry.startsWith(value) : AsciiUpper(entry).startsWith(upperValue);
        if (match)
            matches.push_back({entry, static_cast<int>(i)});
    }
    return matches;
}

void SortLookupEntries(std::vector<LookupEntry>& entries) {
    std::stable_sort(entries.begin(), entries.end(),
                     [](const LookupEntry& a, const LookupEntry& b) {
                         return QString::compare(a.text, b.text, Qt::CaseInsensitive) < 0;
                     });
}

int LookupListHeight(int matches, int displayCount, int rowHeight) {
    const int rows = matches < displayCount ? matches : displayCount;
    return rows * rowHeight + 4;
}

int LookupListWidth(const std::vector<int>& entryWidths) {
    int widest = 50;
    for (const int width : entryWidths)
        widest = std::max(widest, width);
    return 10 + widest;
}

int LookupPageDown(int index, int count, int displayCount) {
    return index + displayCount > count - 1 ? count - 1 : index + displayCount;
}

int LookupPageUp(int index, int displayCount) {
    return index > displayCount ? index - displayCount : 0;
}

// --- The popup ---------------------------------------------------------------

TListHintWindow::TListHintWindow(QWidget* owner)
    : QFrame(owner, Qt::ToolTip | Qt::FramelessWindowHint), list_(new QListWidget(this)),
      rows_(new FixedRowDelegate(list_)) {
    // Shown without activation and never focused: the field keeps the keyboard.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setFrameStyle(QFrame::Box | QFrame::Plain); // a thin border
    setLineWidth(1);
    QPalette colors = palette();
    colors.setColor(QPalette::Window, ResolveColor(clWindow));
    colors.setColor(QPalette::WindowText, ResolveColor(clBlack));
    setPalette(colors);
    setAutoFillBackground(true);

    list_->setFocusPolicy(Qt::NoFocus);
    list_->setFrameShape(QFrame::NoFrame);
    list_->setItemDelegate(rows_);
    list_->setUniformItemSizes(true);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->viewport()->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetNoConstraint); // the field decides the size
    layout->addWidget(list_);
    resize(0, 0);
}

int TListHintWindow::SetListFont(const QFont& font) {
    list_->setFont(font);
    rows_->SetHeight(std::max(kLookupRowHeight, QFontMetrics(font).height()));
    return rows_->Height();
}

bool TListHintWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_->viewport() && event->type() == QEvent::MouseButtonRelease)
        emit Choose();
    return QFrame::eventFilter(watched, event);
}

// --- The list of a field -----------------------------------------------------

TLookupList::TLookupList(QWidget& field) : QObject(&field), field_(field) {}

TListHintWindow& TLookupList::Window() {
    if (!window_) {
        window_ = new TListHintWindow(&field_);
        connect(window_, &TListHintWindow::Choose, this, [this] { Guarded([this] { Choose(); }); });
        // Only a shown list has anything to do with the field's events.
        field_.installEventFilter(this);
    }
    return *window_;
}

bool TLookupList::Visible() const {
    return window_ && window_->isVisible();
}

void TLookupList::Hide() {
    if (Visible())
        window_->hide();
}

void TLookupList::Update(const QString& value) {
    if (!settings_.Enabled())
        return;
    if (value.size() < settings_.NumChars()) {
        Hide();
        return;
    }
    TListHintWindow& window = Window();
    QListWidget* list = window.ListControl();
    window.setWindowTitle(QStringLiteral("  "));
    QPalette colors = list->palette();
    colors.setColor(QPalette::Base, ResolveColor(settings_.Color()));
    list->setPalette(colors);
    QFont font = field_.font();
    font.setUnderline(false); // the URL look is the field's own
    const int rowHeight = window.SetListFont(font);

    list->clear();
    std::vector<LookupEntry> entries =
        LookupMatches(settings_.DisplayList(), value, settings_.CaseSensitive());
    SortLookupEntries(entries);
    std::vector<int> widths;
    for (const LookupEntry& entry : entries) {
        auto* item = new QListWidgetItem(entry.text, list);
        item->setData(Qt::UserRole, entry.index);
        widths.push_back(TextExtent(font, entry.text).width());
    }
    const int k = static_cast<int>(entries.size());
    if (k > 0)
        list->setCurrentRow(0);

    window.setGeometry(QRect(field_.mapToGlobal(QPoint(0, field_.height())),
                             QSize(k > 0 ? LookupListWidth(widths) : 200,
                                   LookupListHeight(k, settings_.DisplayCount(), rowHeight))));
    window.setVisible(k > 0);
}

void TLookupList::Choose() {
    if (!window_)
        return;
    if (QWidget* form = field_.window(); !form->isActiveWindow()) {
        form->raise();
        form->activateWindow();
    }
    field_.setFocus(Qt::OtherFocusReason);
    Hide();
    const QListWidgetItem* item = window_->ListControl()->currentItem();
    if (!item)
        return; // nothing was selected: nothing to choose
    const int index = item->data(Qt::UserRole).toInt();
    const QStringList& values = settings_.ValueList();
    emit Chosen(index >= 0 && index < values.size() ? values[index] : item->text());
}

bool TLookupList::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &field_ || !Visible())
        return QObject::eventFilter(watched, event);
    bool consumed = false;
    Guarded([&] {
        switch (event->type()) {
        case QEvent::FocusOut: {
            // A popup (the field's menu) takes the keyboard only for a moment.
            if (static_cast<QFocusEvent*>(event)->reason() == Qt::PopupFocusReason)
                break;
            const QWidget* next = QApplication::focusWidget();
            if (!(next && window_->isAncestorOf(next)))
                Hide();
            break;
        }
        case QEvent::WindowDeactivate:
            Hide();
            break;
        case QEvent::KeyPress:
            consumed = ListKey(static_cast<QKeyEvent*>(event)->key());
            if (consumed)
                event->accept();
            break;
        default:
            break;
        }
    });
    return consumed;
}

bool TLookupList::ListKey(int key) {
    QListWidget* list = window_->ListControl();
    const int count = list->count();
    const int index = list->currentRow();
    const int page = settings_.DisplayCount();
    switch (key) {
    case Qt::Key_Escape:
        // Closes the list and does nothing else; the next one is the field's.
        Hide();
        return true;
    case Qt::Key_Home:
        list->setCurrentRow(0);
        return true;
    case Qt::Key_End:
        list->setCurrentRow(count - 1);
        return true;
    case Qt::Key_PageDown:
        list->setCurrentRow(LookupPageDown(index, count, page));
        return true;
    case Qt::Key_PageUp:
        list->setCurrentRow(LookupPageUp(index, page));
        return true;
    case Qt::Key_Up:
        if (index > 0)
            list->setCurrentRow(index - 1);
        return false;
    case Qt::Key_Down:
        if (index < count - 1)
            list->setCurrentRow(index + 1);
        return false;
    default:
        return false;
    }
}

} // namespace maskwell
