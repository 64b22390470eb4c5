// The whole program in a test, as main() starts it: every window kind of the real table, and
// Form1 opened with its welcome box answered by a chosen dismissal. What the welcome box showed
// is kept for the test to check.
#pragma once

#include "app/windowtable.h"
#include "testsupport.h"

#include <QMessageBox>
#include <QTest>

namespace testsupport {

class Program {
public:
    explicit Program(const Dismiss& dismiss = byKey(Qt::Key_Escape)) {
        ModalAnswer answer([this, dismiss](QWidget& box) {
            welcome.text = static_cast<QMessageBox&>(box).text();
            welcome.icon = static_cast<QMessageBox&>(box).iconPixmap().toImage();
            welcome.mainWindowWasOpen = windows.isOpen(app::Kind::Form1);
            welcome.otherWindowsShown = int(openWindows().size());
            dismiss(box);
        });
        windows.open(app::Kind::Form1);
        welcome.title = answer.title();
        welcome.shown = answer.fired();
    }

    forms::Window& window(app::Kind kind) const {
        forms::Window* open = windows.window(kind);
        if (!open)
            qFatal("the window %s is not open", app::entryOf(kind).name.data());
        return *open;
    }
    // A left click on a control of an open window, as a pupil's mouse gives it.
    void click(app::Kind kind, std::string_view control) const {
        QTest::mouseClick(&window(kind).control<QWidget>(control), Qt::LeftButton);
    }
    // Clicks whatever opens `kind` (its opener must be open).
    void openByClick(app::Kind kind) const {
        const app::Opener& opener = *app::entryOf(kind).openedBy;
        click(opener.window, opener.control);
    }

    app::Windows windows;
    struct {
        bool shown = false;
        QString title, text;
        QImage icon;
        bool mainWindowWasOpen = true;
        int otherWindowsShown = -1;
    } welcome;
};

} // namespace testsupport
