// Starts a program under X and times it from process start to its first
// window mapped and painted, then reads its peak resident memory and the
// CPU it uses while idle. Prints one line:
//   startup_ms=<ms> peak_rss_kib=<KiB> idle_cpu_ticks=<ticks over 2 s>
// Usage: startup_probe PROGRAM [ARGUMENTS...]   (DISPLAY must be set; run it
// without a window manager, so the program's window is a child of the root)
//
// "Painted" means the window shows the game's grey at a spot of bare window
// and white in the first letter tile: the moment the player sees it.

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

namespace {
using Clock = std::chrono::steady_clock;

unsigned long pixelAt(Display *display, Window window, int x, int y)
{
    XImage *image = XGetImage(display, window, x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image)
        return 0;
    const unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
    XDestroyImage(image);
    return pixel;
}

long cpuTicks(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    // Fields after the command name, which is in parentheses.
    std::istringstream fields(line.substr(line.rfind(')') + 2));
    std::string field;
    long ticks = 0;
    for (int index = 3; fields >> field; ++index) {
        if (index == 14 || index == 15)
            ticks += std::stol(field);
    }
    return ticks;
}

long peakRssKib(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}
} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: startup_probe PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "startup_probe: cannot open the display\n");
        return 2;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const auto started = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execv(argv[1], argv + 1);
        std::perror("startup_probe: exec");
        _exit(127);
    }

    Window mapped = 0;
    double startupMs = -1;
    while (Clock::now() - started < std::chrono::seconds(20)) {
        while (!mapped && XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && event.xmap.event == root)
                mapped = event.xmap.window;
        }
        // Grey bare window right of the tiles, white in a corner of the first
        // tile (its letter stands in the middle).
        if (mapped && pixelAt(display, mapped, 690, 20) == 0xC0C0C0 && pixelAt(display, mapped, 58, 26) == 0xFFFFFF) {
            startupMs = std::chrono::duration<double, std::milli>(Clock::now() - started).count();
            break;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    }

    std::this_thread::sleep_for(std::chrono::seconds(1));
    const long idleFrom = cpuTicks(child);
    std::this_thread::sleep_for(std::chrono::seconds(2));
    const long idleTicks = cpuTicks(child) - idleFrom;
    const long peak = peakRssKib(child);

    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    if (startupMs < 0) {
        std::fprintf(stderr, "startup_probe: no painted window within 20 s\n");
        return 1;
    }
    std::printf("startup_ms=%.1f peak_rss_kib=%ld idle_cpu_ticks=%ld\n", startupMs, peak, idleTicks);
    return 0;
}
