// Eserciziario: start-up. Opens the main window, whose load step greets the pupil, and runs
// until the last window is closed.
#include "app/windowtable.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Without a display Qt would abort with a core dump; say it plainly instead.
bool hasDisplay() {
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value;
    };
    return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char* argv[]) {
    if (!hasDisplay()) {
        std::fputs("eserciziario: nessuno schermo disponibile (DISPLAY non impostato): "
                   "avviare il programma da una sessione grafica.\n",
                   stderr);
        return 1;
    }
    QApplication application(argc, argv);
    forms::applyLook(application);

    app::Windows windows;
    // The welcome box runs inside Form1's load step, before the event loop: a box closed
    // inside the loop with no window shown yet would end the program.
    windows.open(app::Kind::Form1);
    return QApplication::exec();
}
