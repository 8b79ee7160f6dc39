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

// Where the calculator's one notice goes; the window shows it in a modal box
// and returns when the user has closed it.
class NoticeSink {
public:
    virtual ~NoticeSink() = default;
    virtual void Notice(std::string_view text) = 0;
};

} // namespace maskwell
