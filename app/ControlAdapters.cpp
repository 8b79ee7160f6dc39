#include "app/ControlAdapters.h"

#include "platform/NoticeBox.h"

#include <QStringList>

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

void ComboBoxSelector::SetItemIndex(int row) {
    combo_.setCurrentIndex(row >= 0 && row < combo_.count() ? row : -1);
}

void NoticeBoxSink::Notice(std::string_view text) {
    ShowNotice(&window_, QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

} // namespace maskwell
