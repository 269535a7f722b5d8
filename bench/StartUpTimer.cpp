// Start-up stopwatch for window programs on an X display (Xvfb): the time from starting a process to its window
// showing text in a given box, and the process's peak resident memory at that moment. The programs are started in
// turn, one warm-up start each and then the given number of measured starts, so that all see the same load on a
// busy machine; the medians, their ratios and the memory difference are printed with the goals.
//
// Usage: startup_timer RUNS X Y W H -- EDITOR ARGS... -- BARE ARGS... [-- FLOOR ARGS...]
// With a floor (Windows programs under Wine: the editor, the bare Qt window and a bare window of the system's own),
// both are set against the floor in wall time alone, as the Wine server's work for a process is not the process's.
// The box (X, Y, W, H in window pixels) counts as showing text when its top and bottom rows are light (painted,
// not the black root of "Xvfb -br") and some pixel inside is dark (the letters).

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr double kRatioGoal = 1.2;
constexpr double kMemoryGoalMiB = 4.0;
constexpr double kFloorRatioGoal = 3.0;
constexpr double kGiveUpSeconds = 30.0;

struct Box {
    int x, y, width, height;
};

struct Start {
    double milliseconds;
    double cpuMilliseconds;
    long peakKiB;
};

struct Program {
    std::string name;
    std::vector<std::string> arguments;
    std::vector<Start> starts;
};

int IgnoreXError(Display*, XErrorEvent*) {
    return 0;
}

pid_t Launch(const std::vector<std::string>& arguments) {
    const pid_t pid = fork();
    if (pid != 0)
        return pid;
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    std::perror("startup_timer: exec");
    _exit(127);
}

std::optional<long> WindowPid(Display* display, Window window) {
    static const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count, &remaining,
                           &data) != Success ||
        !data)
        return std::nullopt;
    const long pid = count == 1 && format == 32 ? static_cast<long>(*reinterpret_cast<unsigned long*>(data)) : -1;
    XFree(data);
    return pid;
}

// The viewable top-level window of the process, if it has one yet.
std::optional<Window> FindWindow(Display* display, pid_t pid) {
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count))
        return std::nullopt;
    std::optional<Window> found;
    for (unsigned int i = 0; i < count && !found; ++i) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display, children[i], &attributes) && attributes.map_state == IsViewable &&
            WindowPid(display, children[i]) == pid)
            found = children[i];
    }
    if (children)
        XFree(children);
    return found;
}

int Brightness(XImage* image, int x, int y) {
    const unsigned long pixel = XGetPixel(image, x, y);
    const int red = static_cast<int>((pixel >> 16) & 0xff), green = static_cast<int>((pixel >> 8) & 0xff),
              blue = static_cast<int>(pixel & 0xff);
    return std::max({red, green, blue});
}

bool ShowsText(Display* display, Window window, const Box& box) {
    XImage* image = XGetImage(display, window, box.x, box.y, box.width, box.height, AllPlanes, ZPixmap);
    if (!image)
        return false;
    bool edgesLight = true;
    for (int x = 0; x < box.width && edgesLight; ++x)
        edgesLight = Brightness(image, x, 0) > 200 && Brightness(image, x, box.height - 1) > 200;
    bool dark = false;
    for (int y = 1; y < box.height - 1 && edgesLight && !dark; ++y) {
        for (int x = 0; x < box.width && !dark; ++x)
            dark = Brightness(image, x, y) < 100;
    }
    XDestroyImage(image);
    return edgesLight && dark;
}

long PeakResidentKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

// The processor time all the process's threads have used so far, from the scheduler's nanosecond counters.
double CpuMilliseconds(pid_t pid) {
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    double nanoseconds = 0;
    for (const auto& task : std::filesystem::directory_iterator(tasks)) {
        std::ifstream schedstat(task.path() / "schedstat");
        double running = 0;
        if (schedstat >> running)
            nanoseconds += running;
    }
    return nanoseconds / 1e6;
}

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void Stop(pid_t pid) {
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
}

// One start: polls every millisecond until the box shows text, then reads the peak memory and ends the process.
std::optional<Start> TimeOneStart(Display* display, const Program& program, const Box& box) {
    const Clock::time_point start = Clock::now();
    const pid_t pid = Launch(program.arguments);
    std::optional<Window> window;
    while (SecondsSince(start) < kGiveUpSeconds) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            std::fprintf(stderr, "startup_timer: %s ended before showing its window\n", program.name.c_str());
            return std::nullopt;
        }
        if (!window)
            window = FindWindow(display, pid);
        if (window && ShowsText(display, *window, box)) {
            const double milliseconds = SecondsSince(start) * 1000.0;
            const Start measured{milliseconds, CpuMilliseconds(pid), PeakResidentKiB(pid)};
            Stop(pid);
            return measured;
        }
        poll(nullptr, 0, 1);
    }
    std::fprintf(stderr, "startup_timer: %s showed no text within %.0f s\n", program.name.c_str(), kGiveUpSeconds);
    Stop(pid);
    return std::nullopt;
}

template <typename Value, typename Field> double Median(const std::vector<Start>& starts, Field field) {
    std::vector<Value> values;
    for (const Start& start : starts)
        values.push_back(start.*field);
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? double(values[middle]) : (double(values[middle - 1]) + double(values[middle])) / 2;
}

