// The application shell with the program's real window-kind table and look: start-up and the
// welcome box, the main window, the sentence menu, the openings between windows, the end of
// the program, and captions that fit their boxes in the pinned font.
#include "app/mainwindow.h"
#include "app/windowkinds.h"
#include "content/roles.h"
#include "testsupport.h"

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTest>

using testsupport::DistinctSystemColours;
using testsupport::focusOwner;
using testsupport::ModalAnswer;
using testsupport::textColour;

namespace {

using Dismiss = std::function<void(QWidget&)>;

Dismiss byKey(Qt::Key key) {
    return
        [key](QWidget& box) { QTest::keyClick(box.focusWidget() ? box.focusWidget() : &box, key); };
}

// The program as main() starts it, with the welcome box answered by `dismiss`.
class Program {
public:
    explicit Program(const Dismiss& dismiss = byKey(Qt::Key_Escape)) {
        app::addWindowKinds(kinds);
        ModalAnswer answer([this, dismiss](QWidget& box) {
            welcome = static_cast<QMessageBox*>(&box)->text();
            welcomeIcon = static_cast<QMessageBox*>(&box)->iconPixmap().toImage();
            mainWindowVisibleDuringWelcome = kinds["Form1"].isOpen();
            for (QWidget* window : QApplication::topLevelWidgets())
                if (window->isVisible() && window != &box)
                    ++otherVisibleWindowsDuringWelcome;
            dismiss(box);
        });
        kinds.open("Form1");
        welcomeTitle = answer.title();
        welcomeShown = answer.fired();
    }
    forms::Window& window(std::string_view kind) { return *kinds[kind].window(); }
    void click(std::string_view kind, const char* control) {
        QTest::mouseClick(&window(kind).control<QWidget>(control), Qt::LeftButton);
    }

    forms::WindowKinds kinds;
    bool welcomeShown = false;
    QString welcomeTitle, welcome;
    QImage welcomeIcon;
    bool mainWindowVisibleDuringWelcome = true;
    int otherVisibleWindowsDuringWelcome = 0;
};

int openWindowCount() {
    int count = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        count += window->isVisible() && qobject_cast<forms::Window*>(window) ? 1 : 0;
    return count;
}

} // namespace

class TestApp : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup() { testsupport::discardAllWindows(); }

    void welcomeBoxComesFirstHoweverItIsDismissed_data();
    void welcomeBoxComesFirstHoweverItIsDismissed();
    void mainWindowIsAsDrawnUp();
    void mainWindowTabsBetweenItsTwoButtons();
    void mainWindowButtonsOpenTheirWindowOnce_data();
    void mainWindowButtonsOpenTheirWindowOnce();
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
    QTest::addColumn<Dismiss>("dismiss");
    QTest::newRow("ok-button") << Dismiss([](QWidget& box) {
        QTest::mouseClick(static_cast<QMessageBox&>(box).button(QMessageBox::Ok), Qt::LeftButton);
    });
    QTest::newRow("enter") << byKey(Qt::Key_Return);
    QTest::newRow("space") << byKey(Qt::Key_Space);
    QTest::newRow("escape") << byKey(Qt::Key_Escape);
    QTest::newRow("close-box") << Dismiss([](QWidget& box) { box.close(); });
}

void TestApp::welcomeBoxComesFirstHoweverItIsDismissed() {
    QFETCH(Dismiss, dismiss);
    Program program(dismiss);
    QVERIFY(program.welcomeShown);
    QCOMPARE(program.welcomeTitle, "BENVENUTO");
    QCOMPARE(program.welcome,
             "Benvenuto Nell'eserciziario interattivo creato da Zerbalto. Selezionare l'esercizio");
    QCOMPARE(program.welcomeIcon,
             forms::informationIcon(program.welcomeIcon.devicePixelRatio()).toImage());
    QVERIFY(!program.mainWindowVisibleDuringWelcome);
    QCOMPARE(program.otherVisibleWindowsDuringWelcome, 0);

    forms::Window& main = program.window("Form1");
    QVERIFY(main.isVisible());
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QCOMPARE(QApplication::focusWidget(), &main.control<QWidget>("Command1"));
}

