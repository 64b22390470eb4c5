// The application shell with the program's real window-kind table and look: start-up and the
// welcome box, the main window, the sentence menu, the openings between windows, the end of
// the program, and captions that fit their boxes in the pinned font.
#include "content/roles.h"
#include "program.h"

#include <QAccessible>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QTranslator>

using app::Kind;
using app::MainWindow;
using app::SentenceMenu;
using exercises::SentenceWindow;
using exercises::VerbWindow;
using testsupport::DistinctSystemColours;
using testsupport::focusOwner;
using testsupport::openWindows;
using testsupport::Program;
using testsupport::textColour;

Q_DECLARE_METATYPE(app::Kind)

namespace {

QString qtText(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The sentence windows, as the menu offers them.
constexpr Kind sentenceKinds[] = {Kind::primo, Kind::Secondo, Kind::terzoo, Kind::quarto};

void addSentenceKindRows() {
    QTest::addColumn<Kind>("kind");
    for (Kind kind : sentenceKinds)
        QTest::newRow(app::entryOf(kind).name.data()) << kind;
}

QComboBox& roleBox(forms::Window& window, int row) {
    return window.control<QComboBox>(SentenceWindow::roleBoxes[row - 1]);
}

} // namespace

class TestApp : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup() { VERIFY_NO_WINDOW_LEFT(); }

    void welcomeBoxComesFirstHoweverItIsDismissed_data();
    void welcomeBoxComesFirstHoweverItIsDismissed();
    void mainWindowIsAsDrawnUp();
    void mainWindowTabsBetweenItsTwoButtons();
    void everyOpenerOpensItsWindowOnce_data();
    void everyOpenerOpensItsWindowOnce();
    void spaceRightAfterStartUpOpensTheVerbWindow();
    void closedVerbWindowReopensFresh();
    void sentenceMenuIsAsDrawnUp();
    void sentenceLabelsOpenTheirOwnSentence_data();
    void sentenceLabelsOpenTheirOwnSentence();
    void menuOpensNothingElse();
    void allSentenceWindowsCanBeOpenTogether();
    void secondMenuClickKeepsPicksAndColours();
    void closedSentenceWindowReopensFresh();
    void roleBoxesStartInTheirLayoutColours_data();
    void roleBoxesStartInTheirLayoutColours();
    void programEndsWhenItsLastWindowCloses_data();
    void programEndsWhenItsLastWindowCloses();
    void fontAndItalianTextsTravelInsideTheProgram();
    void captionsFitTheirBoxes();
    void editableBoxesSpeakItalian();
    void everyControlHasAnAccessibleName();
    void verdictColoursAreDescribedInWords();
};

void TestApp::initTestCase() {
    testsupport::quietOffscreenPlatform();
    forms::applyLook(*qApp);
}

void TestApp::welcomeBoxComesFirstHoweverItIsDismissed_data() {
    testsupport::addDismissalRows();
}

void TestApp::welcomeBoxComesFirstHoweverItIsDismissed() {
    QFETCH(testsupport::Dismiss, dismiss);
    const Program program(dismiss);
    QVERIFY(program.welcome.shown);
    QCOMPARE(program.welcome.title, "BENVENUTO");
    QCOMPARE(program.welcome.text,
             "Benvenuto Nell'eserciziario interattivo creato da Zerbalto. Selezionare l'esercizio");
    QCOMPARE(program.welcome.icon,
             forms::informationIcon(program.welcome.icon.devicePixelRatio()).toImage());
    QVERIFY(!program.welcome.mainWindowWasOpen);
    QCOMPARE(program.welcome.otherWindowsShown, 0);

    forms::Window& main = program.window(Kind::Form1);
    QVERIFY(main.isVisible());
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QCOMPARE(QApplication::focusWidget(), &main.control<QWidget>(MainWindow::verbsButton));
}

