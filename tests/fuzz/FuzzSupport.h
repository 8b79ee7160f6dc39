// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

// What the fuzz harnesses share. Each harness is a function from bytes to a
// checked run; a broken property throws PropertyFailure, which the fuzzer
// reports as a crash (and saves the input) and the replay tests as a failure.
namespace maskwell::fuzz {

class PropertyFailure : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

inline void Require(bool holds, const std::string& what) {
    if (!holds)
        throw PropertyFailure(what);
}

inline std::string Quoted(const QString& text) {
    return '"' + text.toStdString() + '"';
}

// Takes the fuzzer's bytes apart from the front: small numbers, choices and
// texts. An exhausted input yields zeros and empty texts.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool Empty() const { return at_ >= size_; }

    std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }

    // A number in [low, high].
    int Between(int low, int high) {
        const unsigned span = static_cast<unsigned>(high - low) + 1u;
        unsigned value = Byte();
        if (span > 256)
            value = value << 8 | Byte();
        return low + static_cast<int>(value % span);
    }

    bool Flag() { return (Byte() & 1) != 0; }

    // Raw bytes up to a line break (or the end), at most maxLength of them; the
    // break is taken too. Seeds stay readable text this way.
    std::string Bytes(std::size_t maxLength) {
        std::string bytes;
        while (at_ < size_ && data_[at_] != '\n' && bytes.size() < maxLength)
            bytes += static_cast<char>(data_[at_++]);
        if (at_ < size_ && data_[at_] == '\n')
            ++at_;
        return bytes;
    }

    // A text: UTF-8 up to a line break, at most maxLength bytes.
    QString Text(std::size_t maxLength) { return QString::fromUtf8(Bytes(maxLength)); }

    // Everything not taken yet.
    std::string Rest() {
        std::string bytes(reinterpret_cast<const char*>(data_) + at_, size_ - at_);
        at_ = size_;
        return bytes;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// The harnesses, each run on one input.
void RunIniFile(const std::uint8_t* data, std::size_t size);
void RunOctets(const std::uint8_t* data, std::size_t size);
void RunCalculator(const std::uint8_t* data, std::size_t size);
void RunAdvEditText(const std::uint8_t* data, std::size_t size);
void RunAddressInput(const std::uint8_t* data, std::size_t size);

} // namespace maskwell::fuzz

// The libFuzzer entry point of a harness executable.
#define MASKWELL_FUZZ_ENTRY(run)                                                                   \
    extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {            \
        run(data, size);                                                                           \
        return 0;                                                                                  \
    }