void TestApp::mainWindowIsAsDrawnUp() {
    Program program;
    forms::Window& main = program.window("Form1");
    QCOMPARE(main.windowTitle(), "Prova Esercizi Zerbalto");
    QCOMPARE(main.size(), QSize(340, 142));
    QCOMPARE(main.palette().color(QPalette::Window), QColor(0, 255, 0));

    auto& frame = main.control<QGroupBox>("Frame1");
    QCOMPARE(frame.title(), "Grammatica");
    QCOMPARE(frame.geometry(), QRect(8, 8, 329, 129));
    QCOMPARE(frame.palette().color(QPalette::Window), QColor(0, 255, 0));
    QCOMPARE(frame.palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(frame.focusPolicy(), Qt::NoFocus);

    const struct {
        const char* name;
        const char* caption;
        QPoint inWindow;
    } buttons[] = {{"Command1", "Verbi all'infinito", {16, 24}},
                   {"Command2", "Analisi Logica", {16, 56}}};
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
    Program program;
    QVERIFY(QTest::qWaitForWindowActive(&program.window("Form1")));
    for (const char* name : {"Command1", "Command2", "Command1"}) {
        QCOMPARE(QApplication::focusWidget()->objectName(), name);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
}

void TestApp::mainWindowButtonsOpenTheirWindowOnce_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QByteArray>("kind");
    QTest::addColumn<QString>("caption");
    QTest::newRow("verbs") << "Command1" << QByteArray("Form3")
                           << "Inserisci il Verbo al modo infinito";
    QTest::newRow("logical-analysis") << "Command2" << QByteArray("Form2") << "Analisi logica";
}

void TestApp::mainWindowButtonsOpenTheirWindowOnce() {
    QFETCH(QString, button);
    QFETCH(QByteArray, kind);
    QFETCH(QString, caption);
    Program program;
    program.click("Form1", qPrintable(button));
    forms::Window* opened = program.kinds[kind.data()].window();
    QVERIFY(opened);
    QCOMPARE(opened->windowTitle(), caption);
    QVERIFY(QTest::qWaitForWindowActive(opened));

    // Behind the main window, then asked for again: the same window comes to the front.
    opened->setProperty("marked", true);
    program.window("Form1").activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), &program.window("Form1"));
    program.click("Form1", qPrintable(button));
    QCOMPARE(program.kinds[kind.data()].window(), opened);
    QVERIFY(opened->property("marked").toBool());
    QTRY_COMPARE(QApplication::activeWindow(), opened);
    QCOMPARE(openWindowCount(), 2);
}