void TestApp::mainWindowIsAsDrawnUp() {
    const Program program;
    forms::Window& main = program.window(Kind::Form1);
    QCOMPARE(main.windowTitle(), "Prova Esercizi Zerbalto");
    QCOMPARE(main.size(), QSize(340, 142));
    QCOMPARE(main.palette().color(QPalette::Window), QColor(0, 255, 0));

    auto& frame = main.control<QGroupBox>(MainWindow::frame);
    QCOMPARE(frame.title(), "Grammatica");
    QCOMPARE(frame.geometry(), QRect(8, 8, 329, 129));
    QCOMPARE(frame.palette().color(QPalette::Window), QColor(0, 255, 0));
    QCOMPARE(frame.palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(frame.focusPolicy(), Qt::NoFocus);

    const struct {
        std::string_view name;
        const char* caption;
        QPoint inWindow;
    } buttons[] = {{MainWindow::verbsButton, "Verbi all'infinito", {16, 24}},
                   {MainWindow::analysisButton, "Analisi Logica", {16, 56}}};
    for (const auto& expected : buttons) {
        auto& button = main.control<QPushButton>(expected.name);
        QCOMPARE(button.parentWidget(), &frame);
        QCOMPARE(button.text(), expected.caption);
        QCOMPARE(button.size(), QSize(313, 33));
        QCOMPARE(button.mapTo(&main, QPoint(0, 0)), expected.inWindow);
        QCOMPARE(button.palette().color(QPalette::Button), QColor(0, 0, 255));
        QVERIFY(!button.isDefault() && !button.autoDefault());
    }
}

void TestApp::mainWindowTabsBetweenItsTwoButtons() {
    const Program program;
    QVERIFY(QTest::qWaitForWindowActive(&program.window(Kind::Form1)));
    for (std::string_view name :
         {MainWindow::verbsButton, MainWindow::analysisButton, MainWindow::verbsButton}) {
        QVERIFY(QApplication::focusWidget());
        QCOMPARE(QApplication::focusWidget()->objectName(), qtText(name));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
}

// Every opening in the table: the first click builds the window, the next only brings it to
// the front.
void TestApp::everyOpenerOpensItsWindowOnce_data() {
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Form3") << Kind::Form3 << "Inserisci il Verbo al modo infinito";
    QTest::newRow("Form2") << Kind::Form2 << "Analisi logica";
    for (Kind kind : sentenceKinds)
        QTest::newRow(app::entryOf(kind).name.data()) << kind << "Prima frase";
}

void TestApp::everyOpenerOpensItsWindowOnce() {
    QFETCH(Kind, kind);
    QFETCH(QString, caption);
    const Program program;
    const app::Opener& opener = *app::entryOf(kind).openedBy;
    if (opener.window != Kind::Form1)
        program.openByClick(opener.window);
    QVERIFY(!program.windows.isOpen(kind));
    program.openByClick(kind);
    forms::Window* opened = program.windows.window(kind);
    QVERIFY(opened);
    QCOMPARE(opened->windowTitle(), caption);
    QVERIFY(QTest::qWaitForWindowActive(opened));
    const int windowsOpen = int(openWindows().size());

    // Behind its opener, then asked for again: the same window comes to the front.
    opened->setProperty("marked", true);
    program.window(opener.window).activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), &program.window(opener.window));
    program.openByClick(kind);
    QCOMPARE(program.windows.window(kind), opened);
    QVERIFY(opened->property("marked").toBool());
    QTRY_COMPARE(QApplication::activeWindow(), opened);
    QCOMPARE(openWindows().size(), windowsOpen);
}

void TestApp::spaceRightAfterStartUpOpensTheVerbWindow() {
    const Program program;
    QVERIFY(QTest::qWaitForWindowActive(&program.window(Kind::Form1)));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(program.windows.isOpen(Kind::Form3));
}

