// SPDX-License-Identifier: MIT
#pragma once

#include "app/text/RecordFormat.h"
#include "core/AddressInput.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace maskwell {

// What the command line asks for:
//   maskwell [ADDRESS[/BITS|/MASK]]                   the window, starting with ADDRESS
//   maskwell --print [--format=KIND] ADDRESS... | -   the results as text, no window
//   maskwell --list [--format=KIND] ADDRESS           every subnet of its network, no window
//   maskwell --help | --help-all | --version
// Every argument is one address; a mask goes with its address after a slash
// (or a blank, in one argument). The window toolkit's own options (-platform
// NAME, -style NAME, ...) are accepted anywhere before "--": the window's
// toolkit takes them, and every other path passes them over.
struct CommandLine {
    enum Action {
        OpenWindow,
        PrintResults,
        ListSubnets,
        ShowHelp,
        ShowHelpAll,
        ShowVersion,
        Refuse
    };
    Action action = OpenWindow;
    std::optional<AddressInput> address; // OpenWindow: the address the window starts with
    std::vector<std::string> inputs;     // PrintResults: the addresses, "-" for standard input;
                                         // ListSubnets: the one address
    OutputFormat format = OutputFormat::Text;
    bool windowSystemNamed = false; // -platform or -display names where a window opens
    std::string program;            // as the program was started, for the usage line
    std::string problem;            // Refuse: one line naming what is wrong, safe to print
};

// Reads the arguments, program name first: on the standard library alone,
// before any toolkit is loaded, so that what needs no window needs no display.
CommandLine ReadCommandLine(std::span<const std::string_view> arguments);

// The text --help prints, and with the toolkit's options what --help-all prints.
std::string CommandLineHelp(std::string_view program, bool withToolkitOptions = false);

// Why a text is no address, for a message: the reader's own reason, or what
// an address looks like.
std::string NotAnAddressReason(std::string_view text);

// Why --print and --list refuse an address the window would repair (its first
// octet not 1 to 239), so that a script gets answers for the address it named
// or none; empty for the others.
std::string RepairedAddressReason(const AddressInput& input);

} // namespace maskwell
