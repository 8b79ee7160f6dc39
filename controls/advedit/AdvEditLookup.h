// SPDX-License-Identifier: MIT
#pragma once

#include "platform/NotifyEvent.h"

#include <QFrame>
#include <QString>
#include <QStringList>
#include <vector>

class QListWidget;

// The advanced edit's completion list: the popup that shows it and the rules
// that fill, size and move through it.
namespace maskwell {

// Each row of the list is this high, in pixels.
inline constexpr int kLookupRowHeight = 12;

// An entry offered by the list, with its index in the display list (which
// picks its partner in the value list).
struct LookupEntry {
    QString text;
    int index = 0;
    friend bool operator==(const LookupEntry&, const LookupEntry&) = default;
};

// The entries of displayList that begin with value: exactly, or on their ASCII
// upper-case forms unless caseSensitive. They come in list order.
std::vector<LookupEntry> LookupMatches(const QStringList& displayList, const QString& value,
                                       bool caseSensitive);

// Sorted as the list shows them: without regard to case, entries that differ
// only in case in their list order.
void SortLookupEntries(std::vector<LookupEntry>& entries);

// The list window's height for k matching entries: DisplayCount rows at most,
// plus 4 pixels.
int LookupListHeight(int matches, int displayCount);

// The list window's width: 10 pixels more than the widest entry, that width
// being at least 50.
int LookupListWidth(const std::vector<int>& entryWidths);

// Where Page Down and Page Up move the selection: by a page of displayCount
// rows, stopping at the last and the first entry.
int LookupPageDown(int index, int count, int displayCount);
int LookupPageUp(int index, int displayCount);

// The popup that holds the list under the field. It never takes the keyboard
// focus, so typing goes on in the field while it is shown, but it takes the
// mouse: a release over it fires OnChoose.
class TListHintWindow : public QFrame {
    Q_OBJECT

public:
    explicit TListHintWindow(QWidget* owner);

    QListWidget* ListControl() const { return list_; }

    TNotifyEvent OnChoose;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QListWidget* list_;
};

} // namespace maskwell
