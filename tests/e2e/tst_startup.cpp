// The built program started the ways a broken or unusual session starts it: no display, a
// display that does not answer, an unknown platform, no session bus, stray arguments, and a
// display that goes away under it. Each ends with one line and a clear exit code, or starts
// exactly as usual; none leaves a core file, a process or a file in HOME behind.
#include "places.h"
#include "xsession.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <sys/types.h>

namespace {

// An X display number that no server answers on this machine.
QString silentDisplay() {
    for (int number = 200;; ++number)
        if (!QFile::exists(QString("/tmp/.X11-unix/X%1").arg(number)) &&
            !QFile::exists(QString("/tmp/.X%1-lock").arg(number)))
            return QString(":%1").arg(number);
}

// The processes, other than `except`, whose environment names `home` as HOME: what a program
// started with that HOME left running.
QStringList processesWithHome(const QString& home, qint64 except) {
    QStringList found;
    const QByteArray wanted = "HOME=" + home.toLocal8Bit();
    for (const QString& pid : QDir("/proc").entryList({"[0-9]*"}, QDir::Dirs)) {
        if (pid.toLongLong() == except)
            continue;
        QFile environ("/proc/" + pid + "/environ");
        if (environ.open(QIODevice::ReadOnly) && environ.readAll().split('\0').contains(wanted))
            found << pid;
    }
    return found;
}

} // namespace

class TestStartUp : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void withoutAnAnsweringDisplayItSaysSoInOneLine_data();
    void withoutAnAnsweringDisplayItSaysSoInOneLine();
    void aWaylandSessionWhoseXServerAnswersUsesIt();
    void argumentsChangeNothing();
    void withoutASessionBusItStartsNothingAndWritesNothing();
    void aDisplayThatGoesAwayEndsItWithOneLine();

private:
    // A clean environment: a private, empty HOME and runtime folder, and what the sanitizers
    // read; `extra` adds to it.
    QProcessEnvironment environment(const QStringList& extra) const;
    void start(const QProcessEnvironment& environment, const QStringList& arguments = {});
    // Waits for the welcome box on the shared session, dismisses it with `key` and returns the
    // main window, or 0 when either does not come.
    qulonglong dismissWelcome(const QString& key);
    // Waits for the end; checks a normal exit with `code`, no core file and an empty HOME.
    void expectEnd(int code);
    QString standardErrorLines() const;

    std::unique_ptr<e2e::XSession> session_;
    std::unique_ptr<QTemporaryDir> scratch_;
    QProcess program_;
};

void TestStartUp::initTestCase() {
    session_ = std::make_unique<e2e::XSession>();
    QVERIFY2(session_->isReady(), "Xvfb and openbox did not start");
}

