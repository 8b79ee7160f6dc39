// SPDX-License-Identifier: MIT
// Times programs from outside, as the X server sees them: the frames a program
// sends arrive as DAMAGE events on its top-level window, so nothing inside the
// program has to cooperate and nothing in it is timed differently.
//
//   frame_probe startup [options] NAME=COMMAND ...
//     process start (fork) to the first frame on the program's top-level
//     window, and the peak resident memory (VmHWM) once the window has been
//     up for --up-ms.
//   frame_probe keys [options] NAME=COMMAND ...
//     waits for the window, gives it the keyboard, types --setup untimed, then
//     presses and releases each key of --keys in turn through XTEST and times
//     the press to the last damage of the burst that follows it. The key at
//     --marked-key (1-based; the last of --keys by default) is also reported
//     on its own, to its first damage and to its burst's last, each with its
//     ratio to the floors.
//     --all-windows counts damage on every window of the program in the
//     burst (a second window that follows the first), not only on the first.
//
// A program with several windows is watched through the one it maps first.
//
// Programs run one after another inside a round, the order rotating from round
// to round, so that a slow spell of the machine falls on all of them alike.
// A NAME starting with "floor:" marks a floor: every other program's per-round
// ratio to it is printed. The exit status is 0 whenever the probe itself could
// run; a program that never shows a window is reported, not fatal.
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <poll.h>
#include <set>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>
#include <xcb/damage.h>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start, Clock::time_point end) {
    return std::chrono::duration<double, std::milli>(end - start).count();
}

struct Program {
    std::string name;
    std::vector<std::string> argv;
    bool floor = false;
};

struct Options {
    std::string mode;
    int rounds = 15;
    int upMs = 1000;
    int settleMs = 600;
    int quietMs = 40;
    int timeoutMs = 15000;
    std::string setup;
    std::string keys = "125";
    int cycles = 4;
    std::size_t markedKey = 0; // 1-based; 0 for the last of keys
    bool allWindows = false;
    std::vector<Program> programs;
};

[[noreturn]] void Fail(const std::string& why) {
    std::fprintf(stderr, "frame_probe: %s\n", why.c_str());
    std::exit(2);
}

