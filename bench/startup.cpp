// Start-up against the toolkit's floor: launches each program in turn and measures two moments
// on the X server: its first window mapped, and text painted in it (a painted light background
// with dark strokes on it, as a pupil first sees words), with the peak resident memory then.
//   bench_startup REPETITIONS PROGRAM FLOOR... [map-only=FLOOR]
// A map-only floor paints no text; it is measured to its first map.
// Each round launches the program, then every floor, so all meet the same machine state.
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
#include <thread>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Sample {
    double mappedMs = -1, paintedMs = -1;
    long peakKilobytes = -1;
};

long peakResidentKilobytes(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// True once the window shows a painted light background with at least a few glyphs' worth of
// dark pixels on it (a window that is mapped but not yet painted shows black).
bool showsText(xcb_connection_t* connection, xcb_window_t window) {
    xcb_get_geometry_reply_t* geometry =
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr);
    if (!geometry)
        return false;
    xcb_get_image_reply_t* image =
        xcb_get_image_reply(connection,
                            xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0,
                                          geometry->width, geometry->height, ~0u),
                            nullptr);
    std::free(geometry);
    if (!image)
        return false;
    const uint8_t* pixels = xcb_get_image_data(image);
    const int length = xcb_get_image_data_length(image);
    int dark = 0, light = 0;
    for (int i = 0; i + 3 < length; i += 4) { // 32 bits a pixel: blue, green, red, unused
        const int sum = pixels[i] + pixels[i + 1] + pixels[i + 2];
        dark += sum < 200 ? 1 : 0;
        light += sum > 500 ? 1 : 0;
    }
    std::free(image);
    return dark >= 40 && light >= length / 4 / 2;
}

Sample launch(xcb_connection_t* connection, const char* program, bool mapOnly) {
    const Clock::time_point start = Clock::now();
    pid_t pid = 0;
    char* arguments[] = {const_cast<char*>(program), nullptr};
    if (posix_spawn(&pid, program, nullptr, nullptr, arguments, environ) != 0) {
        std::perror(program);
        std::exit(1);
    }
    Sample sample;
    xcb_window_t mapped = XCB_NONE;
    while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
        if ((event->response_type & ~0x80) == XCB_MAP_NOTIFY)
            mapped = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
        std::free(event);
        if (mapped != XCB_NONE)
            break;
    }
    sample.mappedMs = millisecondsSince(start);
    if (!mapOnly) {
        while (!showsText(connection, mapped)) {
            if (millisecondsSince(start) > 10000) {
                std::fprintf(stderr, "%s showed no text in 10 s\n", program);
                std::exit(1);
            }
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        sample.paintedMs = millisecondsSince(start);
    }
    sample.peakKilobytes = peakResidentKilobytes(pid);
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

struct Medians {
    double mappedMs, paintedMs, peakMegabytes;
};

Medians medians(const std::vector<Sample>& samples) {
    std::vector<double> mapped, painted, peak;
    for (const Sample& sample : samples) {
        mapped.push_back(sample.mappedMs);
        painted.push_back(sample.paintedMs);
        peak.push_back(double(sample.peakKilobytes) / 1024.0);
    }
    return {median(mapped), median(painted), median(peak)};
}

const char* baseName(const char* path) {
    const std::string_view view(path);
    const auto slash = view.rfind('/');
    return slash == std::string_view::npos ? path : path + slash + 1;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s REPETITIONS PROGRAM FLOOR...\n", argv[0]);
        return 2;
    }
    const int repetitions = std::atoi(argv[1]);
    std::vector<const char*> programs;
    std::vector<bool> mapOnly;
    for (int i = 2; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        mapOnly.push_back(argument.rfind("map-only=", 0) == 0);
        programs.push_back(mapOnly.back() ? argv[i] + 9 : argv[i]);
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "no X server\n");
        return 1;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    // One warm-up each, so that all meet a warm file cache; then alternate.
    for (std::size_t i = 0; i < programs.size(); ++i)
        launch(connection, programs[i], mapOnly[i]);
    std::vector<std::vector<Sample>> samples(programs.size());
    for (int round = 0; round < repetitions; ++round)
        for (std::size_t i = 0; i < programs.size(); ++i)
            samples[i].push_back(launch(connection, programs[i], mapOnly[i]));

    std::printf("median of %d launches   first map   text painted   peak memory   "
                "program/floor: map  text  memory\n",
                repetitions);
    const Medians program = medians(samples[0]);
    for (std::size_t i = 0; i < programs.size(); ++i) {
        const Medians m = medians(samples[i]);
        std::printf("  %-18s %8.1f ms", baseName(programs[i]), m.mappedMs);
        if (mapOnly[i])
            std::printf("              -");
        else
            std::printf(" %11.1f ms", m.paintedMs);
        std::printf(" %10.1f MB", m.peakMegabytes);
        if (i > 0) {
            std::printf("                  %4.2f", program.mappedMs / m.mappedMs);
            if (mapOnly[i])
                std::printf("     -");
            else
                std::printf("  %4.2f", program.paintedMs / m.paintedMs);
            std::printf("    %4.2f", program.peakMegabytes / m.peakMegabytes);
        }
        std::printf("\n");
    }
    xcb_disconnect(connection);
    return 0;
}
