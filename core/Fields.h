// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace maskwell {

// A piece of text the calculator reads or writes: the address control, a result
// field, a caption.
class TextField {
public:
    virtual ~TextField() = default;
    virtual std::string Text() const = 0;
    virtual void SetText(std::string_view text) = 0;
};

// The inversed-mask check box, read only by the calculator.
class CheckField {
public:
    virtual ~CheckField() = default;
    virtual bool Checked() const = 0;
};

// Where the calculator's notices go; the window shows each in a modal box and
// returns when the user has closed it. The window may hold a notice back
// (while the user is still typing the address) and then returns false: the
// notice was not given, and the calculator gives it at a later rebuild if it
// still applies.
class NoticeSink {
public:
    virtual ~NoticeSink() = default;
    virtual bool Notice(std::string_view text) = 0;
};

} // namespace maskwell
