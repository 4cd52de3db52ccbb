// SPDX-License-Identifier: GPL-3.0-or-later

// Starts a program under the X server of $DISPLAY and prints, on one line, the milliseconds from
// its start until its first top-level window is mapped, then its peak resident memory in kilobytes,
// taken once it has run SETTLE_MS more and been ended.
// Usage: startwatch SETTLE_MS PROGRAM [ARGUMENTS...]
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Whether the event tells of a top-level window being mapped; menus and tooltips do not count.
bool IsTopLevelMapped(const xcb_generic_event_t* event)
{
    return (event->response_type & 0x7f) == XCB_MAP_NOTIFY &&
           !reinterpret_cast<const xcb_map_notify_event_t*>(event)->override_redirect;
}
} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s SETTLE_MS PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    const int settleMs = std::atoi(argv[1]);
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "startwatch: no X server to watch\n");
        return 2;
    }
    // Every window mapped as a child of the root is reported; the round trip makes sure the server
    // has taken the request before the program starts.
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    const int xcbFd = xcb_get_file_descriptor(connection);

    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        close(xcbFd);
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    double mappedMs = -1;
    while (mappedMs < 0) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            if (mappedMs < 0 && IsTopLevelMapped(event))
                mappedMs = MillisecondsSince(start);
            std::free(event);
        }
        if (mappedMs >= 0)
            break;
        if (waitpid(child, nullptr, WNOHANG) == child) {
            std::fprintf(stderr, "startwatch: %s ended without showing a window\n", argv[2]);
            return 1;
        }
        if (MillisecondsSince(start) > 60000) {
            kill(child, SIGKILL);
            std::fprintf(stderr, "startwatch: %s showed no window in a minute\n", argv[2]);
            return 1;
        }
        pollfd readable{xcbFd, POLLIN, 0};
        poll(&readable, 1, 20);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    std::printf("%.1f %ld\n", mappedMs, usage.ru_maxrss);
    xcb_disconnect(connection);
    return 0;
}