void TestApp::closedVerbWindowReopensFresh() {
    const Program program;
    const auto secondAnswer = [&]() -> QLineEdit& {
        return program.window(Kind::Form3).control<QLineEdit>(VerbWindow::answerBoxes[1]);
    };
    program.openByClick(Kind::Form3);
    secondAnswer().setText("andare");
    program.openByClick(Kind::Form3);
    QCOMPARE(secondAnswer().text(), "andare");
    program.window(Kind::Form3).close();
    program.openByClick(Kind::Form3);
    QCOMPARE(secondAnswer().text(), QString());
}

void TestApp::sentenceMenuIsAsDrawnUp() {
    const DistinctSystemColours desktop;
    const Program program;
    program.openByClick(Kind::Form2);
    forms::Window& menu = program.window(Kind::Form2);
    QCOMPARE(menu.windowTitle(), "Analisi logica");
    QCOMPARE(menu.size(), QSize(664, 132));
    QCOMPARE(menu.palette().color(QPalette::Window), desktop.buttonFace);
    const struct {
        std::string_view name;
        QString caption;
        QRect geometry;
    } labels[] = {
        {SentenceMenu::instructionLabel,
         "Fai L'analisi grammaticali delle seguenti frasi",
         {8, 8, 649, 17}},
        {SentenceMenu::sentenceLabels[0],
         "1. La capra divora le foglie delle piante",
         {8, 32, 657, 17}},
        {SentenceMenu::sentenceLabels[1],
         u"2 Il nome di madre conferisce dignit\u00e0"_qs,
         {8, 56, 649, 17}},
        {SentenceMenu::sentenceLabels[2],
         "3 Lorenzo de' Medici fu soprannominato il Magnifico",
         {8, 80, 649, 17}},
        {SentenceMenu::sentenceLabels[3],
         u"4 La mamma \u00e8 uscita a comprare le mele"_qs,
         {8, 104, 649, 17}},
    };
    for (const auto& expected : labels) {
        auto& label = menu.control<QLabel>(expected.name);
        QCOMPARE(label.text(), expected.caption);
        QCOMPARE(label.geometry(), expected.geometry);
        QCOMPARE(label.palette().color(QPalette::WindowText), desktop.buttonText);
        QCOMPARE(label.palette().color(QPalette::Window), desktop.buttonFace);
        QVERIFY(label.alignment() & Qt::AlignLeft);
        QCOMPARE(label.focusPolicy(), Qt::NoFocus);
    }
}

void TestApp::sentenceLabelsOpenTheirOwnSentence_data() {
    QTest::addColumn<int>("label");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("sentence");
    QTest::newRow("first") << 0 << Kind::primo << "La capra divora le foglie delle piante";
    QTest::newRow("second") << 1 << Kind::Secondo << u"Il nome di madre conferisce dignit\u00e0"_qs;
    QTest::newRow("third") << 2 << Kind::terzoo
                           << "Lorenzo de' Medici fu soprannominato il Magnifico";
    QTest::newRow("fourth") << 3 << Kind::quarto
                            << u"La mamma \u00e8 uscita a comprare le mele "_qs;
}

void TestApp::sentenceLabelsOpenTheirOwnSentence() {
    QFETCH(int, label);
    QFETCH(Kind, kind);
    QFETCH(QString, sentence);
    const Program program;
    program.openByClick(Kind::Form2);
    program.click(Kind::Form2, SentenceMenu::sentenceLabels[label]);
    forms::Window* opened = program.windows.window(kind);
    QVERIFY(opened);
    QCOMPARE(opened->windowTitle(), "Prima frase");
    QCOMPARE(opened->control<QLabel>(SentenceWindow::sentenceLabel).text(), sentence);
    QCOMPARE(roleBox(*opened, 8).count(), 25);
    QVERIFY(QTest::qWaitForWindowActive(opened));
    QCOMPARE(focusOwner(), &opened->control<QWidget>(SentenceWindow::chunkBoxes[0]));
    QVERIFY(program.windows.isOpen(Kind::Form2));
    QCOMPARE(openWindows().size(), 3);
}