void TestApp::spaceRightAfterStartUpOpensTheVerbWindow() {
    Program program;
    QVERIFY(QTest::qWaitForWindowActive(&program.window("Form1")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(program.kinds["Form3"].isOpen());
}

void TestApp::closedVerbWindowReopensFresh() {
    Program program;
    program.click("Form1", "Command1");
    program.window("Form3").control<QLineEdit>("Text2").setText("andare");
    program.click("Form1", "Command1");
    QCOMPARE(program.window("Form3").control<QLineEdit>("Text2").text(), "andare");
    program.window("Form3").close();
    program.click("Form1", "Command1");
    QCOMPARE(program.window("Form3").control<QLineEdit>("Text2").text(), QString());
}

void TestApp::sentenceMenuIsAsDrawnUp() {
    const DistinctSystemColours desktop;
    Program program;
    program.click("Form1", "Command2");
    forms::Window& menu = program.window("Form2");
    QCOMPARE(menu.windowTitle(), "Analisi logica");
    QCOMPARE(menu.size(), QSize(664, 132));
    QCOMPARE(menu.palette().color(QPalette::Window), desktop.buttonFace);
    const struct {
        const char* name;
        QString caption;
        QRect geometry;
    } labels[] = {
        {"Label1", "Fai L'analisi grammaticali delle seguenti frasi", {8, 8, 649, 17}},
        {"Label2", "1. La capra divora le foglie delle piante", {8, 32, 657, 17}},
        {"Label3", u"2 Il nome di madre conferisce dignit\u00e0"_qs, {8, 56, 649, 17}},
        {"Label4", "3 Lorenzo de' Medici fu soprannominato il Magnifico", {8, 80, 649, 17}},
        {"Label5", u"4 La mamma \u00e8 uscita a comprare le mele"_qs, {8, 104, 649, 17}},
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
    QTest::addColumn<QString>("label");
    QTest::addColumn<QByteArray>("kind");
    QTest::addColumn<QString>("sentence");
    QTest::newRow("first") << "Label2" << QByteArray("primo")
                           << "La capra divora le foglie delle piante";
    QTest::newRow("second") << "Label3" << QByteArray("Secondo")
                            << u"Il nome di madre conferisce dignit\u00e0"_qs;
    QTest::newRow("third") << "Label4" << QByteArray("terzoo")
                           << "Lorenzo de' Medici fu soprannominato il Magnifico";
    QTest::newRow("fourth") << "Label5" << QByteArray("quarto")
                            << u"La mamma \u00e8 uscita a comprare le mele "_qs;
}

void TestApp::sentenceLabelsOpenTheirOwnSentence() {
    QFETCH(QString, label);
    QFETCH(QByteArray, kind);
    QFETCH(QString, sentence);
    Program program;
    program.click("Form1", "Command2");
    program.click("Form2", qPrintable(label));
    forms::Window* opened = program.kinds[kind.data()].window();
    QVERIFY(opened);
    QCOMPARE(opened->windowTitle(), "Prima frase");
    QCOMPARE(opened->control<QLabel>("Label1").text(), sentence);
    QCOMPARE(opened->control<QComboBox>("Combo8").count(), 25);
    QVERIFY(QTest::qWaitForWindowActive(opened));
    QCOMPARE(focusOwner(), &opened->control<QWidget>("Text1"));
    QVERIFY(program.kinds["Form2"].isOpen());
    QCOMPARE(openWindowCount(), 3);
}

void TestApp::menuOpensNothingElse() {
    Program program;
    program.click("Form1", "Command2");
    forms::Window& menu = program.window("Form2");
    QVERIFY(QTest::qWaitForWindowActive(&menu));
    program.click("Form2", "Label1");
    QTest::mouseClick(&menu, Qt::LeftButton, {}, QPoint(600, 125));
    for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Space, Qt::Key_Return, Qt::Key_Down, Qt::Key_1})
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &menu, key);
    QCOMPARE(openWindowCount(), 2);
}

void TestApp::allSentenceWindowsCanBeOpenTogether() {
    Program program;
    program.click("Form1", "Command2");
    for (const char* label : {"Label2", "Label3", "Label4", "Label5"})
        program.click("Form2", label);
    QCOMPARE(openWindowCount(), 6);
    program.window("Form2").close();
    QVERIFY(program.kinds["terzoo"].isOpen());
    program.click("terzoo", "Command1");
    QCOMPARE(textColour(program.window("terzoo").control<QComboBox>("Combo1")), QColor(255, 0, 0));
}

