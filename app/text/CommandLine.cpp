// SPDX-License-Identifier: MIT
#include "app/text/CommandLine.h"

#include "app/text/TerminalText.h"

#include <algorithm>
#include <iterator>

namespace maskwell {

namespace {

// The options the window toolkit takes out of the command line when the
// window application starts (Qt's, with one or two leading dashes). They are
// read here only to be passed over, so that they mean the same on every path.
struct ToolkitOption {
    std::string_view Name;
    std::string_view Value; // empty for an option without a value
    std::string_view Description;
};

constexpr ToolkitOption toolkitOptions[] = {
    {"platform", "name", "The window system plugin: xcb, wayland, offscreen, ..."},
    {"platformpluginpath", "path", "Where window system plugins are looked for."},
    {"platformtheme", "name", "The platform theme."},
    {"plugin", "name", "An extra plugin to load (input devices)."},
    {"display", "name", "The X server to connect to (xcb)."},
    {"name", "name", "The X resource name of the application (xcb)."},
    {"qwindowgeometry", "geometry", "The geometry of the main window (X11 style)."},
    {"geometry", "geometry", "The same as -qwindowgeometry (xcb)."},
    {"qwindowtitle", "title", "The title of the main window."},
    {"title", "title", "The same as -qwindowtitle (xcb)."},
    {"qwindowicon", "icon", "The icon of the main window."},
    {"icon", "icon", "The same as -qwindowicon (xcb)."},
    {"style", "style", "The widget style (also -style=style)."},
    {"stylesheet", "file", "A style sheet to apply (also -stylesheet=file)."},
    {"session", "id", "The session to restore (given by a session manager)."},
    {"reverse", "", "Right-to-left layout."},
    {"widgetcount", "", "Print the number of widgets left at exit."},
    {"testability", "", "Load the testability plugin."},
    {"sync", "", "Synchronous X requests, for debugging (xcb)."},
    {"nograb", "", "Never grab the mouse or keyboard (xcb)."},
    {"dograb", "", "Grab even under a debugger (xcb)."},
};

// The options that take their value after "=" as well as in the next argument.
constexpr std::string_view toolkitOptionsWithEquals[] = {"style", "stylesheet", "qmljsdebugger"};

std::string_view OptionName(std::string_view argument) {
    return argument.substr(argument.starts_with("--") ? 2 : 1);
}

// The toolkit option at arguments[i], if it is one.
const ToolkitOption* ToolkitOptionAt(std::span<const std::string_view> arguments, std::size_t i) {
    const std::string_view name = OptionName(arguments[i]);
    const auto* option = std::find_if(std::begin(toolkitOptions), std::end(toolkitOptions),
                                      [&](const ToolkitOption& o) { return name == o.Name; });
    return option == std::end(toolkitOptions) ? nullptr : option;
}

bool IsToolkitOptionWithEquals(std::string_view argument) {
    const std::string_view name = OptionName(argument);
    return std::any_of(std::begin(toolkitOptionsWithEquals), std::end(toolkitOptionsWithEquals),
                       [&](std::string_view withEquals) {
                           return name.starts_with(withEquals) &&
                                  name.substr(withEquals.size()).starts_with('=');
                       });
}

const std::string_view kAddressForms = "such as 192.168.1.10 or 192.168.1.10/24";

// What the options ask, gathered before anything is decided.
struct Options {
    bool help = false, helpAll = false, version = false, print = false, list = false;
    std::optional<std::string_view> format;
    std::vector<std::string_view> unknown;
    std::string problem; // the first value problem
    std::vector<std::string_view> positional;
    bool windowSystemNamed = false;
};

// Reads one option (its name after the dashes, "name=value" split) at
// arguments[i]; returns how many arguments it took.
std::size_t ReadOption(std::span<const std::string_view> arguments, std::size_t i,
                       Options& options) {
    const std::string_view word = OptionName(arguments[i]);
    const std::size_t equals = word.find('=');
    const std::string_view name = word.substr(0, equals);
    const bool hasValue = equals != std::string_view::npos;
    const auto flag = [&](bool& set) {
        set = true;
        if (hasValue && options.problem.empty())
            options.problem = "Unexpected value after '--" + PrintableArgument(name) + "'.";
        return std::size_t{1};
    };
    if (name == "?" || name == "h" || name == "help")
        return flag(options.help);
    if (name == "help-all")
        return flag(options.helpAll);
    if (name == "v" || name == "version")
        return flag(options.version);
    if (name == "print")
        return flag(options.print);
    if (name == "list")
        return flag(options.list);
    if (name == "format") {
        if (hasValue) {
            options.format = word.substr(equals + 1);
            return 1;
        }
        if (i + 1 < arguments.size()) {
            options.format = arguments[i + 1];
            return 2;
        }
        if (options.problem.empty())
            options.problem = "Missing value after '--format'.";
        return 1;
    }
    options.unknown.push_back(word);
    return 1;
}

Options ReadOptions(std::span<const std::string_view> arguments) {
    Options options;
    bool optionsEnded = false;
    for (std::size_t i = 1; i < arguments.size();) {
        const std::string_view argument = arguments[i];
        if (optionsEnded || argument == "-" || !argument.starts_with('-')) {
            options.positional.push_back(argument);
            ++i;
        } else if (argument == "--") {
            optionsEnded = true;
            ++i;
        } else if (const ToolkitOption* option = ToolkitOptionAt(arguments, i)) {
            options.windowSystemNamed |= option->Name == "platform" || option->Name == "display";
            i += option->Value.empty() || i + 1 == arguments.size() ? 1 : 2;
        } else if (IsToolkitOptionWithEquals(argument)) {
            ++i;
        } else {
            i += ReadOption(arguments, i, options);
        }
    }
    return options;
}

std::string UnknownOptionsProblem(const std::vector<std::string_view>& names) {
    if (names.size() == 1)
        return "Unknown option '" + PrintableArgument(names.front()) + "'.";
    std::string problem = "Unknown options: ";
    for (std::size_t i = 0; i < names.size(); ++i)
        problem += (i > 0 ? ", " : "") + PrintableArgument(names[i]);
    return problem + ".";
}

CommandLine Asking(CommandLine::Action what, std::string_view program) {
    CommandLine commandLine;
    commandLine.action = what;
    commandLine.program = program;
    return commandLine;
}

CommandLine Refusal(std::string problem) {
    CommandLine commandLine;
    commandLine.action = CommandLine::Refuse;
    commandLine.problem = std::move(problem);
    return commandLine;
}

// The help's lines: the option or argument, then its description at column 26,
// continued there.
void AppendEntry(std::string& text, std::string_view entry, std::string_view description) {
    constexpr std::size_t column = 26;
    text += "  ";
    text += entry;
    text.append(entry.size() + 2 < column ? column - 2 - entry.size() : 1, ' ');
    for (std::size_t lineStart = 0;;) {
        const std::size_t lineEnd = description.find('\n', lineStart);
        text += description.substr(lineStart, lineEnd - lineStart);
        text += '\n';
        if (lineEnd == std::string_view::npos)
            break;
        text.append(column, ' ');
        lineStart = lineEnd + 1;
    }
}

} // namespace

std::string NotAnAddressReason(std::string_view text) {
    // The reader's reason quotes a part of the text: an octet of a hundred
    // digits would make the line as long as the text.
    std::string reason = AddressInputRefusal(text);
    if (reason.empty() || reason.size() > PrintableArgumentLength)
        return "not an IPv4 address " + std::string(kAddressForms);
    return reason;
}

std::string RepairedAddressReason(const AddressInput& input) {
    constexpr int lowest = 1;
    constexpr int highest = 239;
    if (input.Octets[0] >= lowest && input.Octets[0] <= highest)
        return {};
    return "the first octet must be " + std::to_string(lowest) + " to " + std::to_string(highest);
}

CommandLine ReadCommandLine(std::span<const std::string_view> arguments) {
    const std::string_view program = arguments.empty() ? "maskwell" : arguments.front();
    const Options options = ReadOptions(arguments);
    if (!options.unknown.empty())
        return Refusal(UnknownOptionsProblem(options.unknown));
    if (!options.problem.empty())
        return Refusal(options.problem);
    if (options.help)
        return Asking(CommandLine::ShowHelp, program);
    if (options.helpAll)
        return Asking(CommandLine::ShowHelpAll, program);
    if (options.version)
        return Asking(CommandLine::ShowVersion, program);

    CommandLine commandLine = Asking(CommandLine::OpenWindow, program);
    commandLine.windowSystemNamed = options.windowSystemNamed;
    if (options.format) {
        const std::optional<OutputFormat> format = OutputFormatNamed(*options.format);
        if (!format)
            return Refusal("--format takes text, json or csv, not '" +
                           PrintableArgument(*options.format) + "'");
        if (!options.print && !options.list)
            return Refusal("--format goes with --print or --list");
        commandLine.format = *format;
    }
    if (options.print && options.list)
        return Refusal("--print and --list cannot be given together");
    if (options.list) {
        if (options.positional.size() != 1)
            return Refusal(options.positional.empty()
                               ? "--list needs an address, such as 10.0.0.0/30"
                               : "--list takes one address, its mask after a slash");
        commandLine.action = CommandLine::ListSubnets;
        commandLine.inputs.assign(options.positional.begin(), options.positional.end());
        return commandLine;
    }
    if (options.print) {
        if (options.positional.empty())
            return Refusal("--print needs an address, such as 192.168.1.10/24, or - to read "
                           "them from standard input");
        commandLine.action = CommandLine::PrintResults;
        commandLine.inputs.assign(options.positional.begin(), options.positional.end());
        return commandLine;
    }
    if (options.positional.empty())
        return commandLine;
    if (options.positional.size() > 1)
        return Refusal("the window takes one address, its mask after a slash "
                       "(10.0.0.1/255.255.255.0); --print takes several");
    const std::string_view text = options.positional.front();
    if (text == "-")
        return Refusal("- (standard input) goes with --print");
    commandLine.address = ParseAddressInput(text);
    if (!commandLine.address)
        return Refusal("'" + PrintableArgument(text) + "': " + NotAnAddressReason(text));
    return commandLine;
}

std::string CommandLineHelp(std::string_view program, bool withToolkitOptions) {
    std::string text = "Usage: " + std::string(program) + " [options] [ADDRESS[/BITS|/MASK]]\n";
    text += "       " + std::string(program) + " --print [--format=KIND] ADDRESS... | -\n";
    text += "       " + std::string(program) + " --list [--format=KIND] ADDRESS[/BITS|/MASK]\n";
    text += "Classful IPv4 subnet calculator. Without --print or --list it opens its window,\n"
            "starting with ADDRESS when one is given.\n\nOptions:\n";
    AppendEntry(text, "-?, -h, --help", "Displays help on commandline options.");
    AppendEntry(text, "--help-all", "Displays help including the window toolkit's options.");
    AppendEntry(text, "-v, --version", "Displays version information.");
    AppendEntry(text, "--print",
                "Print the results for each ADDRESS and exit; needs no\n"
                "display. The first octet must be 1 to 239. \"-\" reads\n"
                "addresses from standard input, one a line, skipping\n"
                "blank lines and lines starting with #.");
    AppendEntry(text, "--list",
                "Print every subnet of ADDRESS's classful network at its\n"
                "mask bits (24 without a mask) and exit; needs no display.\n"
                "Each is a line of number, subnet ID, first host, last\n"
                "host, broadcast and \"zero\" or \"all-ones\" for the two\n"
                "subnets the max subnets leave out, tab-separated.");
    AppendEntry(text, "--format <kind>",
                "How --print and --list write: text (the default, above;\n"
                "for --print \"label: value\" lines, a blank line between\n"
                "addresses), json (JSON Lines, one object per address or\n"
                "subnet) or csv (a header row, then one row per address\n"
                "or subnet).");
    text += "\nArguments:\n";
    AppendEntry(text, "ADDRESS",
                "An IPv4 address, optionally with mask bits or a mask:\n"
                "172.16.77.9, 172.16.77.9/20, 172.16.77.9/255.255.240.0,\n"
                "172.16.77.9/0.0.15.255, or \"172.16.77.9 20\" as one\n"
                "argument. Without a mask, --print uses 24 bits; the\n"
                "window keeps its last mask (24 bits at first) where the\n"
                "address's class offers it, else takes the class's first.");
    text += "\nExit status:\n";
    AppendEntry(text, "0", "Done.");
    AppendEntry(text, "1",
                "Standard output could not be written, or standard input\n"
                "not read.");
    AppendEntry(text, "2",
                "An argument or an address was refused (the others are\n"
                "still printed), or there is no display for the window.");
    AppendEntry(text, "126, 127", "The window program could not be started, or is missing.");
    if (!withToolkitOptions)
        return text;
    text += "\nOptions of the window toolkit (the window takes them;\n"
            "--print, --list, --help and --version pass them over):\n";
    for (const ToolkitOption& option : toolkitOptions) {
        std::string usage = "-" + std::string(option.Name);
        if (!option.Value.empty())
            usage += " <" + std::string(option.Value) + ">";
        usage.resize(std::max<std::size_t>(usage.size(), 28), ' ');
        text += "  " + usage + "  " + std::string(option.Description) + "\n";
    }
    return text;
}

} // namespace maskwell
