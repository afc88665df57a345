// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
// Start-up observer: starts a program on the X display, waits for its first top-level
// window to be mapped, then reads the window's pixels until they stop changing. Prints the
// time from the exec to the first reading that already showed the final picture, the time
// to the map, and the program's peak resident memory at that point; then ends the program.
//
//     brivolo_bench_paintwatch [--quiet MS] PROGRAM [ARGS...]
//
// Reading the pixels from outside asks nothing of the program, so the real program and the
// floor are measured the same way. The resolution is one reading (a few milliseconds).
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace {

double nowMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

int ignoreXError(Display*, XErrorEvent*) {
    return 0;
}

long peakResidentKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

// A hash of the window's pixels, or nothing while the window cannot be read.
std::optional<std::size_t> pictureOf(Display* display, Window window, int width, int height) {
    XImage* image =
        XGetImage(display, window, 0, 0, unsigned(width), unsigned(height), AllPlanes, ZPixmap);
    if (image == nullptr) {
        return std::nullopt;
    }
    const std::size_t bytes = std::size_t(image->bytes_per_line) * std::size_t(image->height);
    const std::size_t hash = std::hash<std::string_view>{}(std::string_view(image->data, bytes));
    XDestroyImage(image);
    return hash;
}

}  // namespace

int main(int argc, char** argv) {
    int argument = 1;
    double quietMs = 400;
    if (argc > 2 && std::strcmp(argv[1], "--quiet") == 0) {
        quietMs = std::atof(argv[2]);
        argument = 3;
    }
    if (argument >= argc) {
        std::fprintf(stderr, "usage: %s [--quiet MS] PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "cannot open the display\n");
        return 2;
    }
    XSetErrorHandler(ignoreXError);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const double start = nowMs();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[argument], argv + argument);
        _exit(127);
    }

    Window window = 0;
    double mappedMs = -1;
    while (window == 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && !event.xmap.override_redirect) {
            window = event.xmap.window;
            mappedMs = nowMs() - start;
        }
    }
    XWindowAttributes attributes{};
    XGetWindowAttributes(display, window, &attributes);

    std::optional<std::size_t> last;
    double lastChange = nowMs();
    double paintedMs = -1;
    const double giveUp = lastChange + 30000;
    while (nowMs() < giveUp) {
        const std::optional<std::size_t> picture =
            pictureOf(display, window, attributes.width, attributes.height);
        const double seen = nowMs();
        if (picture && picture != last) {
            last = picture;
            lastChange = seen;
            paintedMs = seen - start;
        } else if (picture && seen - lastChange >= quietMs) {
            break;
        }
        usleep(500);
    }
    const long peak = peakResidentKiB(child);
    kill(child, SIGTERM);
    int status = 0;
    waitpid(child, &status, 0);
    XCloseDisplay(display);
    if (paintedMs < 0) {
        std::fprintf(stderr, "the window never showed a stable picture\n");
        return 1;
    }
    std::printf("painted_ms=%.2f mapped_ms=%.2f peak_kib=%ld size=%dx%d\n", paintedMs, mappedMs,
                peak, attributes.width, attributes.height);
    return 0;
}
