// Starts a program and waits for its first top-level window to be mapped on
// the X display; prints the time from the start to the map in milliseconds and
// the peak resident memory so far in kB, then ends the program.
//
// The root window's SubstructureNotify events report each map as the X server
// performs it, so the figure is exact to the event's delivery (well under a
// millisecond), with no polling.
//
// Usage: startup_watch <program> [arguments]

#include <xcb/xcb.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <memory>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Uhr = std::chrono::steady_clock;

// VmHWM of a process: its peak resident memory in kB.
long PeakKb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string zeile; std::getline(status, zeile);) {
        if (zeile.rfind("VmHWM:", 0) == 0)
            return std::strtol(zeile.c_str() + 6, nullptr, 10);
    }
    return -1;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: startup_watch <program> [arguments]\n");
        return 2;
    }
    xcb_connection_t *x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "startup_watch: no X display\n");
        return 1;
    }
    const xcb_window_t wurzel = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t maske = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    // Checked, so that the server listens before the program starts.
    if (std::unique_ptr<xcb_generic_error_t, decltype(&std::free)> fehler{
            xcb_request_check(
                x, xcb_change_window_attributes_checked(x, wurzel, XCB_CW_EVENT_MASK, &maske)),
            &std::free}) {
        std::fprintf(stderr, "startup_watch: cannot watch the root window\n");
        return 1;
    }

    const Uhr::time_point start = Uhr::now();
    const pid_t pid = fork();
    if (pid == 0) {
        // The program's own messages would only clutter the figures.
        const int nichts = open("/dev/null", O_WRONLY);
        dup2(nichts, STDOUT_FILENO);
        dup2(nichts, STDERR_FILENO);
        execv(argv[1], argv + 1);
        _exit(127);
    }

    pollfd warten{xcb_get_file_descriptor(x), POLLIN, 0};
    const Uhr::time_point frist = start + std::chrono::seconds(20);
    while (Uhr::now() < frist) {
        while (xcb_generic_event_t *ereignis = xcb_poll_for_event(x)) {
            const bool gemappt = (ereignis->response_type & 0x7f) == XCB_MAP_NOTIFY;
            std::free(ereignis);
            if (!gemappt)
                continue;
            const double ms = std::chrono::duration<double, std::milli>(Uhr::now() - start).count();
            // Stopped first, so that the peak is the one at the map.
            kill(pid, SIGSTOP);
            const long kb = PeakKb(pid);
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            std::printf("%.2f %ld\n", ms, kb);
            return 0;
        }
        if (xcb_connection_has_error(x) || waitpid(pid, nullptr, WNOHANG) == pid) {
            std::fprintf(stderr, "startup_watch: %s ended without a window\n", argv[1]);
            return 1;
        }
        poll(&warten, 1, 50);
    }
    std::fprintf(stderr, "startup_watch: no window within 20 s\n");
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return 1;
}
