// The built program on a real X server with a window manager, driven with the keyboard and the
// mouse and judged from the pixels on screen and from its exit code.
#include "places.h"
#include "xsession.h"

#include <QTest>

namespace places = e2e::places;

namespace {

const QColor lightGreen(128, 255, 128), green(0, 255, 0), red(255, 0, 0), black(0, 0, 0);

const QList<QRect> roleBoxes = places::firstRoleBoxes();
const QList<QRect> answerBoxes = places::answerBoxes();
using e2e::inksAre;

} // namespace

class TestEndToEnd : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void welcomeBoxIsTheFirstAndOnlyWindow_data();
    void welcomeBoxIsTheFirstAndOnlyWindow();
    void logicalAnalysisFromStartToVerdict();
    void verbsAreJudgedExactly();
    void closingTheMainWindowFirstKeepsTheProgramRunning();
    void aSecondClickNeverMakesASecondWindow();

private:
    std::unique_ptr<e2e::XSession> session_;
    std::unique_ptr<e2e::ProgramOnScreen> program_;
};

void TestEndToEnd::initTestCase() {
    session_ = std::make_unique<e2e::XSession>();
    QVERIFY2(session_->isReady(), "Xvfb and openbox did not start");
}

void TestEndToEnd::init() {
    program_ =
        std::make_unique<e2e::ProgramOnScreen>(*session_, QStringLiteral(ESERCIZIARIO_BINARY));
}

void TestEndToEnd::cleanup() {
    program_.reset();
}

void TestEndToEnd::welcomeBoxIsTheFirstAndOnlyWindow_data() {
    QTest::addColumn<QStringList>("dismissal");
    QTest::newRow("escape") << QStringList{"Escape"};
    QTest::newRow("enter") << QStringList{"Return"};
    QTest::newRow("space") << QStringList{"space"};
    QTest::newRow("close-shortcut") << QStringList{"alt+F4"};
    QTest::newRow("ok-button") << QStringList{};
}

void TestEndToEnd::welcomeBoxIsTheFirstAndOnlyWindow() {
    QFETCH(QStringList, dismissal);
    QVERIFY(program_->start());
    const qulonglong welcome = program_->waitForWindow("BENVENUTO");
    QVERIFY(welcome);
    QCOMPARE(program_->windowCount(), 1);

    if (dismissal.isEmpty()) {
        // The OK button sits centred at the bottom of the box.
        const QSize size = session_->clientSize(welcome);
        session_->click(welcome, QPoint(size.width() / 2, size.height() - 20));
    } else {
        session_->keys(welcome, dismissal);
    }
    const qulonglong main = program_->waitForWindow("Prova Esercizi Zerbalto");
    QVERIFY(main);
    QCOMPARE(session_->clientSize(main), QSize(340, 142));
    QCOMPARE(program_->windowCount(), 1);
    // The focus is on "Verbi all'infinito": Space opens the verb window.
    session_->keys(main, {"space"});
    QVERIFY(program_->waitForWindow("Inserisci il Verbo al modo infinito"));

    session_->close(program_->waitForWindow("Inserisci il Verbo al modo infinito"));
    QTRY_COMPARE(program_->windowCount(), 1);
    session_->close(main);
    QTRY_COMPARE_WITH_TIMEOUT(program_->process().state(), QProcess::NotRunning, 10000);
    QCOMPARE(program_->process().exitCode(), 0);
}

