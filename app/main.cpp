// Eserciziario: start-up. Opens the main window, whose load step greets the pupil, and runs
// until the last window is closed.
#include "app/startup.h"
#include "app/windowtable.h"

#include <QApplication>

int main(int, char* argv[]) {
    const std::unique_ptr<QApplication> application = app::startApplication(argv[0]);
    forms::applyLook(*application);

    app::Windows windows;
    // The welcome box runs inside Form1's load step, before the event loop: a box closed
    // inside the loop with no window shown yet would end the program.
    windows.open(app::Kind::Form1);
    return QApplication::exec();
}
