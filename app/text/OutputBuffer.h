// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace maskwell {

// Text for a file descriptor, gathered and written in large blocks: a million
// results cost a few hundred writes, in constant memory. The first failed
// write is remembered and everything after it dropped, so that a caller checks
// once, where it suits, whether all of it arrived.
class OutputBuffer {
public:
    explicit OutputBuffer(int descriptor) : descriptor_(descriptor) {}
    OutputBuffer(const OutputBuffer&) = delete;
    OutputBuffer& operator=(const OutputBuffer&) = delete;

    void Append(std::string_view text);
    void Append(char c) { Append(std::string_view(&c, 1)); }

    // Writes out what is held; false once any write has failed.
    bool Flush();
    bool Failed() const { return error_ != 0; }
    // The errno of the failed write, 0 while none has failed.
    int Error() const { return error_; }

private:
    void Write(std::string_view bytes);

    static constexpr std::size_t kCapacity = std::size_t{64} * 1024;
    int descriptor_;
    int error_ = 0;
    std::size_t used_ = 0;
    std::array<char, kCapacity> held_; // not cleared: only what was written is read
};

} // namespace maskwell