void TestApp::menuOpensNothingElse() {
    const Program program;
    program.openByClick(Kind::Form2);
    forms::Window& menu = program.window(Kind::Form2);
    QVERIFY(QTest::qWaitForWindowActive(&menu));
    program.click(Kind::Form2, SentenceMenu::instructionLabel);
    QTest::mouseClick(&menu, Qt::LeftButton, {}, QPoint(600, 125));
    for (Qt::Key key :
         {Qt::Key_Tab, Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Down, Qt::Key_1})
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &menu, key);
    QCOMPARE(openWindows().size(), 2);
}

void TestApp::allSentenceWindowsCanBeOpenTogether() {
    const Program program;
    program.openByClick(Kind::Form2);
    for (Kind kind : sentenceKinds)
        program.openByClick(kind);
    QCOMPARE(openWindows().size(), 6);
    program.window(Kind::Form2).close();
    QVERIFY(program.windows.isOpen(Kind::terzoo));
    program.click(Kind::terzoo, SentenceWindow::verifyButton);
    QCOMPARE(textColour(roleBox(program.window(Kind::terzoo), 1)), QColor(255, 0, 0));
}

void TestApp::secondMenuClickKeepsPicksAndColours() {
    const Program program;
    program.openByClick(Kind::Form2);
    program.openByClick(Kind::primo);
    forms::Window& first = program.window(Kind::primo);
    roleBox(first, 1).setCurrentIndex(0);
    roleBox(first, 2).setCurrentIndex(3);
    program.click(Kind::primo, SentenceWindow::verifyButton);
    program.window(Kind::Form2).activateWindow();

    program.openByClick(Kind::primo);
    QCOMPARE(&program.window(Kind::primo), &first);
    for (int row = 1; row <= 8; ++row)
        QCOMPARE(roleBox(first, row).count(), 25);
    QCOMPARE(roleBox(first, 2).currentIndex(), 3);
    QCOMPARE(textColour(roleBox(first, 1)), QColor(128, 255, 128));
    QCOMPARE(textColour(roleBox(first, 2)), QColor(255, 0, 0));
    QTRY_COMPARE(QApplication::activeWindow(), &first);
}

void TestApp::closedSentenceWindowReopensFresh() {
    const DistinctSystemColours desktop;
    const Program program;
    program.openByClick(Kind::Form2);
    program.openByClick(Kind::Secondo);
    forms::Window& before = program.window(Kind::Secondo);
    roleBox(before, 1).setCurrentIndex(5);
    roleBox(before, 7).setEditText("parola");
    before.control<QLineEdit>(SentenceWindow::chunkBoxes[1]).setText("cambiato");
    program.click(Kind::Secondo, SentenceWindow::verifyButton);
    before.close();

    program.openByClick(Kind::Secondo);
    forms::Window& after = program.window(Kind::Secondo);
    for (int row = 1; row <= 8; ++row) {
        QComboBox& box = roleBox(after, row);
        QCOMPARE(box.count(), 25);
        QCOMPARE(box.currentIndex(), -1);
        QCOMPARE(box.currentText(), QString());
        QCOMPARE(textColour(box), desktop.windowText);
    }
    QCOMPARE(after.control<QLineEdit>(SentenceWindow::chunkBoxes[1]).text(), "di madre");
}

void TestApp::roleBoxesStartInTheirLayoutColours_data() {
    addSentenceKindRows();
}

// Only primo's layout sets a colour of its own, on its first role box.
void TestApp::roleBoxesStartInTheirLayoutColours() {
    QFETCH(Kind, kind);
    const DistinctSystemColours desktop;
    const Program program;
    program.openByClick(Kind::Form2);
    program.openByClick(kind);
    forms::Window& window = program.window(kind);
    QCOMPARE(textColour(roleBox(window, 1)),
             kind == Kind::primo ? QColor(0, 0, 0) : desktop.windowText);
    for (int row = 2; row <= 8; ++row)
        QCOMPARE(textColour(roleBox(window, row)), desktop.windowText);
}