void TestEndToEnd::logicalAnalysisFromStartToVerdict() {
    const qulonglong main = program_->startToMainWindow();
    QVERIFY(main);
    session_->click(main, places::analysisButton());
    const qulonglong menu = program_->waitForWindow("Analisi logica");
    QVERIFY(menu);
    session_->click(menu, places::sentence(1));
    const qulonglong first = program_->waitForWindow("Prima frase");
    QVERIFY(first);

    // From Text1, Tab eight times to Combo1; Down from no pick lands on entry 0. Row 3 picks the
    // second "Complemento Oggetto" (entry 6); row 2 a wrong role.
    QStringList picks(8, "Tab");
    picks << "Down"; // row 1: 0 Soggetto
    picks << "Tab"
          << "Down"
          << "Down"
          << "Down"; // row 2: 2 Predicato Nominale
    picks << "Tab";  // row 3: 6
    for (int i = 0; i <= 6; ++i)
        picks << "Down";
    picks << "Tab"; // row 4: 13
    for (int i = 0; i <= 13; ++i)
        picks << "Down";
    session_->keys(first, picks);
    session_->click(first, places::sentenceVerify());

    const QList<QColor> verdicts{lightGreen, red, lightGreen, lightGreen};
    QTRY_VERIFY_WITH_TIMEOUT(inksAre(session_->grab(first), roleBoxes, verdicts), 5000);

    session_->click(first, places::sentenceReset());
    QTRY_VERIFY_WITH_TIMEOUT(inksAre(session_->grab(first), roleBoxes, QList<QColor>(4, black)),
                             5000);
    QCOMPARE(program_->closeAllAndWaitForExit(), 0);
}

void TestEndToEnd::verbsAreJudgedExactly() {
    const qulonglong main = program_->startToMainWindow();
    QVERIFY(main);
    session_->click(main, places::verbsButton());
    const qulonglong verbs = program_->waitForWindow("Inserisci il Verbo al modo infinito");
    QVERIFY(verbs);

    const QStringList answers{"cuocere", "Andare", "uscire", "andare"};
    for (int item = 1; item <= 4; ++item) {
        session_->click(verbs, places::answerBox(item).center());
        session_->type(verbs, answers[item - 1]);
    }
    session_->click(verbs, places::verbVerify());

    const QList<QColor> verdicts{green, red, green, green};
    QTRY_VERIFY_WITH_TIMEOUT(inksAre(session_->grab(verbs), answerBoxes, verdicts), 5000);

    // The desktop's window-text colour is black under a bare window manager.
    session_->click(verbs, places::verbReset());
    QTRY_VERIFY_WITH_TIMEOUT(inksAre(session_->grab(verbs), answerBoxes, QList<QColor>(4, black)),
                             5000);
    QCOMPARE(program_->closeAllAndWaitForExit(), 0);
}

void TestEndToEnd::closingTheMainWindowFirstKeepsTheProgramRunning() {
    const qulonglong main = program_->startToMainWindow();
    QVERIFY(main);
    session_->click(main, places::analysisButton());
    const qulonglong menu = program_->waitForWindow("Analisi logica");
    QVERIFY(menu);
    session_->close(main);
    QTRY_COMPARE(program_->windowCount(), 1);
    QCOMPARE(program_->process().state(), QProcess::Running);

    session_->click(menu, places::sentence(2));
    const qulonglong second = program_->waitForWindow("Prima frase");
    QVERIFY(second);
    session_->close(menu);
    QTRY_COMPARE(program_->windowCount(), 1);
    QCOMPARE(program_->process().state(), QProcess::Running);
    session_->close(second);
    QTRY_COMPARE_WITH_TIMEOUT(program_->process().state(), QProcess::NotRunning, 10000);
    QCOMPARE(program_->process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(program_->process().exitCode(), 0);
}

void TestEndToEnd::aSecondClickNeverMakesASecondWindow() {
    const qulonglong main = program_->startToMainWindow();
    QVERIFY(main);
    for (int i = 0; i < 2; ++i) {
        session_->click(main, places::verbsButton());
        session_->click(main, places::analysisButton());
    }
    const qulonglong menu = program_->waitForWindow("Analisi logica");
    QVERIFY(menu);
    session_->click(menu, places::sentence(1));
    session_->click(menu, places::sentence(1));
    QVERIFY(program_->waitForWindow("Prima frase"));
    QCOMPARE(program_->windowCount(), 4);
    QCOMPARE(program_->closeAllAndWaitForExit(), 0);
}

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "tst_e2e.moc"
