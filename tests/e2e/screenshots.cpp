// Renders every window of the real program to PNG files, as a pupil sees them on a desktop:
//   e2e_screenshots PROGRAM FOLDER
// QT_SCALE_FACTOR in the environment passes on to the program (clicks are scaled to match).
#include "places.h"
#include "xsession.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QThread>

#include <cstdio>

namespace {

struct Shooter {
    e2e::XSession& session;
    QProcess& program;
    QString folder;
    double scale;

    qulonglong window(const QString& title) const {
        QDeadlineTimer deadline(10000);
        while (!deadline.hasExpired()) {
            if (auto found = session.window(program.processId(), title))
                return *found;
            QThread::msleep(50);
        }
        qFatal("no window titled %s", qPrintable(title));
    }
    // Places are in pixels at scale 1; the program draws at `scale`.
    void click(qulonglong id, QPoint place) const { session.click(id, place * scale); }
    void save(qulonglong id, const QString& name) const {
        const QString path = QDir(folder).filePath(name + ".png");
        if (!session.grab(id, true).save(path))
            qFatal("cannot write %s", qPrintable(path));
        std::printf("%s\n", qPrintable(path));
    }
};

QStringList downs(int count) {
    return QStringList(count, "Down");
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s PROGRAM FOLDER\n", argv[0]);
        return 2;
    }
    QDir().mkpath(argv[2]);
    e2e::XSession session;
    if (!session.isReady())
        qFatal("Xvfb and openbox did not start");
    QProcess program;
    program.setProcessEnvironment(session.environment());
    e2e::startProgram(program, argv[1]);
    const double scale = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
    const Shooter shoot{session, program, argv[2], scale};

    const qulonglong welcome = shoot.window("BENVENUTO");
    shoot.save(welcome, "welcome");
    session.keys(welcome, {"Escape"});
    const qulonglong main = shoot.window("Prova Esercizi Zerbalto");
    shoot.save(main, "main");

    shoot.click(main, e2e::places::analysisButton());
    const qulonglong menu = shoot.window("Analisi logica");
    shoot.save(menu, "menu");

    // The first sentence with verdicts: rows 1, 3, 4 right, row 2 wrong.
    shoot.click(menu, e2e::places::sentence(1));
    const qulonglong first = shoot.window("Prima frase");
    session.keys(first, QStringList(8, "Tab") + downs(1) + QStringList{"Tab"} + downs(3) +
                            QStringList{"Tab"} + downs(5) + QStringList{"Tab"} + downs(14));
    shoot.click(first, e2e::places::sentenceVerify());
    shoot.save(first, "primo");
    session.close(first);

    const struct {
        int number;
        const char* name;
    } sentences[] = {{2, "secondo"}, {3, "terzoo"}, {4, "quarto"}};
    for (const auto& sentence : sentences) {
        shoot.click(menu, e2e::places::sentence(sentence.number));
        const qulonglong opened = shoot.window("Prima frase");
        shoot.save(opened, sentence.name);
        session.close(opened);
    }

    shoot.click(main, e2e::places::verbsButton());
    const qulonglong verbs = shoot.window("Inserisci il Verbo al modo infinito");
    const char* answers[] = {"cuocere", "andavamo", "uscire", "andare"};
    for (int item = 1; item <= 4; ++item) {
        shoot.click(verbs, e2e::places::answerBox(item).center());
        session.type(verbs, answers[item - 1]);
    }
    shoot.click(verbs, e2e::places::verbVerify());
    shoot.save(verbs, "verbs");

    for (const QString& id : session.windows(program.processId()))
        session.close(id.toULongLong());
    if (!program.waitForFinished(10000))
        program.kill();
    return program.exitCode();
}