void TestStartUp::init() {
    scratch_ = std::make_unique<QTemporaryDir>();
    QVERIFY(scratch_->isValid());
    for (const char* folder : {"home", "runtime", "work"})
        QVERIFY(QDir(scratch_->path()).mkdir(folder));
    QVERIFY(QFile::setPermissions(scratch_->filePath("runtime"),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

void TestStartUp::cleanup() {
    if (program_.state() != QProcess::NotRunning) {
        program_.kill();
        program_.waitForFinished(5000);
    }
    const QStringList left = processesWithHome(scratch_->filePath("home"), -1);
    QVERIFY2(left.isEmpty(), qPrintable("processes left behind: " + left.join(' ')));
}

QProcessEnvironment TestStartUp::environment(const QStringList& extra) const {
    QProcessEnvironment environment;
    const QProcessEnvironment system = QProcessEnvironment::systemEnvironment();
    for (const QString& name : system.keys())
        if (name == "PATH" || name.startsWith("ASAN_") || name.startsWith("LSAN_") ||
            name.startsWith("UBSAN_"))
            environment.insert(name, system.value(name));
    environment.insert("HOME", scratch_->filePath("home"));
    environment.insert("XDG_RUNTIME_DIR", scratch_->filePath("runtime"));
    for (const QString& setting : extra)
        environment.insert(setting.section('=', 0, 0), setting.section('=', 1));
    return environment;
}

void TestStartUp::start(const QProcessEnvironment& environment, const QStringList& arguments) {
    program_.setProcessEnvironment(environment);
    program_.setWorkingDirectory(scratch_->filePath("work"));
    program_.start(QStringLiteral(ESERCIZIARIO_BINARY), arguments);
    QVERIFY(program_.waitForStarted(10000));
}

qulonglong TestStartUp::dismissWelcome(const QString& key) {
    const auto windowTitled = [this](const QString& title) {
        std::optional<qulonglong> found;
        const bool shown = QTest::qWaitFor(
            [&] { return (found = session_->window(program_.processId(), title)).has_value(); },
            10000);
        return shown ? *found : 0;
    };
    const qulonglong welcome = windowTitled("BENVENUTO");
    if (!welcome)
        return 0;
    session_->keys(welcome, {key});
    return windowTitled("Prova Esercizi Zerbalto");
}

void TestStartUp::expectEnd(int code) {
    QTRY_COMPARE_WITH_TIMEOUT(program_.state(), QProcess::NotRunning, 15000);
    QCOMPARE(program_.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program_.exitCode(), code);
    QCOMPARE(QDir(scratch_->filePath("work")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             QStringList());
    QCOMPARE(QDir(scratch_->filePath("home"))
                 .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
             QStringList());
}

QString TestStartUp::standardErrorLines() const {
    return QString::fromUtf8(const_cast<QProcess&>(program_).readAllStandardError()).trimmed();
}

void TestStartUp::withoutAnAnsweringDisplayItSaysSoInOneLine_data() {
    QTest::addColumn<QStringList>("settings");
    QTest::addColumn<QString>("named");
    const QString silent = silentDisplay();
    QTest::newRow("no-display") << QStringList{} << "DISPLAY e WAYLAND_DISPLAY non impostati";
    QTest::newRow("x-display-not-answering")
        << QStringList{"DISPLAY=" + silent} << "X11 su «" + silent + "»";
    QTest::newRow("wayland-socket-not-answering")
        << QStringList{"WAYLAND_DISPLAY=eserciziario-nessuno"}
        << "Wayland su «eserciziario-nessuno»";
    QTest::newRow("neither-answers")
        << QStringList{"DISPLAY=" + silent, "WAYLAND_DISPLAY=eserciziario-nessuno"}
        << "X11 su «" + silent + "», Wayland su «eserciziario-nessuno»";
    QTest::newRow("unknown-platform")
        << QStringList{"QT_QPA_PLATFORM=nessuna", "DISPLAY=" + silent} << "«nessuna»";
}

void TestStartUp::withoutAnAnsweringDisplayItSaysSoInOneLine() {
    QFETCH(QStringList, settings);
    QFETCH(QString, named);
    start(environment(settings));
    expectEnd(1);
    const QString said = standardErrorLines();
    QVERIFY2(!said.contains('\n'), qPrintable(said));
    QVERIFY2(said.startsWith("eserciziario: ") && said.contains(named), qPrintable(said));
    QVERIFY2(!said.contains("Reinstall", Qt::CaseInsensitive), qPrintable(said));
}

void TestStartUp::aWaylandSessionWhoseXServerAnswersUsesIt() {
    start(environment({"DISPLAY=" + session_->display(), "WAYLAND_DISPLAY=eserciziario-nessuno",
                       "XDG_SESSION_TYPE=wayland"}));
    QTRY_VERIFY_WITH_TIMEOUT(session_->window(program_.processId(), "BENVENUTO"), 10000);
    program_.kill();
    program_.waitForFinished(5000);
}

// The pupil's command line reaches nothing: not Qt's options for the title, the direction or a
// style sheet (the named file is a pipe with no writer, so reading it would hang the start),
// nor its choice of platform.
void TestStartUp::argumentsChangeNothing() {
    const QString pipe = scratch_->filePath("stile.qss");
    QCOMPARE(mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
    QImage usual;
    for (const QStringList& arguments :
         {QStringList{}, QStringList{"-qwindowtitle", "Altro", "-reverse", "-stylesheet", pipe,
                                     "-platform", "offscreen", "--", "primo"}}) {
        start(environment({"DISPLAY=" + session_->display()}), arguments);
        const qulonglong main = dismissWelcome("Escape");
        QVERIFY(main);
        const QImage shown = session_->grab(main);
        QVERIFY(!shown.isNull());
        if (arguments.isEmpty())
            usual = shown;
        else
            QCOMPARE(shown, usual);
        session_->close(main);
        expectEnd(0);
    }
}

void TestStartUp::withoutASessionBusItStartsNothingAndWritesNothing() {
    QVERIFY2(QFile::exists("/usr/bin/dbus-launch"),
             "dbus-launch (dbus-x11) is what starts a bus for a program on a session without one");
    start(environment({"DISPLAY=" + session_->display()}));
    const qulonglong main = dismissWelcome("Return");
    QVERIFY(main);
    const QStringList besides = processesWithHome(scratch_->filePath("home"), program_.processId());
    QVERIFY2(besides.isEmpty(), qPrintable("started beside the program: " + besides.join(' ')));
    session_->close(main);
    expectEnd(0);
}

void TestStartUp::aDisplayThatGoesAwayEndsItWithOneLine() {
    auto vanishing = std::make_unique<e2e::XSession>();
    QVERIFY(vanishing->isReady());
    start(environment({"DISPLAY=" + vanishing->display()}));
    QTRY_VERIFY_WITH_TIMEOUT(vanishing->window(program_.processId(), "BENVENUTO"), 10000);
    vanishing.reset();
    expectEnd(1);
    const QString said = standardErrorLines();
    QVERIFY2(!said.contains('\n'), qPrintable(said));
    QVERIFY2(said.startsWith("eserciziario: ") && said.contains("non risponde"), qPrintable(said));
}

QTEST_GUILESS_MAIN(TestStartUp)
#include "tst_startup.moc"