void TestApp::secondMenuClickKeepsPicksAndColours() {
    Program program;
    program.click("Form1", "Command2");
    program.click("Form2", "Label2");
    forms::Window& first = program.window("primo");
    first.control<QComboBox>("Combo1").setCurrentIndex(0);
    first.control<QComboBox>("Combo2").setCurrentIndex(3);
    program.click("primo", "Command1");
    program.window("Form2").activateWindow();

    program.click("Form2", "Label2");
    QCOMPARE(&program.window("primo"), &first);
    for (int row = 1; row <= 8; ++row)
        QCOMPARE(first.control<QComboBox>("Combo" + std::to_string(row)).count(), 25);
    QCOMPARE(first.control<QComboBox>("Combo2").currentIndex(), 3);
    QCOMPARE(textColour(first.control<QComboBox>("Combo1")), QColor(128, 255, 128));
    QCOMPARE(textColour(first.control<QComboBox>("Combo2")), QColor(255, 0, 0));
    QTRY_COMPARE(QApplication::activeWindow(), &first);
}

void TestApp::closedSentenceWindowReopensFresh() {
    const DistinctSystemColours desktop;
    Program program;
    program.click("Form1", "Command2");
    program.click("Form2", "Label3");
    forms::Window& before = program.window("Secondo");
    before.control<QComboBox>("Combo1").setCurrentIndex(5);
    before.control<QComboBox>("Combo7").setEditText("parola");
    before.control<QLineEdit>("Text2").setText("cambiato");
    program.click("Secondo", "Command1");
    before.close();

    program.click("Form2", "Label3");
    forms::Window& after = program.window("Secondo");
    for (int row = 1; row <= 8; ++row) {
        auto& box = after.control<QComboBox>("Combo" + std::to_string(row));
        QCOMPARE(box.count(), 25);
        QCOMPARE(box.currentIndex(), -1);
        QCOMPARE(box.currentText(), QString());
        QCOMPARE(textColour(box), desktop.windowText);
    }
    QCOMPARE(after.control<QLineEdit>("Text2").text(), "di madre");
}

void TestApp::roleBoxesStartInTheirLayoutColours_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QByteArray>("kind");
    QTest::addColumn<bool>("firstBlack");
    QTest::newRow("primo") << "Label2" << QByteArray("primo") << true;
    QTest::newRow("Secondo") << "Label3" << QByteArray("Secondo") << false;
    QTest::newRow("terzoo") << "Label4" << QByteArray("terzoo") << false;
    QTest::newRow("quarto") << "Label5" << QByteArray("quarto") << false;
}

void TestApp::roleBoxesStartInTheirLayoutColours() {
    QFETCH(QString, label);
    QFETCH(QByteArray, kind);
    QFETCH(bool, firstBlack);
    const DistinctSystemColours desktop;
    Program program;
    program.click("Form1", "Command2");
    program.click("Form2", qPrintable(label));
    forms::Window& window = program.window(kind.data());
    QCOMPARE(textColour(window.control<QComboBox>("Combo1")),
             firstBlack ? QColor(0, 0, 0) : desktop.windowText);
    for (int row = 2; row <= 8; ++row)
        QCOMPARE(textColour(window.control<QComboBox>("Combo" + std::to_string(row))),
                 desktop.windowText);
}

void TestApp::programEndsWhenItsLastWindowCloses_data() {
    QTest::addColumn<bool>("mainWindowFirst");
    QTest::newRow("main-window-alone") << false;
    QTest::newRow("main-window-closed-first") << true;
}

void TestApp::programEndsWhenItsLastWindowCloses() {
    QFETCH(bool, mainWindowFirst);
    Program program;
    bool menuStillOpensSentences = false;
    const int exitCode = testsupport::runEventLoop([&] {
        if (!mainWindowFirst) {
            program.window("Form1").close();
            return;
        }
        program.click("Form1", "Command2");
        program.window("Form1").close();
        QTimer::singleShot(0, [&] {
            program.click("Form2", "Label4");
            menuStillOpensSentences = program.kinds["terzoo"].isOpen();
            program.window("Form2").close();
            QTimer::singleShot(0, [&] { program.window("terzoo").close(); });
        });
    });
    QCOMPARE(exitCode, 0);
    QCOMPARE(menuStillOpensSentences, mainWindowFirst);
}

