// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>

namespace maskwell {

// One line of input: its text without the line end ("\n", or "\r\n"), its
// number counted from 1, and whether it was longer than LineReader::MaxLength
// (the text then holds only its first MaxLength bytes).
struct InputLine {
    std::string_view Text;
    std::size_t Number = 0;
    bool TooLong = false;
};

// The lines of a file descriptor, read in large blocks and handed out one at a
// time without a copy: memory stays the same however long the input or its
// lines. beforeWaiting runs before each read that may block, so that a caller
// can write out what it owes for the lines so far (results typed at a terminal
// or coming through a pipe appear as they are answered).
class LineReader {
public:
    static constexpr std::size_t MaxLength = 4096;

    LineReader(int descriptor, std::function<void()> beforeWaiting)
        : descriptor_(descriptor), beforeWaiting_(std::move(beforeWaiting)) {}
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // The next line, valid until the next call; nothing at the end of the input
    // or after a failed read. The last line needs no line end.
    std::optional<InputLine> Next();
    // The errno of a failed read, 0 while none has failed.
    int Error() const { return error_; }

private:
    // Reads more after what is held; false at the end of the input or on a failure.
    bool Fill();

    static constexpr std::size_t kCapacity = std::size_t{64} * 1024;
    int descriptor_;
    std::function<void()> beforeWaiting_;
    int error_ = 0;
    bool ended_ = false;
    bool skipping_ = false; // past the part of a long line that was handed out
    std::size_t number_ = 0;
    std::size_t begin_ = 0;            // the next line starts here
    std::size_t end_ = 0;              // what was read ends here
    std::array<char, kCapacity> held_; // not cleared: only what was written is read
};

} // namespace maskwell
