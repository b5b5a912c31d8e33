// Start-up time: from starting a process until its first window is first exposed on the
// X display, for a bare Qt program and for the ship planner on the shipped data.
// Needs an X display: run it as `xvfb-run -a build/bench/startup_bench` where there is none.
#include "bench/RatioReporter.h"

#include <benchmark/benchmark.h>

#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

pid_t Spawn(const std::string& exe, const std::string& cwd)
{
    const pid_t pid = fork();
    if (pid == 0) {
        if (chdir(cwd.c_str()) != 0)
            _exit(127);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDERR_FILENO);
        execl(exe.c_str(), exe.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid;
}

// Seconds from the start of `exe` until a window it made gets its first Expose event.
double TimeToFirstExpose(const std::string& exe, const std::string& cwd)
{
    // One connection for the whole run: were it the last client to leave, the server would
    // reset and refuse the next connection for a moment.
    static xcb_connection_t* const c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c))
        throw std::runtime_error("cannot connect to the X display");
    while (xcb_generic_event_t* stale = xcb_poll_for_event(c))
        free(stale);
    xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const uint32_t rootMask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &rootMask);
    xcb_flush(c);

    const auto start = Clock::now();
    const pid_t child = Spawn(exe, cwd);
    double seconds = -1;
    pollfd pfd{xcb_get_file_descriptor(c), POLLIN, 0};
    while (seconds < 0 && Clock::now() - start < std::chrono::seconds(20)) {
        xcb_generic_event_t* ev = xcb_poll_for_event(c);
        if (ev == nullptr) {
            poll(&pfd, 1, 100);
            continue;
        }
        const uint8_t type = ev->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            // Watch every new top-level window for its first exposure.
            const auto* cn = reinterpret_cast<xcb_create_notify_event_t*>(ev);
            const uint32_t mask = XCB_EVENT_MASK_EXPOSURE;
            xcb_change_window_attributes(c, cn->window, XCB_CW_EVENT_MASK, &mask);
            // Had it been mapped before we asked, its first Expose went by: count it now.
            xcb_get_window_attributes_reply_t* attributes =
                xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, cn->window), nullptr);
            if (attributes != nullptr && attributes->map_state == XCB_MAP_STATE_VIEWABLE)
                seconds = std::chrono::duration<double>(Clock::now() - start).count();
            free(attributes);
        } else if (type == XCB_EXPOSE) {
            seconds = std::chrono::duration<double>(Clock::now() - start).count();
        }
        free(ev);
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    if (seconds < 0)
        throw std::runtime_error("no window appeared for " + exe);
    return seconds;
}

void Measure(benchmark::State& state, const std::string& exe)
{
    for (auto _ : state)
        state.SetIterationTime(TimeToFirstExpose(exe, SHIPPLANNER_SOURCE_DIR));
}

void BM_BareQtWindow(benchmark::State& state)
{
    Measure(state, SHIPPLANNER_BIN_DIR "/bench/bare_window_app");
}

void BM_ShipPlannerStart(benchmark::State& state)
{
    Measure(state, SHIPPLANNER_BIN_DIR "/shipplanner");
}

BENCHMARK(BM_BareQtWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_ShipPlannerStart)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

// SHIPPLANNER_OTHER_BUILD=PATH adds another build of the program (one before a change, say),
// measured in the same run on the same data.
int main(int argc, char** argv)
{
    if (const char* other = std::getenv("SHIPPLANNER_OTHER_BUILD"))
        benchmark::RegisterBenchmark("BM_OtherBuildStart", [other](benchmark::State& state) { Measure(state, other); })
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(20);
    benchmark::Initialize(&argc, argv);
    bench::RatioReporter reporter({{"BM_ShipPlannerStart", "BM_BareQtWindow", 1.15},
                                   {"BM_OtherBuildStart", "BM_BareQtWindow", 1.15}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
