#include "xsession.h"

#include <QDeadlineTimer>
#include <QThread>

namespace e2e {
namespace {

constexpr int startTimeoutMs = 15000;

// Polls `ready` until it holds or the deadline passes. The X tools answer from another
// process, so there is no signal to wait on.
template <class Predicate> bool waitFor(Predicate ready, int timeoutMs = startTimeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    while (!ready()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(20);
    }
    return true;
}

void stop(QProcess& process) {
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(3000)) {
        process.kill();
        process.waitForFinished(3000);
    }
}

} // namespace

XSession::XSession() {
    // -displayfd 1: Xvfb picks a free display and writes its number on standard output.
    server_.start("Xvfb", {"-displayfd", "1", "-noreset", "-screen", "0", "2560x1600x24",
                           "-nolisten", "tcp"});
    if (!server_.waitForStarted(startTimeoutMs))
        return;
    if (!waitFor([this] {
            server_.waitForReadyRead(100);
            return server_.canReadLine();
        }))
        return;
    display_ = ":" + QString::fromLatin1(server_.readLine()).trimmed();

    windowManager_.setProcessEnvironment(environment());
    windowManager_.start("openbox", {"--sm-disable"});
    if (!windowManager_.waitForStarted(startTimeoutMs))
        return;
    ready_ = waitFor([this] {
        return run("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}).contains("window id");
    });
}

XSession::~XSession() {
    stop(windowManager_);
    stop(server_);
}

QProcessEnvironment XSession::environment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", display_);
    environment.remove("QT_QPA_PLATFORM");
    environment.remove("WAYLAND_DISPLAY");
    return environment;
}

QString XSession::run(const QString& program, const QStringList& arguments) const {
    QProcess process;
    process.setProcessEnvironment(environment());
    process.start(program, arguments);
    if (!process.waitForFinished(10000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

QStringList XSession::windows(qint64 pid) const {
    return xdotool(
               {"search", "--all", "--onlyvisible", "--pid", QString::number(pid), "--name", "."})
        .split('\n', Qt::SkipEmptyParts);
}

std::optional<qulonglong> XSession::window(qint64 pid, const QString& title) const {
    for (const QString& id : windows(pid))
        if (xdotool({"getwindowname", id}).chopped(1) == title)
            return id.toULongLong();
    return std::nullopt;
}

QSize XSession::clientSize(qulonglong window) const {
    QSize size;
    for (const QString& line :
         xdotool({"getwindowgeometry", "--shell", QString::number(window)}).split('\n')) {
        if (line.startsWith("WIDTH="))
            size.setWidth(line.mid(6).toInt());
        else if (line.startsWith("HEIGHT="))
            size.setHeight(line.mid(7).toInt());
    }
    return size;
}

void XSession::keys(qulonglong window, const QStringList& keys) const {
    xdotool(
        QStringList{"windowactivate", "--sync", QString::number(window), "key", "--delay", "30"} +
        keys);
}

void XSession::type(qulonglong window, const QString& text) const {
    xdotool({"windowactivate", "--sync", QString::number(window), "type", "--delay", "20", text});
}

// A pupil clicks on what is in sight: the window is brought to the front first, since another
// window may have opened over it.
void XSession::click(qulonglong window, QPoint point) const {
    xdotool({"windowactivate", "--sync", QString::number(window), "mousemove", "--window",
             QString::number(window), QString::number(point.x()), QString::number(point.y()),
             "click", "1"});
}

void XSession::close(qulonglong window) const {
    keys(window, {"alt+F4"});
}

QImage XSession::grab(qulonglong window, bool withFrame) const {
    QProcess process;
    process.setProcessEnvironment(environment());
    QStringList arguments{"-window", QString::number(window)};
    if (withFrame)
        arguments.prepend("-frame");
    process.start("import", arguments << "png:-");
    if (!process.waitForFinished(10000))
        return {};
    return QImage::fromData(process.readAllStandardOutput(), "PNG");
}

void startProgram(QProcess& process, const QString& built) {
    QStringList command = QProcess::splitCommand(qEnvironmentVariable("ESERCIZIARIO_E2E_COMMAND"));
    if (command.isEmpty())
        command = {built};
    process.start(command.takeFirst(), command);
}

ProgramOnScreen::ProgramOnScreen(const XSession& session, QString built)
    : session_(session)
    , built_(std::move(built)) {
}

ProgramOnScreen::~ProgramOnScreen() {
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(5000);
    }
}

bool ProgramOnScreen::start() {
    process_.setProcessEnvironment(session_.environment());
    startProgram(process_, built_);
    return process_.waitForStarted(startTimeoutMs);
}

qulonglong ProgramOnScreen::waitForWindow(const QString& title) const {
    std::optional<qulonglong> found;
    waitFor([&] { return (found = session_.window(process_.processId(), title)).has_value(); },
            10000);
    return found.value_or(0);
}

qulonglong ProgramOnScreen::startToMainWindow(const QStringList& dismissal) {
    if (!start())
        return 0;
    const qulonglong welcome = waitForWindow("BENVENUTO");
    if (!welcome)
        return 0;
    session_.keys(welcome, dismissal);
    return waitForWindow("Prova Esercizi Zerbalto");
}

int ProgramOnScreen::windowCount() const {
    return int(session_.windows(process_.processId()).size());
}

int ProgramOnScreen::closeAllAndWaitForExit() {
    for (const QString& id : session_.windows(process_.processId()))
        session_.close(id.toULongLong());
    if (!process_.waitForFinished(10000) || process_.exitStatus() != QProcess::NormalExit)
        return -1;
    return process_.exitCode();
}

QColor ink(const QImage& image, const QRect& area, const QColor& background) {
    QColor farthest;
    int farthestDistance = 0;
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            const int distance = std::abs(pixel.red() - background.red()) +
                                 std::abs(pixel.green() - background.green()) +
                                 std::abs(pixel.blue() - background.blue());
            if (distance > farthestDistance) {
                farthestDistance = distance;
                farthest = pixel;
            }
        }
    }
    return farthest;
}

bool near(const QColor& a, const QColor& b, int tolerance) {
    return a.isValid() && b.isValid() && std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

bool inksAre(const QImage& screen, const QList<QRect>& boxes, const QList<QColor>& expected) {
    for (qsizetype i = 0; i < boxes.size(); ++i) {
        const QColor drawn = ink(screen, boxes[i].adjusted(3, 3, -3, -3));
        if (!near(drawn, expected[i])) {
            qWarning("box %d drawn in %s, expected %s", int(i + 1), qPrintable(drawn.name()),
                     qPrintable(expected[i].name()));
            return false;
        }
    }
    return true;
}

} // namespace e2e
