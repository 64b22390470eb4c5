// Both exercises done with the keyboard alone, on a real X server: keys through xdotool, and
// the mouse only where the program is made for it (one click on a sentence in the menu).
// Verdicts are read from the screen's pixels.
#include "places.h"
#include "xsession.h"

#include <QTest>

namespace places = e2e::places;

namespace {

const QColor lightGreen(128, 255, 128), green(0, 255, 0), red(255, 0, 0), black(0, 0, 0);

const QList<QRect> roleBoxes = places::firstRoleBoxes();
const QList<QRect> answerBoxes = places::answerBoxes();

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void everyKeyAPupilUsesDismissesTheWelcomeBox_data();
    void everyKeyAPupilUsesDismissesTheWelcomeBox();
    void mainWindowButtonsAreReachedAndPressedByKeys_data();
    void mainWindowButtonsAreReachedAndPressedByKeys();
    void aSentenceIsAnalysedWithKeysOnly();
    void verbsAreAnsweredWithKeysOnly();
    void keysAloneOpenNothingInTheSentenceMenu();

private:
    std::unique_ptr<e2e::XSession> session_;
    std::unique_ptr<e2e::ProgramOnScreen> program_;
};

void TestKeyboard::initTestCase() {
    session_ = std::make_unique<e2e::XSession>();
    QVERIFY2(session_->isReady(), "Xvfb and openbox did not start");
}

void TestKeyboard::init() {
    program_ =
        std::make_unique<e2e::ProgramOnScreen>(*session_, QStringLiteral(ESERCIZIARIO_BINARY));
}

void TestKeyboard::cleanup() {
    program_.reset();
}

void TestKeyboard::everyKeyAPupilUsesDismissesTheWelcomeBox_data() {
    QTest::addColumn<QString>("key");
    for (const char* key : {"Return", "KP_Enter", "space", "Escape"})
        QTest::newRow(key) << key;
}

void TestKeyboard::everyKeyAPupilUsesDismissesTheWelcomeBox() {
    QFETCH(QString, key);
    QVERIFY(program_->start());
    const qulonglong welcome = program_->waitForWindow("BENVENUTO");
    QVERIFY(welcome);
    session_->keys(welcome, {key});
    const qulonglong main = program_->waitForWindow("Prova Esercizi Zerbalto");
    QVERIFY(main);
    QCOMPARE(program_->windowCount(), 1);
    QCOMPARE(program_->closeAllAndWaitForExit(), 0);
}

// Tab reaches "Analisi Logica", Tab again "Verbi all'infinito"; each key presses them.
void TestKeyboard::mainWindowButtonsAreReachedAndPressedByKeys_data() {
    QTest::addColumn<QString>("key");
    for (const char* key : {"space", "Return", "KP_Enter"})
        QTest::newRow(key) << key;
}

void TestKeyboard::mainWindowButtonsAreReachedAndPressedByKeys() {
    QFETCH(QString, key);
    const qulonglong main = program_->startToMainWindow();
    QVERIFY(main);
    session_->keys(main, {"Tab", key});
    QVERIFY(program_->waitForWindow("Analisi logica"));
    session_->keys(main, {"Tab", key});
    QVERIFY(program_->waitForWindow("Inserisci il Verbo al modo infinito"));
    QCOMPARE(program_->windowCount(), 3);
    QCOMPARE(program_->closeAllAndWaitForExit(), 0);
}

void TestKeyboard::aSentenceIsAnalysedWithKeysOnly() {
    const qulonglong main = program_->startToMainWindow();
    QVERIFY(main);
    session_->keys(main, {"Tab", "Return"});
    const qulonglong menu = program_->waitForWindow("Analisi logica");
    QVERIFY(menu);
    session_->click(menu, places::sentence(1)); // the menu is made for the mouse
    const qulonglong first = program_->waitForWindow("Prima frase");
    QVERIFY(first);

    // From Text1, eight Tabs reach the first role box. Row 1: open the list, where the first
    // entry ("Soggetto") is highlighted, and accept it. Row 2: type the role's name. Row 3: the
    // list again, down to the second "Complemento Oggetto" (entry 6). Row 4: a wrong role, typed.
    QStringList keys(8, "Tab");
    keys << "alt+Down"
         << "Return"
         << "Tab";
    session_->keys(first, keys);
    session_->type(first, "Predicato Verbale");
    keys = QStringList{"Tab", "alt+Down"} + QStringList(6, "Down") + QStringList{"Return", "Tab"};
    session_->keys(first, keys);
    session_->type(first, "Copula");
    // On to "Verifica risposte" past rows 5 to 8, and press it with the keypad's Enter.
    session_->keys(first, QStringList(5, "Tab") << "KP_Enter");
    QTRY_VERIFY_WITH_TIMEOUT(
        e2e::inksAre(session_->grab(first), roleBoxes, {lightGreen, lightGreen, lightGreen, red}),
        5000);
    // "Resetta" is next in tab order.
    session_->keys(first, {"Tab", "space"});
    QTRY_VERIFY_WITH_TIMEOUT(
        e2e::inksAre(session_->grab(first), roleBoxes, QList<QColor>(4, black)), 5000);
    QCOMPARE(program_->closeAllAndWaitForExit(), 0);
}

void TestKeyboard::verbsAreAnsweredWithKeysOnly() {
    const qulonglong main = program_->startToMainWindow();
    QVERIFY(main);
    session_->keys(main, {"Return"});
    const qulonglong verbs = program_->waitForWindow("Inserisci il Verbo al modo infinito");
    QVERIFY(verbs);
    // The focus starts on "Verifica Risposte"; Tab runs through the four answers.
    for (const char* answer : {"cuocere", "Andare", "uscire", "andare"}) {
        session_->keys(verbs, {"Tab"});
        session_->type(verbs, answer);
    }
    // Past "Reset" to "Verifica Risposte".
    session_->keys(verbs, {"Tab", "Tab", "KP_Enter"});
    QTRY_VERIFY_WITH_TIMEOUT(
        e2e::inksAre(session_->grab(verbs), answerBoxes, {green, red, green, green}), 5000);
    session_->keys(verbs, QStringList(5, "Tab") << "Return");
    QTRY_VERIFY_WITH_TIMEOUT(
        e2e::inksAre(session_->grab(verbs), answerBoxes, QList<QColor>(4, black)), 5000);
    QCOMPARE(program_->closeAllAndWaitForExit(), 0);
}

void TestKeyboard::keysAloneOpenNothingInTheSentenceMenu() {
    const qulonglong main = program_->startToMainWindow();
    QVERIFY(main);
    session_->keys(main, {"Tab", "space"});
    const qulonglong menu = program_->waitForWindow("Analisi logica");
    QVERIFY(menu);
    session_->keys(menu, {"Tab", "space", "Return", "KP_Enter", "Down", "1", "Tab", "Return"});
    QCOMPARE(program_->windowCount(), 2);
    QCOMPARE(program_->closeAllAndWaitForExit(), 0);
}

QTEST_GUILESS_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