void PrintRow(const Program& program) {
    std::vector<double> times;
    for (const Start& start : program.starts)
        times.push_back(start.milliseconds);
    std::sort(times.begin(), times.end());
    std::printf("  %-7s median %7.1f ms   (fastest %.1f, slowest %.1f; processor time %.1f ms)\n", program.name.c_str(),
                Median<double>(program.starts, &Start::milliseconds), times.front(), times.back(),
                Median<double>(program.starts, &Start::cpuMilliseconds));
}

const char* Verdict(bool met) {
    return met ? "met" : "NOT MET";
}

double MedianMilliseconds(const Program& program) {
    return Median<double>(program.starts, &Start::milliseconds);
}

void PrintFloorReport(const Program& editor, const Program& bare, const Program& floor) {
    std::printf("start-up under Wine: process start to the window showing the item's name, %zu runs each, taken in "
                "turn\n",
                editor.starts.size());
    for (const Program* program : {&editor, &bare, &floor}) {
        std::vector<double> times;
        for (const Start& start : program->starts)
            times.push_back(start.milliseconds);
        std::sort(times.begin(), times.end());
        std::printf("  %-7s median %7.1f ms   (fastest %.1f, slowest %.1f)\n", program->name.c_str(),
                    MedianMilliseconds(*program), times.front(), times.back());
    }
    const double ratio = MedianMilliseconds(editor) / MedianMilliseconds(floor);
    std::printf("  editor / floor   %.2f x   goal: within %.0f x of the bare Win32 window: %s\n", ratio,
                kFloorRatioGoal, Verdict(ratio <= kFloorRatioGoal));
    std::printf("  bare Qt / floor  %.2f x\n", MedianMilliseconds(bare) / MedianMilliseconds(floor));
}

void PrintReport(const Program& editor, const Program& bare) {
    const std::size_t runs = editor.starts.size();
    std::printf("start-up: process start to the window showing the item's name, %zu runs each, taken in turn\n", runs);
    PrintRow(editor);
    PrintRow(bare);
    const double ratio =
        Median<double>(editor.starts, &Start::milliseconds) / Median<double>(bare.starts, &Start::milliseconds);
    const double cpuRatio =
        Median<double>(editor.starts, &Start::cpuMilliseconds) / Median<double>(bare.starts, &Start::cpuMilliseconds);
    std::printf("  ratio   %.2f x          goal: within %.2f x of the bare window: %s\n", ratio, kRatioGoal,
                Verdict(ratio <= kRatioGoal));
    std::printf("  processor time ratio %.2f x   goal: within %.2f x: %s\n", cpuRatio, kRatioGoal,
                Verdict(cpuRatio <= kRatioGoal));
    const double editorMiB = Median<long>(editor.starts, &Start::peakKiB) / 1024.0;
    const double bareMiB = Median<long>(bare.starts, &Start::peakKiB) / 1024.0;
    std::printf("memory: peak resident (VmHWM) once the window shows the item, median of the same runs\n");
    std::printf("  editor  %7.1f MiB\n  bare    %7.1f MiB\n", editorMiB, bareMiB);
    std::printf("  diff    %7.1f MiB       goal: within %.0f MiB of the bare window: %s\n", editorMiB - bareMiB,
                kMemoryGoalMiB, Verdict(editorMiB - bareMiB <= kMemoryGoalMiB));
}

// The programs in the order given: the editor, the bare window and, where given, the floor.
bool ReadArguments(int argc, char** argv, int& runs, Box& box, std::vector<Program>& programs) {
    if (argc < 10 || std::strcmp(argv[6], "--") != 0)
        return false;
    runs = std::atoi(argv[1]);
    box = {std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5])};
    const char* names[] = {"editor", "bare", "floor"};
    programs.push_back({names[0], {}, {}});
    for (int i = 7; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") != 0)
            programs.back().arguments.push_back(argv[i]);
        else if (programs.size() < 3)
            programs.push_back({names[programs.size()], {}, {}});
        else
            return false;
    }
    const bool allGiven = std::all_of(programs.begin(), programs.end(),
                                      [](const Program& program) { return !program.arguments.empty(); });
    return runs > 0 && box.width > 0 && box.height > 2 && programs.size() >= 2 && allGiven;
}

} // namespace

int main(int argc, char** argv) {
    int runs = 0;
    Box box{};
    std::vector<Program> programs;
    if (!ReadArguments(argc, argv, runs, box, programs)) {
        std::fprintf(stderr,
                     "usage: startup_timer RUNS X Y W H -- EDITOR ARGS... -- BARE ARGS... [-- FLOOR ARGS...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "startup_timer: cannot open the display \"%s\"\n", XDisplayName(nullptr));
        return 1;
    }
    // A window may vanish between finding it and reading it.
    XSetErrorHandler(IgnoreXError);
    for (int round = 0; round <= runs; ++round) {
        // The order turns every round, so that each program comes first, and last, as often as the others.
        for (std::size_t i = 0; i < programs.size(); ++i) {
            Program& program = programs[(i + static_cast<std::size_t>(round)) % programs.size()];
            const std::optional<Start> start = TimeOneStart(display, program, box);
            if (!start)
                return 1;
            if (round > 0)
                program.starts.push_back(*start);
        }
    }
    if (programs.size() == 3)
        PrintFloorReport(programs[0], programs[1], programs[2]);
    else
        PrintReport(programs[0], programs[1]);
    XCloseDisplay(display);
    return 0;
}