void TestApp::programEndsWhenItsLastWindowCloses_data() {
    QTest::addColumn<bool>("mainWindowFirst");
    QTest::newRow("main-window-alone") << false;
    QTest::newRow("main-window-closed-first") << true;
}

void TestApp::programEndsWhenItsLastWindowCloses() {
    QFETCH(bool, mainWindowFirst);
    const Program program;
    bool menuStillOpensSentences = false;
    const int exitCode = testsupport::runEventLoop([&] {
        if (!mainWindowFirst) {
            program.window(Kind::Form1).close();
            return;
        }
        program.openByClick(Kind::Form2);
        program.window(Kind::Form1).close();
        QTimer::singleShot(0, [&] {
            program.openByClick(Kind::terzoo);
            menuStillOpensSentences = program.windows.isOpen(Kind::terzoo);
            program.window(Kind::Form2).close();
            QTimer::singleShot(0, [&] { program.window(Kind::terzoo).close(); });
        });
    });
    QCOMPARE(exitCode, 0);
    QCOMPARE(menuStillOpensSentences, mainWindowFirst);
}

// A PC without the font or Qt's Italian texts (a Windows PC) gets them from the program.
void TestApp::fontAndItalianTextsTravelInsideTheProgram() {
    const int font = QFontDatabase::addApplicationFont(":/look/font.ttf");
    const QString family = QFontInfo(forms::programFont()).family();
    QVERIFY2(QFontDatabase::applicationFontFamilies(font).contains(family), qPrintable(family));
    QTranslator italian;
    QVERIFY(italian.load(":/look/qtbase_it.qm"));
    QCOMPARE(italian.language(), "it_IT");
}

// Every caption and text shows whole in its fixed box with the font the program pins; a label
// that reaches under a later control counts only up to it.
void TestApp::captionsFitTheirBoxes() {
    Program program;
    for (const app::KindEntry& entry : app::windowKinds)
        program.windows.open(entry.kind);
    QCOMPARE(QFontInfo(forms::programFont()).family(), "DejaVu Sans Condensed");

    for (forms::Window* window : openWindows()) {
        for (QWidget* control : window->findChildren<QWidget*>()) {
            if (control->objectName().isEmpty() || control->objectName().startsWith("qt_"))
                continue;
            const QFontMetrics metrics = control->fontMetrics();
            QString text;
            int room = control->width();
            if (auto* label = qobject_cast<QLabel*>(control)) {
                text = label->text();
                for (QWidget* sibling :
                     control->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                    if (sibling != control && sibling->geometry().intersects(control->geometry()))
                        room = std::min(room, sibling->x() - control->x());
            } else if (auto* button = qobject_cast<QPushButton*>(control)) {
                text = button->text();
                room -= 8;
            } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
                text = frame->title();
                room -= 16;
            } else if (auto* box = qobject_cast<QLineEdit*>(control)) {
                text = box->text();
                room -= 8;
            } else {
                continue;
            }
            const QString where = window->windowTitle() + "/" + control->objectName();
            QVERIFY2(
                metrics.horizontalAdvance(text) <= room,
                qPrintable(where +
                           QString(": %1 > %2").arg(metrics.horizontalAdvance(text)).arg(room)));
            QVERIFY2(metrics.height() <= control->height() - 4, qPrintable(where));
        }
    }
}

void TestApp::editableBoxesSpeakItalian() {
    const Program program;
    program.openByClick(Kind::Form2);
    program.openByClick(Kind::primo);
    QLineEdit* roleBoxEdit = roleBox(program.window(Kind::primo), 1).lineEdit();
    const std::unique_ptr<QMenu> menu(roleBoxEdit->createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions())
        if (!action->isSeparator())
            texts << action->text().remove('&').section('\t', 0, 0);
    // Qt's own Italian catalogue says "Rifai" for redo.
    QCOMPARE(texts, (QStringList{"Annulla", "Rifai", "Taglia", "Copia", "Incolla", "Elimina",
                                 "Seleziona tutto"}));
}

