// SPDX-License-Identifier: MIT
#include "platform/dragdrop/OleFormats.h"

#include <QStringList>
#include <algorithm>
#include <mutex>
#include <utility>

namespace maskwell {

namespace {

constexpr CLIPFORMAT kFirstRegisteredFormat = 0xC000;

struct FormatRegistry {
    std::mutex lock;
    QStringList names; // index i holds the name of format 0xC000 + i
};

FormatRegistry& Registry() {
    static FormatRegistry registry;
    return registry;
}

std::atomic<bool>& ClipboardOpen() {
    static std::atomic<bool> open{false};
    return open;
}

class TFormatEnumerator : public TComObject<IEnumFORMATETC> {
public:
    TFormatEnumerator(std::vector<FORMATETC> entries, std::size_t position)
        : entries_(std::move(entries)), position_(position) {}

    HRESULT Next(ULONG count, FORMATETC* entries, ULONG* fetched) override {
        if (!entries)
            return E_POINTER;
        ULONG filled = 0;
        while (filled < count && position_ < entries_.size())
            entries[filled++] = entries_[position_++];
        if (fetched)
            *fetched = filled;
        return filled == count ? S_OK : S_FALSE;
    }
    HRESULT Skip(ULONG count) override {
        position_ += count;
        if (position_ <= entries_.size())
            return S_OK;
        position_ = entries_.size();
        return S_FALSE;
    }
    HRESULT Reset() override {
        position_ = 0;
        return S_OK;
    }
    HRESULT Clone(IEnumFORMATETC** copy) override {
        if (!copy)
            return E_POINTER;
        *copy = new TFormatEnumerator(entries_, position_);
        return S_OK;
    }

private:
    std::vector<FORMATETC> entries_;
    std::size_t position_;
};

} // namespace

CLIPFORMAT RegisterClipboardFormat(const QString& name) {
    if (name.isEmpty())
        return 0;
    FormatRegistry& registry = Registry();
    const std::lock_guard guard(registry.lock);
    const auto known = std::find_if(registry.names.cbegin(), registry.names.cend(),
                                    [&name](const QString& registered) {
                                        return registered.compare(name, Qt::CaseInsensitive) == 0;
                                    });
    const auto index = known - registry.names.cbegin();
    if (known == registry.names.cend())
        registry.names << name;
    return static_cast<CLIPFORMAT>(kFirstRegisteredFormat + index);
}

QString ClipboardFormatName(CLIPFORMAT format) {
    if (format < kFirstRegisteredFormat)
        return {};
    FormatRegistry& registry = Registry();
    const std::lock_guard guard(registry.lock);
    return registry.names.value(format - kFirstRegisteredFormat);
}

bool OpenClipboard(QWidget* /*owner*/) {
    return !ClipboardOpen().exchange(true);
}

bool CloseClipboard() {
    return ClipboardOpen().exchange(false);
}

FORMATETC HGlobalFormat(CLIPFORMAT format) {
    return {format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

IEnumFORMATETC* CreateFormatEnumerator(std::vector<FORMATETC> entries) {
    return new TFormatEnumerator(std::move(entries), 0);
}

} // namespace maskwell
