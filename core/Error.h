// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace maskwell {

// The failures of this program are exceptions that its own code never catches:
// the operation stops where it is, nothing is rolled back, and the one guard at
// the toolkit boundary shows the message in the application's error box.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A field that should hold a decimal integer but does not.
class ConversionError : public Error {
public:
    explicit ConversionError(std::string_view text)
        : Error("'" + std::string(text) + "' is not a valid integer value") {}
};

} // namespace maskwell
