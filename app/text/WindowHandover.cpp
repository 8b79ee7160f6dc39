// SPDX-License-Identifier: MIT
#include "app/text/WindowHandover.h"

#include "app/text/ProblemReport.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace maskwell {

namespace {

bool IsSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

bool Exists(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0;
}

// Whether no window system could be reached whatever the toolkit tries: no X
// display, no Wayland display or socket (the default one included), and no
// platform named on the command line or in the environment.
bool NoWindowSystem(const CommandLine& commandLine) {
    if (commandLine.windowSystemNamed || IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY") ||
        IsSet("WAYLAND_SOCKET") || IsSet("QT_QPA_PLATFORM"))
        return false;
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    return runtime == nullptr || *runtime == '\0' || !Exists(std::string(runtime) + "/wayland-0");
}

// The folder this program's file lies in, with a final "/".
std::string OwnFolder(const char* argv0) {
    std::string path(4096, '\0');
    const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size());
    if (length > 0 && static_cast<std::size_t>(length) < path.size())
        path.resize(static_cast<std::size_t>(length));
    else
        path = argv0 != nullptr ? argv0 : "";
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

} // namespace

int HandOverToWindow(const CommandLine& commandLine, char** argv) {
    if (NoWindowSystem(commandLine)) {
        WriteProblemLine(2, "no display to open the window on (DISPLAY and WAYLAND_DISPLAY are "
                            "unset); --print needs none");
        return 2;
    }
    const std::string folder = OwnFolder(argv[0]);
    const std::string beside = folder + WindowProgramName;
    const std::string installed = folder + MASKWELL_LIBEXEC_FROM_BIN + "/" + WindowProgramName;
    const std::string& window = Exists(beside) ? beside : installed;
    if (!Exists(window)) {
        WriteProblemLine(2, "the window program is missing: " + installed);
        return 127;
    }
    ::execv(window.c_str(), argv);
    WriteProblemLine(2, "cannot start the window program " + window + ": " + std::strerror(errno));
    return 126;
}

} // namespace maskwell
