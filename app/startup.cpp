#include "app/startup.h"

#include <QApplication>
#include <QByteArray>
#include <QFileInfo>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace app {
namespace {

// The platforms to try, in order, and how each is named to the pupil's teacher. X11 comes
// first where both are offered: the program's windows and their rules are proven there, and on
// a Wayland desktop it runs through XWayland. Native Wayland is the fallback when X does not
// answer.
struct Platforms {
    QByteArray list; // for QT_QPA_PLATFORM, tried left to right
    QString tried;   // in words, for the one line
};

// On Windows there is one desktop, and Qt's own platform for it.
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
constexpr bool sessionOffersPlatforms = true;
#else
constexpr bool sessionOffersPlatforms = false;
#endif

Platforms platformsToTry() {
    const QByteArray chosen = qgetenv("QT_QPA_PLATFORM");
    if (!chosen.isEmpty())
        return {
            chosen,
            QString("la piattaforma «%1» di QT_QPA_PLATFORM").arg(QString::fromLocal8Bit(chosen))};
    if (!sessionOffersPlatforms)
        return {{}, QStringLiteral("il desktop")};
    QStringList tried;
    QByteArrayList list;
    if (const QByteArray display = qgetenv("DISPLAY"); !display.isEmpty()) {
        list << "xcb";
        tried << QString("X11 su «%1»").arg(QString::fromLocal8Bit(display));
    }
    if (const QByteArray wayland = qgetenv("WAYLAND_DISPLAY"); !wayland.isEmpty()) {
        list << "wayland";
        tried << QString("Wayland su «%1»").arg(QString::fromLocal8Bit(wayland));
    }
    return {list.join(';'), tried.join(", ")};
}

Platforms platforms;

// libdbus starts a bus daemon of its own (and writes its address into HOME) when a program
// asks for the session bus of a session that has none. Point such a program at a bus that is
// not there instead: Qt then goes on without one.
void keepTheBusFromBeingStarted() {
    if (!qgetenv("DBUS_SESSION_BUS_ADDRESS").isEmpty())
        return;
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(QString::fromLocal8Bit(runtime + "/bus")).exists())
        return;
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/eserciziario/no-session-bus");
}

// While the platform starts, its complaints are held back: either it starts, and they are
// passed on as usual, or it does not, and the one line says it all.
QtMessageHandler previousHandler = nullptr;
bool starting = false;
std::vector<std::pair<QtMsgType, QString>> heldBack;

void handleMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg && starting)
        failToReachDisplay(nullptr);
    // The platforms' own words when the display goes away; they would exit with them.
    if (message.startsWith("The X11 connection broke") ||
        message.startsWith("The Wayland connection broke"))
        failToReachDisplay("lo schermo non risponde più: il programma si chiude.");
    if (starting && type != QtFatalMsg) {
        heldBack.emplace_back(type, message);
        return;
    }
    previousHandler(type, context, message);
}

} // namespace

void failToReachDisplay(const char* reason) {
    QString line;
    if (reason)
        line = QString("eserciziario: ") + reason;
    else if (platforms.tried.isEmpty())
        line = "eserciziario: nessuno schermo disponibile (DISPLAY e WAYLAND_DISPLAY non "
               "impostati): avviare il programma da una sessione grafica.";
    else
        line = QString("eserciziario: nessuno schermo risponde (provato: %1): avviare il "
                       "programma da una sessione grafica.")
                   .arg(platforms.tried);
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
    // At once: the platform may be half made, and nothing the program holds needs saving.
    std::_Exit(1);
}

std::unique_ptr<QApplication> startApplication(const char* programPath) {
    platforms = platformsToTry();
    if (sessionOffersPlatforms) {
        if (platforms.list.isEmpty())
            failToReachDisplay(nullptr);
        qputenv("QT_QPA_PLATFORM", platforms.list);
        keepTheBusFromBeingStarted();
    }

    // Qt keeps argc and argv for the life of the application object.
    static int argumentCount = 1;
    static char* arguments[] = {const_cast<char*>(programPath), nullptr};
    previousHandler = qInstallMessageHandler(handleMessage);
    starting = true;
    auto application = std::make_unique<QApplication>(argumentCount, arguments);
    starting = false;
    for (const auto& [type, message] : heldBack)
        previousHandler(type, QMessageLogContext(), message);
    heldBack.clear();
    return application;
}

} // namespace app
