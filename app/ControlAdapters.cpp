// SPDX-License-Identifier: MIT
#include "app/ControlAdapters.h"

#include "platform/NoticeBox.h"

#include <QStringList>
#include <algorithm>

namespace maskwell {

void ComboBoxSelector::AddItems(std::span<const std::string_view> items) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(items.size()));
    for (const std::string_view item : items)
        texts << QString::fromUtf8(item.data(), static_cast<qsizetype>(item.size()));
    // A combo box selects the first row added to an empty list; a selector
    // selects nothing when rows are added.
    const int selected = combo_.currentIndex();
    combo_.addItems(texts);
    combo_.setCurrentIndex(selected);
}

// Compared without converting each row to UTF-8 as Item() does: the lists
// are ASCII, which compares as Latin-1 without a copy.
bool ComboBoxSelector::Holds(std::span<const std::string_view> items) const {
    if (combo_.count() != static_cast<int>(items.size()))
        return false;
    for (int row = 0; row < combo_.count(); ++row) {
        const std::string_view item = items[static_cast<std::size_t>(row)];
        const auto size = static_cast<qsizetype>(item.size());
        const bool ascii = std::all_of(item.begin(), item.end(),
                                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
        const QString text = combo_.itemText(row);
        if (ascii ? text != QLatin1String(item.data(), size)
                  : text != QString::fromUtf8(item.data(), size))
            return false;
    }
    return true;
}

void ComboBoxSelector::SetItemIndex(int row) {
    combo_.setCurrentIndex(row >= 0 && row < combo_.count() ? row : -1);
}

bool NoticeBoxSink::Notice(std::string_view text) {
    if (holdBack_ && holdBack_())
        return false;
    ShowNotice(&window_, QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    return true;
}

} // namespace maskwell