// Every caption and text shows whole in its fixed box with the font the program pins; a label
// that reaches under a later control counts only up to it.
void TestApp::captionsFitTheirBoxes() {
    forms::WindowKinds kinds;
    app::addWindowKinds(kinds);
    app::MainWindow mainWindow(kinds);
    std::vector<QWidget*> windows{&mainWindow};
    for (const char* kind : {"Form2", "Form3", "primo", "Secondo", "terzoo", "quarto"}) {
        kinds.open(kind);
        windows.push_back(kinds[kind].window());
    }
    QCOMPARE(QFontInfo(forms::programFont()).family(), "DejaVu Sans Condensed");

    for (QWidget* window : windows) {
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
    Program program;
    program.click("Form1", "Command2");
    program.click("Form2", "Label2");
    QLineEdit* roleBoxEdit = program.window("primo").control<QComboBox>("Combo1").lineEdit();
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
    Program program;
    program.click("Form1", "Command1");
    program.click("Form1", "Command2");
    program.click("Form2", "Label4");
    const auto nameOf = [&](std::string_view kind, const char* control) {
        QAccessibleInterface* accessible =
            QAccessible::queryAccessibleInterface(&program.window(kind).control<QWidget>(control));
        return accessible ? accessible->text(QAccessible::Name) : QString();
    };
    QCOMPARE(nameOf("Form1", "Command2"), "Analisi Logica");
    QCOMPARE(nameOf("Form2", "Label3"), u"2 Il nome di madre conferisce dignit\u00e0"_qs);
    QCOMPARE(nameOf("Form3", "Text2"), "Infinito di Andassimo");
    QCOMPARE(nameOf("Form3", "Command1"), "Verifica Risposte");
    QCOMPARE(nameOf("terzoo", "Text6"), "Parte 6 della frase");
    QCOMPARE(nameOf("terzoo", "Combo3"), "Funzione logica della parte 3");
    for (std::string_view kind : {"Form1", "Form2", "Form3", "terzoo"})
        for (QWidget* control : program.window(kind).findChildren<QWidget*>())
            if (!control->objectName().isEmpty() && !control->objectName().startsWith("qt_"))
                QVERIFY2(!nameOf(kind, qPrintable(control->objectName())).isEmpty(),
                         qPrintable(control->objectName()));
}

void TestApp::verdictColoursAreDescribedInWords() {
    Program program;
    program.click("Form1", "Command1");
    program.click("Form1", "Command2");
    program.click("Form2", "Label2");
    const auto descriptionOf = [&](std::string_view kind, const char* control) {
        return QAccessible::queryAccessibleInterface(
                   &program.window(kind).control<QWidget>(control))
            ->text(QAccessible::Description);
    };
    program.window("Form3").control<QLineEdit>("Text1").setText("cuocere");
    program.click("Form3", "Command1");
    QCOMPARE(descriptionOf("Form3", "Text1"), "testo verde");
    QCOMPARE(descriptionOf("Form3", "Text2"), "testo rosso");
    program.click("Form3", "Command2");
    QCOMPARE(descriptionOf("Form3", "Text1"), "testo nel colore normale");
    QCOMPARE(program.window("Form3").control<QLineEdit>("Text1").text(), "cuocere");

    program.window("primo").control<QComboBox>("Combo1").setCurrentIndex(0);
    program.click("primo", "Command1");
    QCOMPARE(descriptionOf("primo", "Combo1"), "testo verde chiaro");
    QCOMPARE(descriptionOf("primo", "Combo2"), "testo rosso");
    program.click("primo", "Command2");
    QCOMPARE(descriptionOf("primo", "Combo1"), "testo nero");
    QCOMPARE(program.window("primo").control<QComboBox>("Combo1").currentIndex(), 0);
}

QTEST_MAIN(TestApp)
#include "tst_app.moc"
