// Start-up against the toolkit's floor: launches each program in turn, waits for its first
// window to be mapped on the X server, reads its peak resident memory at that moment, ends it.
//   bench_startup PROGRAM FLOOR [REPETITIONS]
// Run on an X server without a window manager, so that a map is the program's own.
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

struct Sample {
    double milliseconds;
    long peakKilobytes;
};

long peakResidentKilobytes(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

Sample launch(xcb_connection_t* connection, const char* program) {
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    char* arguments[] = {const_cast<char*>(program), nullptr};
    if (posix_spawn(&pid, program, nullptr, nullptr, arguments, environ) != 0) {
        std::perror(program);
        std::exit(1);
    }
    Sample sample{-1, -1};
    while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
        const bool mapped = (event->response_type & ~0x80) == XCB_MAP_NOTIFY;
        std::free(event);
        if (mapped) {
            sample.milliseconds =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count();
            sample.peakKilobytes = peakResidentKilobytes(pid);
            break;
        }
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    // Drop the unmap and destroy notices of the ended program.
    xcb_get_input_focus_reply_t* sync =
        xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr);
    std::free(sync);
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection))
        std::free(event);
    return sample;
}

template <class T> T median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s PROGRAM FLOOR [REPETITIONS]\n", argv[0]);
        return 2;
    }
    const int repetitions = argc > 3 ? std::atoi(argv[3]) : 21;
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "no X server\n");
        return 1;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    // One warm-up each, so both meet a warm file cache; then alternate.
    launch(connection, argv[1]);
    launch(connection, argv[2]);
    std::vector<double> programTimes, floorTimes;
    std::vector<long> programPeaks, floorPeaks;
    for (int i = 0; i < repetitions; ++i) {
        const Sample program = launch(connection, argv[1]);
        const Sample floor = launch(connection, argv[2]);
        programTimes.push_back(program.milliseconds);
        floorTimes.push_back(floor.milliseconds);
        programPeaks.push_back(program.peakKilobytes);
        floorPeaks.push_back(floor.peakKilobytes);
    }
    const double programTime = median(programTimes), floorTime = median(floorTimes);
    const long programPeak = median(programPeaks), floorPeak = median(floorPeaks);
    std::printf("start-up to the first mapped window (median of %d)\n", repetitions);
    std::printf("  program %8.1f ms   floor %8.1f ms   ratio %.2f   (goal <= 1.15)\n", programTime,
                floorTime, programTime / floorTime);
    std::printf("peak resident memory at that moment\n");
    std::printf("  program %8.1f MB   floor %8.1f MB   ratio %.2f   (goal <= 1.10)\n",
                programPeak / 1024.0, floorPeak / 1024.0, double(programPeak) / double(floorPeak));
    xcb_disconnect(connection);
    return 0;
}
