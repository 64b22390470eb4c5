// Drives the real program on a real X server, as a pupil would: a private Xvfb display with the
// openbox window manager, input through xdotool, and what the screen shows read back as
// images. Used by the end-to-end tests and by the screenshot tool; needs no display of its own.
#pragma once

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>

#include <optional>

namespace e2e {

// A private X server on a free display, with a window manager; both end with the object.
class XSession {
public:
    XSession();
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    bool isReady() const { return ready_; }
    QString display() const { return display_; }

    // Runs an X client on this display and returns its standard output; empty when it fails.
    QString run(const QString& program, const QStringList& arguments) const;
    // xdotool with the given arguments.
    QString xdotool(const QStringList& arguments) const { return run("xdotool", arguments); }
    // The window whose title matches `title` exactly, among the visible windows of `pid`.
    std::optional<qulonglong> window(qint64 pid, const QString& title) const;
    // The visible top-level windows of `pid`.
    QStringList windows(qint64 pid) const;
    QSize clientSize(qulonglong window) const;

    // Activates the window, then sends the keys (xdotool key names) or types the text.
    void keys(qulonglong window, const QStringList& keys) const;
    void type(qulonglong window, const QString& text) const;
    // Brings the window to the front and clicks the left button at a point of its client area,
    // in pixels.
    void click(qulonglong window, QPoint point) const;
    // Closes the window as a pupil does, with the window manager's close shortcut.
    void close(qulonglong window) const;

    // The window's client area as it is on screen; with `withFrame`, the window manager's
    // frame and title bar too.
    QImage grab(qulonglong window, bool withFrame = false) const;
    QProcessEnvironment environment() const;

private:
    QProcess server_;
    QProcess windowManager_;
    QString display_;
    bool ready_ = false;
};

// Starts the program under test on `process`: the one built beside the tests (`built`), or the
// command line in ESERCIZIARIO_E2E_COMMAND, such as the Windows build under Wine.
void startProgram(QProcess& process, const QString& built);

// The program under test on a session: started as the suite starts it, its windows found by
// title, all of them closed as a pupil closes them. Ended, if still running, with the object.
class ProgramOnScreen {
public:
    ProgramOnScreen(const XSession& session, QString built);
    ~ProgramOnScreen();
    ProgramOnScreen(const ProgramOnScreen&) = delete;
    ProgramOnScreen& operator=(const ProgramOnScreen&) = delete;

    bool start();
    // The program's window titled `title` once it is shown, or 0 after ten seconds.
    qulonglong waitForWindow(const QString& title) const;
    // Starts the program and answers the welcome box with `dismissal` keys; returns Form1, or 0.
    qulonglong startToMainWindow(const QStringList& dismissal = {"Escape"});
    int windowCount() const;
    // Closes every window with the close shortcut; the exit code once the program has ended by
    // itself, or -1 when it was killed by a signal or is still running after ten seconds.
    int closeAllAndWaitForExit();
    const QProcess& process() const { return process_; }

private:
    const XSession& session_;
    QString built_;
    QProcess process_;
};

// The colour text is drawn in inside `area`: the pixel farthest from the box's `background`.
// Anti-aliased strokes only approach it, so compare it with `near`. Invalid when the area holds
// nothing but background.
QColor ink(const QImage& image, const QRect& area, const QColor& background = Qt::white);
// True when every channel of the two colours differs by at most `tolerance`.
bool near(const QColor& a, const QColor& b, int tolerance = 48);
// True when the text inside each box (clear of its border) is drawn in its expected colour;
// warns which box is not.
bool inksAre(const QImage& screen, const QList<QRect>& boxes, const QList<QColor>& expected);

} // namespace e2e