// The X side: the root window's children as they are created and mapped,
// and a DAMAGE object on each, reporting every damaged rectangle.
class Watch {
public:
    Watch() {
        connection_ = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(connection_))
            Fail("cannot connect to the X display in $DISPLAY");
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        const xcb_query_extension_reply_t* damage =
            xcb_get_extension_data(connection_, &xcb_damage_id);
        if (!damage || !damage->present)
            Fail("the X server has no DAMAGE extension");
        damageEvent_ = damage->first_event;
        free(xcb_damage_query_version_reply(connection_,
                                            xcb_damage_query_version(connection_,
                                                                     XCB_DAMAGE_MAJOR_VERSION,
                                                                     XCB_DAMAGE_MINOR_VERSION),
                                            nullptr));
        const xcb_query_extension_reply_t* test = xcb_get_extension_data(connection_, &xcb_test_id);
        hasTest_ = test && test->present;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(connection_);
    }
    ~Watch() { xcb_disconnect(connection_); }

    // A new program is about to start: forget the windows of the last one.
    void Reset() {
        mapped_.clear();
        damages_.clear();
        top_ = XCB_NONE;
        firstMapped_ = XCB_NONE;
    }

    // Waits for events until the deadline; returns the time of the first
    // damage on a mapped top-level window, or nothing.
    std::optional<Clock::time_point> FirstFrame(Clock::time_point deadline) {
        while (true) {
            const auto event = Next(deadline);
            if (!event)
                return std::nullopt;
            if (event->damaged && mapped_.count(event->window)) {
                top_ = firstMapped_;
                if (std::getenv("FRAME_PROBE_VERBOSE"))
                    std::fprintf(stderr, "mapped to first damage: %.2f ms\n",
                                 MsSince(mappedAt_, event->when));
                return event->when;
            }
        }
    }

    // Collects damage on the top-level window until it has been quiet for
    // quietMs; returns the times of the first and the last damage and the
    // number of rectangles, or nothing when none came before the deadline.
    struct Burst {
        Clock::time_point first;
        Clock::time_point last;
        int rectangles = 0;
    };
    std::optional<Burst> NextBurst(int quietMs, Clock::time_point deadline, bool allWindows) {
        Burst burst;
        while (true) {
            const auto until =
                burst.rectangles ? burst.last + std::chrono::milliseconds(quietMs) : deadline;
            const auto event = Next(std::min(until, deadline));
            if (!event)
                break;
            if (event->damaged &&
                (allWindows ? mapped_.count(event->window) > 0 : event->window == top_)) {
                if (!burst.rectangles)
                    burst.first = event->when;
                burst.last = event->when;
                ++burst.rectangles;
            }
        }
        if (!burst.rectangles)
            return std::nullopt;
        return burst;
    }

    // Drains what has arrived and whatever comes within ms.
    void Idle(int ms) {
        const auto until = Clock::now() + std::chrono::milliseconds(ms);
        while (Next(until)) {
        }
    }

    xcb_window_t Top() const { return top_; }

    void Focus() {
        xcb_set_input_focus(connection_, XCB_INPUT_FOCUS_POINTER_ROOT, top_, XCB_CURRENT_TIME);
        xcb_flush(connection_);
    }

    // Presses and releases the key that types the character.
    void Type(char character) {
        if (!hasTest_)
            Fail("the X server has no XTEST extension");
        const xcb_keycode_t code = KeyCode(character);
        xcb_test_fake_input(connection_, XCB_KEY_PRESS, code, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        xcb_test_fake_input(connection_, XCB_KEY_RELEASE, code, XCB_CURRENT_TIME, XCB_NONE, 0, 0,
                            0);
        xcb_flush(connection_);
    }

private:
    struct Event {
        Clock::time_point when;
        xcb_window_t window = XCB_NONE;
        bool damaged = false;
    };

    std::optional<Event> Next(Clock::time_point deadline) {
        while (true) {
            if (xcb_generic_event_t* raw = xcb_poll_for_event(connection_)) {
                Event event = Handle(*raw);
                free(raw);
                if (event.window != XCB_NONE)
                    return event;
                continue;
            }
            if (xcb_connection_has_error(connection_))
                Fail("lost the X connection");
            const double left = MsSince(Clock::now(), deadline);
            if (left <= 0)
                return std::nullopt;
            pollfd watched{xcb_get_file_descriptor(connection_), POLLIN, 0};
            poll(&watched, 1, static_cast<int>(std::ceil(left)));
        }
    }

    Event Handle(const xcb_generic_event_t& raw) {
        Event event{Clock::now()};
        const uint8_t type = raw.response_type & 0x7f;
        if (type == damageEvent_ + XCB_DAMAGE_NOTIFY) {
            const auto& notify = reinterpret_cast<const xcb_damage_notify_event_t&>(raw);
            event.window = notify.drawable;
            event.damaged = true;
        } else if (type == XCB_CREATE_NOTIFY) {
            const auto& created = reinterpret_cast<const xcb_create_notify_event_t&>(raw);
            if (created.parent == root_ && !created.override_redirect) {
                const xcb_damage_damage_t damage = xcb_generate_id(connection_);
                xcb_damage_create(connection_, damage, created.window,
                                  XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
                xcb_flush(connection_);
                damages_.insert(created.window);
            }
        } else if (type == XCB_MAP_NOTIFY) {
            const auto& map = reinterpret_cast<const xcb_map_notify_event_t&>(raw);
            if (map.event == root_ && damages_.count(map.window)) {
                mapped_.insert(map.window);
                if (firstMapped_ == XCB_NONE)
                    firstMapped_ = map.window;
                mappedAt_ = event.when;
            }
        }
        return event;
    }

    xcb_keycode_t KeyCode(char character) {
        const xcb_keysym_t wanted = static_cast<unsigned char>(character);
        if (const auto known = keyCodes_.find(wanted); known != keyCodes_.end())
            return known->second;
        const xcb_setup_t* setup = xcb_get_setup(connection_);
        const int count = setup->max_keycode - setup->min_keycode + 1;
        xcb_get_keyboard_mapping_reply_t* mapping = xcb_get_keyboard_mapping_reply(
            connection_,
            xcb_get_keyboard_mapping(connection_, setup->min_keycode, static_cast<uint8_t>(count)),
            nullptr);
        if (!mapping)
            Fail("cannot read the keyboard mapping");
        const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(mapping);
        const int per = mapping->keysyms_per_keycode;
        xcb_keycode_t found = 0;
        for (int code = 0; code < count && !found; ++code)
            if (syms[static_cast<std::ptrdiff_t>(code) * per] == wanted)
                found = static_cast<xcb_keycode_t>(setup->min_keycode + code);
        free(mapping);
        if (!found)
            Fail(std::string("no unshifted key types '") + character + "'");
        keyCodes_[wanted] = found;
        return found;
    }

    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = XCB_NONE;
    uint8_t damageEvent_ = 0;
    bool hasTest_ = false;
    std::set<xcb_window_t> damages_;
    std::set<xcb_window_t> mapped_;
    xcb_window_t top_ = XCB_NONE;
    xcb_window_t firstMapped_ = XCB_NONE;
    Clock::time_point mappedAt_;
    std::map<xcb_keysym_t, xcb_keycode_t> keyCodes_;
};

// One started program, ended (SIGTERM, so it writes nothing on the way out)
// when it goes out of scope.
class Child {
public:
    explicit Child(const Program& program) {
        std::vector<char*> argv;
        for (const std::string& arg : program.argv)
            argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        started_ = Clock::now();
        pid_ = fork();
        if (pid_ == 0) {
            execvp(argv[0], argv.data());
            std::perror(argv[0]);
            _exit(127);
        }
        if (pid_ < 0)
            Fail("cannot fork");
    }
    ~Child() {
        kill(pid_, SIGTERM);
        int status = 0;
        waitpid(pid_, &status, 0);
    }
    Clock::time_point Started() const { return started_; }

    // The peak resident set so far, in KiB, or -1.
    long PeakKiB() const {
        std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
        for (std::string line; std::getline(status, line);)
            if (line.rfind("VmHWM:", 0) == 0)
                return std::stol(line.substr(6));
        return -1;
    }

private:
    pid_t pid_ = -1;
    Clock::time_point started_;
};

double Median(std::vector<double> values) {
    if (values.empty())
        return NAN;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::string Spread(const std::vector<double>& values, const char* format) {
    if (values.empty())
        return "no data";
    char text[128];
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    std::string out;
    std::snprintf(text, sizeof text, format, Median(values));
    out += text;
    out += "  (";
    std::snprintf(text, sizeof text, format, *low);
    out += text;
    out += " to ";
    std::snprintf(text, sizeof text, format, *high);
    out += text;
    out += ")";
    return out;
}

// One figure per program per round; NAN where the round failed for it.
using Table = std::map<std::string, std::vector<double>>;

std::vector<double> Valid(const std::vector<double>& values) {
    std::vector<double> valid;
    for (const double value : values)
        if (!std::isnan(value))
            valid.push_back(value);
    return valid;
}

void Report(const char* figure, const char* unit, const Options& options, const Table& table,
            bool difference) {
    std::printf("\n%s, median (min to max) of %d rounds\n", figure, options.rounds);
    for (const Program& program : options.programs) {
        const std::vector<double> values = Valid(table.at(program.name));
        std::printf("  %-24s %s %s\n", program.name.c_str(), Spread(values, "%.2f").c_str(), unit);
    }
    for (const Program& floor : options.programs) {
        if (!floor.floor)
            continue;
        // Each program against the floors listed before it.
        for (const Program& program : options.programs) {
            if (&program <= &floor)
                continue;
            std::vector<double> perRound;
            const auto& mine = table.at(program.name);
            const auto& theirs = table.at(floor.name);
            for (std::size_t round = 0; round < mine.size(); ++round)
                if (!std::isnan(mine[round]) && !std::isnan(theirs[round]))
                    perRound.push_back(difference ? mine[round] - theirs[round]
                                                  : mine[round] / theirs[round]);
            std::printf("  %-24s %s %s per round\n",
                        (program.name + (difference ? " - " : " / ") + floor.name).c_str(),
                        Spread(perRound, difference ? "%+.2f" : "%.3f").c_str(),
                        difference ? unit : "x");
        }
    }
}

void RunStartup(const Options& options) {
    Watch watch;
    Table first, peak;
    for (const Program& program : options.programs) {
        first[program.name].assign(static_cast<std::size_t>(options.rounds), NAN);
        peak[program.name].assign(static_cast<std::size_t>(options.rounds), NAN);
    }
    const std::size_t count = options.programs.size();
    for (int round = 0; round < options.rounds; ++round) {
        for (std::size_t turn = 0; turn < count; ++turn) {
            const Program& program =
                options.programs[(turn + static_cast<std::size_t>(round)) % count];
            watch.Reset();
            Child child(program);
            const auto frame =
                watch.FirstFrame(child.Started() + std::chrono::milliseconds(options.timeoutMs));
            if (!frame) {
                std::fprintf(stderr, "round %d: %s showed no frame\n", round + 1,
                             program.name.c_str());
                continue;
            }
            first[program.name][static_cast<std::size_t>(round)] = MsSince(child.Started(), *frame);
            watch.Idle(options.upMs);
            peak[program.name][static_cast<std::size_t>(round)] =
                static_cast<double>(child.PeakKiB()) / 1024.0;
        }
        std::fprintf(stderr, "round %d/%d done\n", round + 1, options.rounds);
    }
    Report("Process start to the first frame", "ms", options, first, false);
    Report("Peak resident memory (VmHWM) with the window up", "MiB", options, peak, true);
}

void RunKeys(const Options& options) {
    Watch watch;
    const std::size_t perRound = options.keys.size() * static_cast<std::size_t>(options.cycles);
    // Per program: every key's time, the round medians, and each key of the
    // cycle on its own.
    // The marked key's first and last damage, as round medians.
    Table roundMedian, markedFirst, markedLast, all, rectangles;
    std::map<std::string, std::map<std::size_t, std::vector<double>>> byPosition;
    const std::size_t marked = options.markedKey ? options.markedKey - 1 : options.keys.size() - 1;
    for (const Program& program : options.programs)
        for (Table* table : {&roundMedian, &markedFirst, &markedLast})
            (*table)[program.name].assign(static_cast<std::size_t>(options.rounds), NAN);
    const std::size_t count = options.programs.size();
    for (int round = 0; round < options.rounds; ++round) {
        for (std::size_t turn = 0; turn < count; ++turn) {
            const Program& program =
                options.programs[(turn + static_cast<std::size_t>(round)) % count];
            watch.Reset();
            Child child(program);
            if (!watch.FirstFrame(child.Started() + std::chrono::milliseconds(options.timeoutMs))) {
                std::fprintf(stderr, "round %d: %s showed no frame\n", round + 1,
                             program.name.c_str());
                continue;
            }
            watch.Idle(options.settleMs);
            watch.Focus();
            watch.Idle(options.settleMs / 2);
            for (const char character : options.setup) {
                watch.Type(character);
                watch.Idle(options.quietMs);
            }
            watch.Idle(options.settleMs / 2);
            std::vector<double> times, firsts, lasts;
            for (std::size_t key = 0; key < perRound; ++key) {
                watch.Idle(5); // nothing left over from the last key
                const char character = options.keys[key % options.keys.size()];
                const auto pressed = Clock::now();
                watch.Type(character);
                const auto burst = watch.NextBurst(
                    options.quietMs, pressed + std::chrono::milliseconds(options.timeoutMs / 10),
                    options.allWindows);
                if (!burst) {
                    std::fprintf(stderr, "round %d: %s: no frame for '%c'\n", round + 1,
                                 program.name.c_str(), character);
                    continue;
                }
                const double ms = MsSince(pressed, burst->last);
                times.push_back(ms);
                all[program.name].push_back(ms);
                rectangles[program.name].push_back(burst->rectangles);
                byPosition[program.name][key % options.keys.size()].push_back(ms);
                if (key % options.keys.size() == marked) {
                    firsts.push_back(MsSince(pressed, burst->first));
                    lasts.push_back(ms);
                }
            }
            const auto at = static_cast<std::size_t>(round);
            roundMedian[program.name][at] = Median(times);
            markedFirst[program.name][at] = Median(firsts);
            markedLast[program.name][at] = Median(lasts);
        }
        std::fprintf(stderr, "round %d/%d done\n", round + 1, options.rounds);
    }
    std::printf("\nKey press to the last damage of its frame, every key, median (min to max)\n");
    for (const Program& program : options.programs) {
        std::printf("  %-24s %s ms over %zu keys, %s damaged rectangles\n", program.name.c_str(),
                    Spread(all[program.name], "%.2f").c_str(), all[program.name].size(),
                    Spread(rectangles[program.name], "%.0f").c_str());
        for (std::size_t position = 0; position < options.keys.size(); ++position)
            std::printf("    key %zu '%c'                %s ms\n", position + 1,
                        options.keys[position],
                        Spread(byPosition[program.name][position], "%.2f").c_str());
    }
    Report("Round medians of the key times", "ms", options, roundMedian, false);
    const std::string which =
        "key " + std::to_string(marked + 1) + " '" + options.keys[marked] + "'";
    Report(("Round medians of " + which + ", press to the first damage").c_str(), "ms", options,
           markedFirst, false);
    Report(("Round medians of " + which + ", press to the last damage of its burst").c_str(), "ms",
           options, markedLast, false);
}

Options Parse(int argc, char** argv) {
    Options options;
    if (argc < 2)
        Fail("usage: frame_probe startup|keys [--rounds N] [--up-ms MS] [--settle-ms MS] "
             "[--quiet-ms MS] [--timeout-ms MS] [--setup TEXT] [--keys TEXT] [--cycles N] "
             "[--marked-key N] [--all-windows] NAME=COMMAND ...");
    options.mode = argv[1];
    for (int index = 2; index < argc; ++index) {
        const std::string arg = argv[index];
        const auto value = [&]() -> std::string {
            if (index + 1 >= argc)
                Fail(arg + " wants a value");
            return argv[++index];
        };
        if (arg == "--rounds")
            options.rounds = std::stoi(value());
        else if (arg == "--up-ms")
            options.upMs = std::stoi(value());
        else if (arg == "--settle-ms")
            options.settleMs = std::stoi(value());
        else if (arg == "--quiet-ms")
            options.quietMs = std::stoi(value());
        else if (arg == "--timeout-ms")
            options.timeoutMs = std::stoi(value());
        else if (arg == "--setup")
            options.setup = value();
        else if (arg == "--keys")
            options.keys = value();
        else if (arg == "--cycles")
            options.cycles = std::stoi(value());
        else if (arg == "--marked-key")
            options.markedKey = std::stoul(value());
        else if (arg == "--all-windows")
            options.allWindows = true;
        else {
            const std::size_t equals = arg.find('=');
            if (equals == std::string::npos)
                Fail("not NAME=COMMAND: " + arg);
            Program program;
            program.name = arg.substr(0, equals);
            program.floor = program.name.rfind("floor:", 0) == 0;
            std::istringstream words(arg.substr(equals + 1));
            for (std::string word; words >> word;)
                program.argv.push_back(word);
            if (program.argv.empty())
                Fail("no command for " + program.name);
            options.programs.push_back(program);
        }
    }
    if (options.programs.empty() || options.rounds < 1 || options.keys.empty())
        Fail("nothing to measure");
    if (options.markedKey > options.keys.size())
        Fail("--marked-key past the end of --keys");
    return options;
}

} // namespace

int main(int argc, char** argv) {
    const Options options = Parse(argc, argv);
    std::signal(SIGPIPE, SIG_IGN);
    if (options.mode == "startup")
        RunStartup(options);
    else if (options.mode == "keys")
        RunKeys(options);
    else
        Fail("unknown mode " + options.mode);
    return 0;
}