void TestApp::everyControlHasAnAccessibleName() {
    const Program program;
    program.openByClick(Kind::Form3);
    program.openByClick(Kind::Form2);
    program.openByClick(Kind::terzoo);
    const auto nameOf = [&](Kind kind, std::string_view control) {
        QAccessibleInterface* accessible =
            QAccessible::queryAccessibleInterface(&program.window(kind).control<QWidget>(control));
        return accessible ? accessible->text(QAccessible::Name) : QString();
    };
    QCOMPARE(nameOf(Kind::Form1, MainWindow::analysisButton), "Analisi Logica");
    QCOMPARE(nameOf(Kind::Form2, SentenceMenu::sentenceLabels[1]),
             u"2 Il nome di madre conferisce dignit\u00e0"_qs);
    QCOMPARE(nameOf(Kind::Form3, VerbWindow::answerBoxes[1]), "Infinito di Andassimo");
    QCOMPARE(nameOf(Kind::Form3, VerbWindow::verifyButton), "Verifica Risposte");
    QCOMPARE(nameOf(Kind::terzoo, SentenceWindow::chunkBoxes[5]), "Parte 6 della frase");
    QCOMPARE(nameOf(Kind::terzoo, SentenceWindow::roleBoxes[2]), "Funzione logica della parte 3");
    for (Kind kind : {Kind::Form1, Kind::Form2, Kind::Form3, Kind::terzoo})
        for (QWidget* control : program.window(kind).findChildren<QWidget*>())
            if (!control->objectName().isEmpty() && !control->objectName().startsWith("qt_"))
                QVERIFY2(!nameOf(kind, control->objectName().toStdString()).isEmpty(),
                         qPrintable(control->objectName()));
}

void TestApp::verdictColoursAreDescribedInWords() {
    const Program program;
    program.openByClick(Kind::Form3);
    program.openByClick(Kind::Form2);
    program.openByClick(Kind::primo);
    const auto descriptionOf = [&](Kind kind, std::string_view control) {
        return QAccessible::queryAccessibleInterface(
                   &program.window(kind).control<QWidget>(control))
            ->text(QAccessible::Description);
    };
    forms::Window& verbs = program.window(Kind::Form3);
    verbs.control<QLineEdit>(VerbWindow::answerBoxes[0]).setText("cuocere");
    program.click(Kind::Form3, VerbWindow::verifyButton);
    QCOMPARE(descriptionOf(Kind::Form3, VerbWindow::answerBoxes[0]), "testo verde");
    QCOMPARE(descriptionOf(Kind::Form3, VerbWindow::answerBoxes[1]), "testo rosso");
    program.click(Kind::Form3, VerbWindow::resetButton);
    QCOMPARE(descriptionOf(Kind::Form3, VerbWindow::answerBoxes[0]), "testo nel colore normale");
    QCOMPARE(verbs.control<QLineEdit>(VerbWindow::answerBoxes[0]).text(), "cuocere");

    roleBox(program.window(Kind::primo), 1).setCurrentIndex(0);
    program.click(Kind::primo, SentenceWindow::verifyButton);
    QCOMPARE(descriptionOf(Kind::primo, SentenceWindow::roleBoxes[0]), "testo verde chiaro");
    QCOMPARE(descriptionOf(Kind::primo, SentenceWindow::roleBoxes[1]), "testo rosso");
    program.click(Kind::primo, SentenceWindow::resetButton);
    QCOMPARE(descriptionOf(Kind::primo, SentenceWindow::roleBoxes[0]), "testo nero");
    QCOMPARE(roleBox(program.window(Kind::primo), 1).currentIndex(), 0);
}

QTEST_MAIN(TestApp)
#include "tst_app.moc"
