// Starts a program on the X display in $DISPLAY and measures it from the outside:
// milliseconds from exec until its window titled TITLE is mapped, until it writes
// "logged in after" on standard error (when asked to wait for it), its peak resident
// memory, and optionally its CPU over an idle period from the scheduler's own figures.
// Usage: bench_window_timer TITLE WAIT_LOGIN(0|1) IDLE_SECONDS PROGRAM [ARGS...]
// Prints one line: mapped_ms logged_ms peak_kb idle_cpu_percent
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include "bench/schedstat.h"

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    auto* reply = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t a = reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    std::free(reply);
    return a;
}

std::string windowTitle(xcb_connection_t* c, xcb_window_t w, xcb_atom_t netName) {
    for (const xcb_atom_t property : {netName, xcb_atom_t(XCB_ATOM_WM_NAME)}) {
        auto* reply = xcb_get_property_reply(
            c, xcb_get_property(c, 0, w, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 256), nullptr);
        if (!reply) continue;
        std::string title(static_cast<const char*>(xcb_get_property_value(reply)),
                          static_cast<std::size_t>(xcb_get_property_value_length(reply)));
        std::free(reply);
        if (!title.empty()) return title;
    }
    return {};
}

long peakKb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s TITLE WAIT_LOGIN IDLE_SECONDS PROGRAM [ARGS...]\n",
                     argv[0]);
        return 2;
    }
    const std::string title = argv[1];
    const bool waitLogin = std::atoi(argv[2]) != 0;
    const int idleSeconds = std::atoi(argv[3]);

    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "window_timer: no X display\n");
        return 2;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &mask);
    const xcb_atom_t netName = atom(c, "_NET_WM_NAME");
    xcb_flush(c);

    int err[2];
    if (pipe(err) != 0) return 2;
    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(err[1], STDERR_FILENO);
        close(err[0]);
        execv(argv[4], argv + 4);
        _exit(127);
    }
    close(err[1]);

    double mapped = -1, logged = waitLogin ? -1 : 0;
    std::string stderrText;
    while ((mapped < 0 || logged < 0) && msSince(start) < 20000) {
        pollfd fds[2] = {{xcb_get_file_descriptor(c), POLLIN, 0}, {err[0], POLLIN, 0}};
        poll(fds, 2, 100);
        while (xcb_generic_event_t* event = xcb_poll_for_event(c)) {
            if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY && mapped < 0) {
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                if (windowTitle(c, map->window, netName) == title) mapped = msSince(start);
            }
            std::free(event);
        }
        if (fds[1].revents & (POLLIN | POLLHUP)) {
            char buffer[4096];
            const ssize_t n = read(err[0], buffer, sizeof buffer);
            if (n <= 0) break;
            stderrText.append(buffer, static_cast<std::size_t>(n));
            if (logged < 0 && stderrText.find("logged in after") != std::string::npos)
                logged = msSince(start);
        }
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(500));  // the first frames settle
    double idle = 0;
    if (idleSeconds > 0) {
        const unsigned long long before = cpuNs(pid);
        const Clock::time_point from = Clock::now();
        std::this_thread::sleep_for(std::chrono::seconds(idleSeconds));
        idle = 100.0 * static_cast<double>(cpuNs(pid) - before) / 1e6 / msSince(from);
    }
    const long peak = peakKb(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    xcb_disconnect(c);
    if (mapped < 0 || logged < 0) {
        std::fprintf(stderr, "window_timer: %s did not map \"%s\"%s\n%s", argv[4], title.c_str(),
                     waitLogin ? " and log in" : "", stderrText.c_str());
        return 1;
    }
    std::printf("%.1f %.1f %ld %.4f\n", mapped, logged, peak, idle);
    return 0;
}
