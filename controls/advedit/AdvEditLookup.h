// SPDX-License-Identifier: MIT
#pragma once

#include "controls/advedit/AdvEditSettings.h"

#include <QFrame>
#include <QObject>
#include <QString>
#include <QStringList>
#include <vector>

class QListWidget;

// The advanced edit's completion list: the popup that shows it and the rules
// that fill, size and move through it.
namespace maskwell {

// Each row of the list is at least this high, in pixels, and as high as a
// line of the field's font.
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
int LookupListHeight(int matches, int displayCount, int rowHeight);

// The list window's width: 10 pixels more than the widest entry, that width
// being at least 50.
int LookupListWidth(const std::vector<int>& entryWidths);

// Where Page Down and Page Up move the selection: by a page of displayCount
// rows, stopping at the last and the first entry.
int LookupPageDown(int index, int count, int displayCount);
int LookupPageUp(int index, int displayCount);

// The popup that holds the list under the field. It never takes the keyboard
// focus, so typing goes on in the field while it is shown, but it takes the
// mouse: a release over it is a choice.
class TListHintWindow : public QFrame {
    Q_OBJECT

public:
    explicit TListHintWindow(QWidget* owner);

    QListWidget* ListControl() const { return list_; }
    // The list in a font, its rows a line of it high (kLookupRowHeight at
    // least); returns that height.
    int SetListFont(const QFont& font);

signals:
    // The mouse button came up over the list.
    void Choose();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class FixedRowDelegate;
    QListWidget* list_;
    FixedRowDelegate* rows_; // the list's
};

// The completion list of a field: it offers the entries of Settings() that
// begin with the field's value in a popup right under the field, in the
// field's font, and reports the one chosen. It knows the field only as a widget: the field hands it
// the value to match and puts the chosen text in itself.
//
// Once the popup exists, the list watches the field's events: losing the focus
// or the window's activation hides it, Escape closes it (and does nothing
// else), and Home, End, Page Up and Page Down move in it instead of the field;
// Up and Down move in it and still reach the field. Enter is the field's to
// pass on (Choose()), after its own Enter rules.
class TLookupList : public QObject {
    Q_OBJECT

public:
    explicit TLookupList(QWidget& field);

    TLookupSettings& Settings() { return settings_; }
    const TLookupSettings& Settings() const { return settings_; }

    // Refreshes the list for the field's value: shown with the matching
    // entries once the value has NumChars characters, hidden otherwise.
    // Nothing happens while the lookup is not enabled.
    void Update(const QString& value);
    // Takes the selected entry: the field gets the focus back, the popup
    // hides and Chosen reports the entry (or its partner in the value list).
    void Choose();
    bool Visible() const;
    void Hide();

signals:
    // The text an entry chose for the field.
    void Chosen(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TListHintWindow& Window();
    // A key of the visible list; true when the key is used up.
    bool ListKey(int key);

    QWidget& field_;
    TLookupSettings settings_;
    TListHintWindow* window_ = nullptr; // made when first shown
};

} // namespace maskwell
