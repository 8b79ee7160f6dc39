// SPDX-License-Identifier: MIT
#include "app/text/OutputBuffer.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace maskwell {

void OutputBuffer::Append(std::string_view text) {
    if (error_ != 0)
        return;
    if (used_ + text.size() > kCapacity) {
        Flush();
        if (text.size() > kCapacity) {
            Write(text);
            return;
        }
    }
    std::memcpy(held_.data() + used_, text.data(), text.size());
    used_ += text.size();
}

bool OutputBuffer::Flush() {
    Write(std::string_view(held_.data(), used_));
    used_ = 0;
    return error_ == 0;
}

void OutputBuffer::Write(std::string_view bytes) {
    while (error_ == 0 && !bytes.empty()) {
        const ssize_t written = ::write(descriptor_, bytes.data(), bytes.size());
        if (written > 0)
            bytes.remove_prefix(static_cast<std::size_t>(written));
        else if (written == 0)
            error_ = EIO; // a write that takes nothing would take nothing forever
        else if (errno != EINTR)
            error_ = errno;
    }
}

} // namespace maskwell
