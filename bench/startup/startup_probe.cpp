// SPDX-License-Identifier: MIT
// Measures, from outside, how soon a program's first window is on the screen and how much
// memory it has used by then, against a reference program, launch after launch.
//
// It runs on an X display with no window manager (a private Xvfb), where a program's top-level
// windows are direct children of the root window. For every launch it notes the time just
// before fork/exec, then follows the root window's SubstructureNotify events: each new child
// window gets a DAMAGE object at once, before it can draw; the window of the expected size is
// "mapped" at its MapNotify and "painted" at the first DamageNotify after which its pixels
// differ from the root's solid colour they showed before (Qt windows have no background of
// their own). The peak resident set (VmHWM) is read a fixed settling time after that paint.
// With --then-click, the probe then clicks the first window through XTEST, waits for a window
// of the second size in the same way, and reads the peak again. With --second-reference, a
// third program is launched too, whose first window has the second size: the yardstick of the
// peak with the second window.
//
// Launches rotate among the programs, so that each takes every place in the order equally
// often, after one uncounted warm-up each; the table gives min / median / max and the ratios of
// the medians.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace
{

using Clock = std::chrono::steady_clock;

double msBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

struct Size {
    int width = 0;
    int height = 0;
};

bool parseSize(const char* text, Size& size)
{
    return std::sscanf(text, "%dx%d", &size.width, &size.height) == 2 && size.width > 0 &&
           size.height > 0;
}

// The goals the ratios are held against.
constexpr double kFirstPaintedGoal = 1.10;
constexpr double kFirstPeakGoal = 1.20;
constexpr double kSecondPeakGoal = 1.10;

struct Options {
    std::string ours;
    std::string reference;
    std::string secondReference; // its first window has the second size
    int runs = 15;
    int settleMs = 300;
    int timeoutMs = 15000;
    Size firstSize{273, 310};
    std::optional<Size> thenClickSize; // ours only: click the first window, wait for this one
    std::string firstLabel = "first window";
    std::string secondLabel = "second window";
    bool verbose = false;
};

// What one launch of one program showed.
struct Launch {
    double mappedMs = 0;   // process start to MapNotify of the first window
    double paintedMs = 0;  // process start to its first change of pixels
    long peakKiBFirst = 0; // VmHWM once the first window was painted and settled
    double secondPaintedAfterClickMs = 0;
    long peakKiBSecond = 0; // VmHWM once the second window was painted and settled
};

int ignoreXErrors(Display*, XErrorEvent*)
{
    // Windows of a program that was just killed vanish under our feet; that is expected.
    return 0;
}

long peakResidentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

class Probe
{
public:
    explicit Probe(Display* display) : display_(display), root_(DefaultRootWindow(display))
    {
        int errorBase = 0;
        if (!XDamageQueryExtension(display_, &damageEventBase_, &errorBase))
            fail("the X server has no DAMAGE extension");
        int major = 0, minor = 0;
        if (!XTestQueryExtension(display_, &errorBase, &errorBase, &major, &minor))
            fail("the X server has no XTEST extension");
        XSetErrorHandler(ignoreXErrors);

        // A solid root whose colour no painted window keeps everywhere.
        XColor colour{};
        colour.red = 0xFFFF;
        colour.green = 0;
        colour.blue = 0xFFFF;
        colour.flags = DoRed | DoGreen | DoBlue;
        if (!XAllocColor(display_, DefaultColormap(display_, DefaultScreen(display_)), &colour))
            fail("cannot allocate the root colour");
        rootPixel_ = colour.pixel;
        XSetWindowBackground(display_, root_, rootPixel_);
        XClearWindow(display_, root_);
        XSelectInput(display_, root_, SubstructureNotifyMask);
        XSync(display_, False);
    }

    // Launches `program` and waits for its first window, of `firstSize`; with `click`, clicks
    // it and waits for the second window.
    std::optional<Launch> run(const std::string& program, Size firstSize, const Options& options,
                              bool click)
    {
        drain(200);
        windows_.clear();

        const Clock::time_point start = Clock::now();
        const pid_t pid = fork();
        if (pid < 0)
            fail("fork failed");
        if (pid == 0) {
            if (!options.verbose) {
                std::freopen("/dev/null", "w", stdout);
                std::freopen("/dev/null", "w", stderr);
            }
            setenv("QT_QPA_PLATFORM", "xcb", 1);
            execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        child_ = pid;

        Launch launch;
        const std::optional<Appearance> first = awaitWindow(firstSize, options.timeoutMs);
        if (!first) {
            std::fprintf(stderr, "%s: no %dx%d window painted\n", program.c_str(), firstSize.width,
                         firstSize.height);
            stop();
            return std::nullopt;
        }
        launch.mappedMs = msBetween(start, first->mapped);
        launch.paintedMs = msBetween(start, first->painted);
        settle(options.settleMs);
        launch.peakKiBFirst = peakResidentKiB(pid);

        if (click && options.thenClickSize) {
            const Clock::time_point clicked = clickCentre(first->window);
            const std::optional<Appearance> second =
                awaitWindow(*options.thenClickSize, options.timeoutMs);
            if (!second) {
                std::fprintf(stderr, "%s: no %dx%d window after the click\n", program.c_str(),
                             options.thenClickSize->width, options.thenClickSize->height);
                stop();
                return std::nullopt;
            }
            launch.secondPaintedAfterClickMs = msBetween(clicked, second->painted);
            settle(options.settleMs);
            launch.peakKiBSecond = peakResidentKiB(pid);
        }
        stop();
        return launch;
    }

private:
    struct Appearance {
        Window window = 0;
        Clock::time_point mapped;
        Clock::time_point painted;
    };

    [[noreturn]] static void fail(const char* why)
    {
        std::fprintf(stderr, "startup_probe: %s\n", why);
        std::exit(2);
    }

    // Watches a new top-level window from its creation on, so that no drawing can slip by
    // before its damage object exists.
    void watch(const XEvent& event)
    {
        if (event.type == CreateNotify && event.xcreatewindow.parent == root_) {
            const Window w = event.xcreatewindow.window;
            windows_[w] = XDamageCreate(display_, w, XDamageReportRawRectangles);
        } else if (event.type == DestroyNotify) {
            windows_.erase(event.xdestroywindow.window);
        }
    }

    // Handles events until a new top-level window of `size` is mapped and has changed its
    // pixels, or the time runs out.
    std::optional<Appearance> awaitWindow(Size size, int timeoutMs)
    {
        const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
        Appearance seen;
        bool mapped = false;
        while (Clock::now() < deadline) {
            if (childEnded())
                return std::nullopt;
            XEvent event;
            if (!nextEvent(event, deadline))
                continue;
            const Clock::time_point at = Clock::now();
            watch(event);
            if (event.type == MapNotify && event.xmap.event == root_ && !mapped) {
                const Window w = event.xmap.window;
                if (windows_.count(w) == 0 || !hasSize(w, size))
                    continue;
                mapped = true;
                seen.window = w;
                seen.mapped = at;
                if (showsOwnPixels(w, size)) {
                    seen.painted = Clock::now();
                    return seen;
                }
            } else if (event.type == damageEventBase_ + XDamageNotify && mapped) {
                const auto* damage = reinterpret_cast<const XDamageNotifyEvent*>(&event);
                if (damage->drawable == seen.window && showsOwnPixels(seen.window, size)) {
                    seen.painted = at;
                    return seen;
                }
            }
        }
        return std::nullopt;
    }

    bool nextEvent(XEvent& event, Clock::time_point deadline)
    {
        if (XPending(display_) == 0) {
            pollfd fd{ConnectionNumber(display_), POLLIN, 0};
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            // Wake up now and then to notice a program that died without a window.
            const int waitMs = static_cast<int>(std::clamp<long long>(left.count(), 0, 50));
            if (poll(&fd, 1, waitMs) <= 0 && XPending(display_) == 0)
                return false;
        }
        XNextEvent(display_, &event);
        return true;
    }

    bool hasSize(Window w, Size size)
    {
        XWindowAttributes attributes;
        return XGetWindowAttributes(display_, w, &attributes) && attributes.width == size.width &&
               attributes.height == size.height;
    }

    // True once any pixel of the window differs from the root colour it shows when mapped.
    bool showsOwnPixels(Window w, Size size)
    {
        XImage* image = XGetImage(display_, w, 0, 0, static_cast<unsigned>(size.width),
                                  static_cast<unsigned>(size.height), AllPlanes, ZPixmap);
        if (!image)
            return false;
        bool own = false;
        for (int y = 0; y < size.height && !own; ++y)
            for (int x = 0; x < size.width && !own; ++x)
                own = XGetPixel(image, x, y) != rootPixel_;
        XDestroyImage(image);
        return own;
    }

    void settle(int ms)
    {
        // Keep reading events meanwhile, so the program is never held up by a full queue.
        const Clock::time_point until = Clock::now() + std::chrono::milliseconds(ms);
        XEvent event;
        while (Clock::now() < until)
            if (nextEvent(event, until))
                watch(event);
    }

    Clock::time_point clickCentre(Window w)
    {
        XWindowAttributes attributes;
        XGetWindowAttributes(display_, w, &attributes);
        int x = 0, y = 0;
        Window unused;
        XTranslateCoordinates(display_, w, root_, attributes.width / 2, attributes.height / 2, &x,
                              &y, &unused);
        XTestFakeMotionEvent(display_, -1, x, y, CurrentTime);
        XSync(display_, False);
        const Clock::time_point at = Clock::now();
        XTestFakeButtonEvent(display_, 1, True, CurrentTime);
        XTestFakeButtonEvent(display_, 1, False, CurrentTime);
        XFlush(display_);
        return at;
    }

    bool childEnded()
    {
        int status = 0;
        if (child_ > 0 && waitpid(child_, &status, WNOHANG) == child_) {
            std::fprintf(stderr, "startup_probe: the program ended by itself (status %d)\n",
                         status);
            child_ = 0;
            return true;
        }
        return false;
    }

    void stop()
    {
        if (child_ > 0) {
            kill(child_, SIGKILL);
            waitpid(child_, nullptr, 0);
            child_ = 0;
        }
        XSync(display_, False);
    }

    // Reads and drops whatever the last program left behind (its windows' destruction).
    void drain(int ms)
    {
        const Clock::time_point until = Clock::now() + std::chrono::milliseconds(ms);
        XEvent event;
        while (Clock::now() < until)
            nextEvent(event, until);
    }

    Display* display_;
    Window root_;
    int damageEventBase_ = 0;
    unsigned long rootPixel_ = 0;
    pid_t child_ = 0;
    std::map<Window, Damage> windows_;
};

struct Summary {
    double min = 0, median = 0, max = 0;
};

Summary summarise(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    return {values.front(), median, values.back()};
}

template <typename Field> Summary summarise(const std::vector<Launch>& launches, Field field)
{
    std::vector<double> values;
    for (const Launch& launch : launches)
        values.push_back(static_cast<double>(field(launch)));
    return summarise(values);
}

void printRow(const std::string& what, const char* who, const Summary& s, const char* unit)
{
    std::printf("  %-30s %-10s %9.1f %9.1f %9.1f  %s\n", what.c_str(), who, s.min, s.median, s.max,
                unit);
}

void printRatio(double ratio, double goal, const char* against = "ours/ref")
{
    std::printf("  %-30s %-10s %29.3f   (goal <= %.2f: %s)\n", "", against, ratio, goal,
                ratio <= goal ? "met" : "MISSED");
}

// Which of `count` programs has the `turn`-th launch of a round: ABBA for two, ABC BCA CAB for
// three, so that none always goes first.
std::size_t launchIndex(int round, std::size_t turn, std::size_t count)
{
    if (count == 2) {
        const bool firstGoesFirst = round % 4 == 0 || round % 4 == 3;
        return (turn == 0) == firstGoesFirst ? 0 : 1;
    }
    return (static_cast<std::size_t>(round) + turn) % count;
}

[[noreturn]] void usage()
{
    std::fprintf(
        stderr,
        "usage: startup_probe --ours PROGRAM --reference PROGRAM [--runs N] [--settle MS]\n"
        "                     [--size WxH] [--then-click WxH [--second-reference PROGRAM]]\n"
        "                     [--timeout MS]\n"
        "                     [--first-label TEXT] [--second-label TEXT] [--verbose]\n"
        "Needs DISPLAY set to an X server without a window manager (e.g. Xvfb).\n");
    std::exit(2);
}

} // namespace

int main(int argc, char* argv[])
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> const char* {
            if (i + 1 >= argc)
                usage();
            return argv[++i];
        };
        if (arg == "--ours")
            options.ours = value();
        else if (arg == "--reference")
            options.reference = value();
        else if (arg == "--second-reference")
            options.secondReference = value();
        else if (arg == "--runs")
            options.runs = std::atoi(value());
        else if (arg == "--settle")
            options.settleMs = std::atoi(value());
        else if (arg == "--timeout")
            options.timeoutMs = std::atoi(value());
        else if (arg == "--size") {
            if (!parseSize(value(), options.firstSize))
                usage();
        } else if (arg == "--then-click") {
            Size size;
            if (!parseSize(value(), size))
                usage();
            options.thenClickSize = size;
        } else if (arg == "--first-label")
            options.firstLabel = value();
        else if (arg == "--second-label")
            options.secondLabel = value();
        else if (arg == "--verbose")
            options.verbose = true;
        else
            usage();
    }
    if (options.ours.empty() || options.reference.empty() || options.runs < 1 ||
        (!options.secondReference.empty() && !options.thenClickSize))
        usage();

    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "startup_probe: cannot open the display\n");
        return 2;
    }
    Probe probe(display);

    // The programs in their launch order: ours clicks its first window.
    struct Program {
        const std::string& path;
        Size firstSize;
        bool click;
        std::vector<Launch> launches;
    };
    std::vector<Program> programs{{options.ours, options.firstSize, true, {}},
                                  {options.reference, options.firstSize, false, {}}};
    if (!options.secondReference.empty())
        programs.push_back({options.secondReference, *options.thenClickSize, false, {}});

    // One uncounted launch of each first, so that all start with the same warm file cache.
    for (const Program& program : programs)
        if (!probe.run(program.path, program.firstSize, options, program.click))
            return 1;

    const std::size_t count = programs.size();
    for (int round = 0; round < options.runs; ++round) {
        for (std::size_t turn = 0; turn < count; ++turn) {
            Program& program = programs[launchIndex(round, turn, count)];
            const std::optional<Launch> launch =
                probe.run(program.path, program.firstSize, options, program.click);
            if (!launch)
                return 1;
            program.launches.push_back(*launch);
        }
    }
    XCloseDisplay(display);
    const std::vector<Launch>& ours = programs[0].launches;
    const std::vector<Launch>& reference = programs[1].launches;

    auto mib = [](long kib) { return static_cast<double>(kib) / 1024.0; };
    const Summary oursPainted = summarise(ours, [](const Launch& l) { return l.paintedMs; });
    const Summary refPainted = summarise(reference, [](const Launch& l) { return l.paintedMs; });
    const Summary oursPeak = summarise(ours, [&](const Launch& l) { return mib(l.peakKiBFirst); });
    const Summary refPeak =
        summarise(reference, [&](const Launch& l) { return mib(l.peakKiBFirst); });
    const std::string& first = options.firstLabel;
    const std::string& second = options.secondLabel;

    std::printf("Start-up, %d launches of each program, interleaved (after one warm-up each);\n"
                "times from just before fork/exec, peak RSS (VmHWM) read %d ms after the paint\n",
                options.runs, options.settleMs);
    std::printf("  %-30s %-10s %9s %9s %9s\n", "", "", "min", "median", "max");
    printRow(first + " mapped", "ours", summarise(ours, [](const Launch& l) { return l.mappedMs; }),
             "ms");
    printRow("", "reference", summarise(reference, [](const Launch& l) { return l.mappedMs; }),
             "ms");
    printRow(first + " painted", "ours", oursPainted, "ms");
    printRow("", "reference", refPainted, "ms");
    printRatio(oursPainted.median / refPainted.median, kFirstPaintedGoal);
    printRow("peak RSS, " + first, "ours", oursPeak, "MiB");
    printRow("", "reference", refPeak, "MiB");
    printRatio(oursPeak.median / refPeak.median, kFirstPeakGoal);
    if (options.thenClickSize) {
        const Summary oursPeakSecond =
            summarise(ours, [&](const Launch& l) { return mib(l.peakKiBSecond); });
        printRow("click to " + second + " painted", "ours",
                 summarise(ours, [](const Launch& l) { return l.secondPaintedAfterClickMs; }),
                 "ms");
        printRow("peak RSS, " + second, "ours", oursPeakSecond, "MiB");
        if (count == 3) {
            const Summary secondRefPeak = summarise(
                programs[2].launches, [&](const Launch& l) { return mib(l.peakKiBFirst); });
            printRow("", "2nd ref", secondRefPeak, "MiB");
            printRatio(oursPeakSecond.median / secondRefPeak.median, kSecondPeakGoal, "ours/2nd");
        }
    }
    return 0;
}
