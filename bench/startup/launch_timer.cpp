// Launches a program and measures the time until its first top-level window is
// mapped, its peak resident memory and its minor page faults (each one a trap
// into the kernel, dear on a virtual machine). Runs under an X server without a window
// manager, where top-level windows are the root window's children.
//
//     tarvo_launch_timer [--settle-ms N] PROGRAM [ARGS...]
//
// Prints: startup_ms=<milliseconds> peak_rss_kib=<kibibytes> minor_faults=<count>
#include <X11/Xlib.h>

#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// Waits for the first mapped top-level window that is not an override-redirect
// popup; false when none appears within the timeout.
bool waitForTopLevelMap(Display* display, Clock::time_point deadline)
{
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    while (Clock::now() < deadline) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && event.xmap.event == DefaultRootWindow(display) &&
                !event.xmap.override_redirect)
                return true;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        poll(&connection, 1, static_cast<int>(left.count()) + 1);
    }
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    int first = 1;
    int settleMs = 500;
    if (argc > 2 && std::string_view(argv[1]) == "--settle-ms") {
        settleMs = std::atoi(argv[2]);
        first = 3;
    }
    if (first >= argc) {
        std::fprintf(stderr, "usage: %s [--settle-ms N] PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "launch_timer: cannot open the X display\n");
        return 2;
    }
    // Listen before the launch, so that no map can be missed.
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const Clock::time_point launched = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[first], argv + first);
        std::perror("launch_timer: exec");
        _exit(127);
    }
    const bool mapped = waitForTopLevelMap(display, launched + std::chrono::seconds(20));
    const double startupMs = std::chrono::duration<double, std::milli>(Clock::now() - launched).count();

    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));  // let memory reach its plateau
    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    XCloseDisplay(display);
    if (!mapped) {
        std::fprintf(stderr, "launch_timer: %s mapped no window\n", argv[first]);
        return 1;
    }
    std::printf("startup_ms=%.2f peak_rss_kib=%ld minor_faults=%ld\n", startupMs, usage.ru_maxrss, usage.ru_minflt);
    return 0;
}
