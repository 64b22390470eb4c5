// What main() does before and around the event loop, so that the program starts right or says
// why in one line: it picks the windowing platforms to try from the session it finds, keeps
// the desktop's bus from being started on its behalf where the session has none, hides the
// command line from Qt, and turns the platform's failures to reach a display, at start or
// later, into one Italian line on standard error and exit code 1, without a core dump.
#pragma once

#include <memory>

class QApplication;

namespace app {

// Prints the one line (`reason`, or what was tried when it is null) and ends the program at once
// with code 1.
[[noreturn]] void failToReachDisplay(const char* reason);

// Makes the application object on the platforms this session can offer, with none of the
// command line's arguments (the program takes none). Without any display, or when none of them
// answers, it does not return.
std::unique_ptr<QApplication> startApplication(const char* programPath);

} // namespace app
