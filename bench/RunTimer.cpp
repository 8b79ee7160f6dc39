// SPDX-License-Identifier: MIT
// Whole processes timed from outside, interleaved round by round:
//   run_timer [--rounds N] NAME=COMMAND ...
// COMMAND is split at blanks (no shell); a last word "<FILE" makes FILE its
// standard input (else /dev/null). Standard output goes through a pipe that
// this program drains, as a script's pipeline would take it; standard error
// is dropped. Each run is timed from just before the start to the child's
// end. Its peak resident memory is the kernel's high-water mark (VmHWM), read
// while its output is drained: the figure the kernel gives at the end
// (ru_maxrss) cannot fall below this program's own, which a child started
// from it inherits until its exec. Prints per program the median wall time,
// its min-to-max spread and the peak RSS ("<=" marks a run too short to read
// it, whose figure is then ru_maxrss), and for every program after the first
// the per-round ratio first/other: median and spread.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

struct Program {
    std::string Name;
    std::vector<std::string> Words;
    std::string Input = "/dev/null";
    std::vector<double> Seconds;
    std::vector<long> PeakKiB;
    bool PeakBounded = false; // a run's peak is ru_maxrss, an upper bound
    long OutputBytes = 0;
    int LastStatus = 0;
};

[[noreturn]] void Fail(const std::string& message) {
    std::fprintf(stderr, "run_timer: %s\n", message.c_str());
    std::exit(2);
}

Program Parse(const std::string& argument) {
    const std::size_t equals = argument.find('=');
    if (equals == std::string::npos || equals == 0)
        Fail("not NAME=COMMAND: " + argument);
    Program program;
    program.Name = argument.substr(0, equals);
    std::istringstream words(argument.substr(equals + 1));
    for (std::string word; words >> word;)
        program.Words.push_back(word);
    if (!program.Words.empty() && program.Words.back().starts_with('<')) {
        program.Input = program.Words.back().substr(1);
        program.Words.pop_back();
    }
    if (program.Words.empty())
        Fail("no command: " + argument);
    return program;
}

// The high-water mark of a running process's resident memory, 0 once it is gone.
long HighWaterKiB(pid_t pid) {
    char path[64];
    std::snprintf(path, sizeof path, "/proc/%d/status", static_cast<int>(pid));
    std::FILE* status = std::fopen(path, "r");
    if (status == nullptr)
        return 0;
    long kib = 0;
    char line[256];
    while (std::fgets(line, sizeof line, status) != nullptr)
        if (std::sscanf(line, "VmHWM: %ld kB", &kib) == 1)
            break;
    std::fclose(status);
    return kib;
}

void Run(Program& program) {
    int output[2];
    if (::pipe(output) != 0)
        Fail("pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, program.Input.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, output[1], 1);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclose(&actions, output[0]);
    posix_spawn_file_actions_addclose(&actions, output[1]);
    std::vector<char*> argv;
    for (std::string& word : program.Words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ) != 0)
        Fail("cannot start " + program.Words.front());
    ::close(output[1]);
    char block[1 << 16];
    long peak = 0;
    auto lastLook = start;
    for (ssize_t got; (got = ::read(output[0], block, sizeof block)) != 0;) {
        if (got > 0)
            program.OutputBytes += got;
        const auto now = std::chrono::steady_clock::now();
        if (now - lastLook > std::chrono::milliseconds(5)) {
            peak = std::max(peak, HighWaterKiB(child));
            lastLook = now;
        }
    }
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    if (peak == 0) {
        peak = usage.ru_maxrss;
        program.PeakBounded = true;
    }
    ::close(output[0]);
    posix_spawn_file_actions_destroy(&actions);

    program.Seconds.push_back(std::chrono::duration<double>(end - start).count());
    program.PeakKiB.push_back(peak);
    program.LastStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

template <typename T> T Median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv) {
    int rounds = 15;
    std::vector<Program> programs;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--rounds" && i + 1 < argc)
            rounds = std::max(1, std::atoi(argv[++i]));
        else
            programs.push_back(Parse(argument));
    }
    if (programs.empty())
        Fail("usage: run_timer [--rounds N] NAME=COMMAND [NAME=COMMAND ...]");
    for (Program& program : programs) // one unmeasured run each: caches, page faults
        Run(program);
    for (Program& program : programs) {
        program.Seconds.clear();
        program.PeakKiB.clear();
        program.PeakBounded = false;
        program.OutputBytes = 0;
    }
    for (int round = 0; round < rounds; ++round)
        for (Program& program : programs)
            Run(program);

    std::printf("%-16s %10s %21s %12s %14s %7s\n", "program", "median ms", "min - max ms",
                "peak KiB", "output bytes", "status");
    for (const Program& program : programs) {
        const auto [least, most] =
            std::minmax_element(program.Seconds.begin(), program.Seconds.end());
        std::printf("%-16s %10.2f %10.2f - %8.2f %2s%10ld %14ld %7d\n", program.Name.c_str(),
                    1000 * Median(program.Seconds), 1000 * *least, 1000 * *most,
                    program.PeakBounded ? "<=" : "", Median(program.PeakKiB),
                    program.OutputBytes / rounds, program.LastStatus);
    }
    const Program& first = programs.front();
    for (std::size_t p = 1; p < programs.size(); ++p) {
        std::vector<double> ratios;
        ratios.reserve(static_cast<std::size_t>(rounds));
        for (int round = 0; round < rounds; ++round)
            ratios.push_back(first.Seconds[static_cast<std::size_t>(round)] /
                             programs[p].Seconds[static_cast<std::size_t>(round)]);
        const auto [least, most] = std::minmax_element(ratios.begin(), ratios.end());
        std::printf("%s / %s per round: median %.3f, min - max %.3f - %.3f (%d rounds)\n",
                    first.Name.c_str(), programs[p].Name.c_str(), Median(ratios), *least, *most,
                    rounds);
    }
}
