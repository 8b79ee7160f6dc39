// SPDX-License-Identifier: MIT
#include "app/CommandLine.h"

#include "app/TerminalText.h"

#include <QCommandLineParser>
#include <algorithm>

namespace maskwell {

namespace {

const QString printOption = QStringLiteral("print");
const QString helpOption = QStringLiteral("help");
const QString helpAllOption = QStringLiteral("help-all");
const QString versionOption = QStringLiteral("version");

// The options the window toolkit takes out of the command line when the
// window application starts (Qt's, with one or two leading dashes). They are
// read here only to be passed over, so that they mean the same on every path.
struct ToolkitOption {
    const char* Name;
    const char* Value; // null for an option without a value
    const char* Description;
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
    {"reverse", nullptr, "Right-to-left layout."},
    {"widgetcount", nullptr, "Print the number of widgets left at exit."},
    {"testability", nullptr, "Load the testability plugin."},
    {"sync", nullptr, "Synchronous X requests, for debugging (xcb)."},
    {"nograb", nullptr, "Never grab the mouse or keyboard (xcb)."},
    {"dograb", nullptr, "Grab even under a debugger (xcb)."},
};

// The options that take their value after "=" as well as in the next argument.
constexpr const char* toolkitOptionsWithEquals[] = {"style", "stylesheet", "qmljsdebugger"};

// How many arguments the toolkit option at arguments[i] takes up, if it is one.
qsizetype ToolkitArgumentCount(const QStringList& arguments, qsizetype i) {
    const QString& argument = arguments[i];
    if (!argument.startsWith(u'-'))
        return 0;
    const QStringView name = QStringView(argument).mid(argument.startsWith(u"--") ? 2 : 1);
    for (const char* withEquals : toolkitOptionsWithEquals)
        if (name.startsWith(QLatin1String(withEquals)) &&
            name.mid(qstrlen(withEquals)).startsWith(u'='))
            return 1;
    const auto* option =
        std::find_if(std::begin(toolkitOptions), std::end(toolkitOptions),
                     [&](const ToolkitOption& o) { return name == QLatin1String(o.Name); });
    if (option == std::end(toolkitOptions))
        return 0;
    return option->Value && i + 1 < arguments.size() ? 2 : 1;
}

QStringList WithoutToolkitOptions(const QStringList& arguments) {
    QStringList rest;
    qsizetype i = 0;
    for (; i < arguments.size() && arguments[i] != u"--"; ++i) {
        if (const qsizetype count = i > 0 ? ToolkitArgumentCount(arguments, i) : 0)
            i += count - 1;
        else
            rest << arguments[i];
    }
    return rest + arguments.mid(i);
}

void Configure(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("Classful IPv4 subnet calculator. Without --print it opens its window, "
                       "starting with ADDRESS when one is given."));
    // "-bogus" is one unknown option, not six unknown letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption(QCommandLineOption({QStringLiteral("?"), QStringLiteral("h"), helpOption},
                                        QStringLiteral("Displays help on commandline options.")));
    parser.addOption(QCommandLineOption(
        helpAllOption, QStringLiteral("Displays help including the window toolkit's options.")));
    parser.addOption(QCommandLineOption({QStringLiteral("v"), versionOption},
                                        QStringLiteral("Displays version information.")));
    parser.addOption(QCommandLineOption(
        printOption, QStringLiteral("Print the results for ADDRESS and exit; needs no display. "
                                    "The first octet must be 1 to 239.")));
    parser.addPositionalArgument(
        QStringLiteral("ADDRESS"),
        QStringLiteral("An IPv4 address, optionally with mask bits or a mask: 172.16.77.9, "
                       "172.16.77.9/20, \"172.16.77.9 255.255.240.0\", 172.16.77.9/0.0.15.255. "
                       "Without a mask, --print uses 24 bits; the window keeps its last mask "
                       "(24 bits at first) where the address's class offers it, else takes the "
                       "class's first."),
        QStringLiteral("[ADDRESS[/BITS|/MASK]]"));
}

QString UnknownOptionsProblem(const QStringList& names) {
    QStringList shown;
    for (const QString& name : names)
        shown << PrintableArgument(name);
    if (shown.size() == 1)
        return QStringLiteral("Unknown option '%1'.").arg(shown.front());
    return QStringLiteral("Unknown options: %1.").arg(shown.join(QStringLiteral(", ")));
}

CommandLine Asking(CommandLine::Action what, std::optional<AddressInput> address = {}) {
    CommandLine commandLine;
    commandLine.What = what;
    commandLine.Address = address;
    return commandLine;
}

CommandLine Refusal(const QString& problem) {
    CommandLine commandLine = Asking(CommandLine::Refuse);
    commandLine.Problem = problem;
    return commandLine;
}

QString ToolkitOptionsHelp() {
    QString text = QStringLiteral("\nOptions of the window toolkit (the window takes them;\n"
                                  "--print, --help and --version pass them over):\n");
    for (const ToolkitOption& option : toolkitOptions) {
        const QString usage = QStringLiteral("-%1%2").arg(
            QLatin1String(option.Name),
            option.Value ? QStringLiteral(" <%1>").arg(QLatin1String(option.Value)) : QString());
        text += QStringLiteral("  %1  %2\n").arg(usage, -28).arg(QLatin1String(option.Description));
    }
    return text;
}

} // namespace

CommandLine ReadCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    Configure(parser);
    if (!parser.parse(WithoutToolkitOptions(arguments))) {
        const QStringList unknown = parser.unknownOptionNames();
        return Refusal(unknown.isEmpty() ? PrintableArgument(parser.errorText())
                                         : UnknownOptionsProblem(unknown));
    }
    if (parser.isSet(helpOption))
        return Asking(CommandLine::ShowHelp);
    if (parser.isSet(helpAllOption))
        return Asking(CommandLine::ShowHelpAll);
    if (parser.isSet(versionOption))
        return Asking(CommandLine::ShowVersion);
    const bool print = parser.isSet(printOption);
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty()) {
        if (print)
            return Refusal(QStringLiteral("--print needs an address, such as 192.168.1.10/24"));
        return Asking(CommandLine::OpenWindow);
    }
    const QString text = positional.join(u' ');
    const std::optional<AddressInput> address = ParseAddressInput(text.toStdString());
    if (!address)
        return Refusal(QStringLiteral("'%1' is not an IPv4 address such as 192.168.1.10 or "
                                      "192.168.1.10/24")
                           .arg(PrintableArgument(text)));
    return Asking(print ? CommandLine::PrintResults : CommandLine::OpenWindow, address);
}

QString CommandLineHelp(bool withToolkitOptions) {
    QCommandLineParser parser;
    Configure(parser);
    return parser.helpText() + (withToolkitOptions ? ToolkitOptionsHelp() : QString());
}

} // namespace maskwell
