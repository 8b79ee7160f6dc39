// SPDX-License-Identifier: MIT
#include "app/text/LineReader.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace maskwell {

std::optional<InputLine> LineReader::Next() {
    for (;;) {
        const std::string_view held(held_.data() + begin_, end_ - begin_);
        const std::size_t lineEnd = held.find('\n');
        if (lineEnd != std::string_view::npos || (ended_ && !held.empty())) {
            std::string_view text = held.substr(0, lineEnd);
            begin_ += lineEnd == std::string_view::npos ? held.size() : lineEnd + 1;
            if (skipping_) {
                skipping_ = false; // the end of a line handed out cut
                continue;
            }
            if (!text.empty() && text.back() == '\r')
                text.remove_suffix(1);
            if (text.size() > MaxLength)
                return InputLine{text.substr(0, MaxLength), ++number_, true};
            return InputLine{text, ++number_, false};
        }
        if (ended_ || error_ != 0)
            return std::nullopt;
        if (skipping_) {
            begin_ = end_;
        } else if (held.size() > MaxLength) {
            // Handed out cut now; the rest is read past up to its line end.
            begin_ = end_;
            skipping_ = true;
            return InputLine{held.substr(0, MaxLength), ++number_, true};
        }
        if (!Fill())
            ended_ = error_ == 0;
    }
}

bool LineReader::Fill() {
    if (begin_ > 0) {
        std::memmove(held_.data(), held_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    if (beforeWaiting_)
        beforeWaiting_();
    for (;;) {
        const ssize_t got = ::read(descriptor_, held_.data() + end_, kCapacity - end_);
        if (got > 0) {
            end_ += static_cast<std::size_t>(got);
            return true;
        }
        if (got == 0)
            return false;
        if (errno != EINTR) {
            error_ = errno;
            return false;
        }
    }
}

} // namespace maskwell
