// The verb exercise window, driven through its real widgets: exact judging of typed answers,
// reset to the desktop's window-text colour, focus and keyboard.
#include "exercises/verbwindow.h"
#include "testsupport.h"

#include <QLineEdit>
#include <QTest>

using exercises::VerbWindow;
using testsupport::DistinctSystemColours;
using testsupport::textColour;

namespace {

using Answers = std::array<QString, 4>;

class OpenVerbWindow : public testsupport::OpenWindow<VerbWindow> {
public:
    QLineEdit& answerBox(int item) const {
        return (*this)->control<QLineEdit>(VerbWindow::answerBoxes[item - 1]);
    }
    void type(const Answers& answers) const {
        for (int item = 1; item <= 4; ++item)
            answerBox(item).setText(answers[item - 1]);
    }
    void press(std::string_view button) const {
        QTest::mouseClick(&(*this)->control<QPushButton>(button), Qt::LeftButton);
    }
    void verify() const { press(VerbWindow::verifyButton); }
    void reset() const { press(VerbWindow::resetButton); }
    // One letter a box: G green, R red, K black, S the desktop's window-text colour.
    QString colours() const {
        QString letters;
        for (int item = 1; item <= 4; ++item)
            letters += testsupport::colourLetter(textColour(answerBox(item)), QColor(0, 255, 0));
        return letters;
    }
};

} // namespace

class TestVerbWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::quietOffscreenPlatform(); }
    void cleanup() { VERIFY_NO_WINDOW_LEFT(); }

    void layoutIsAsDrawnUp_data();
    void layoutIsAsDrawnUp();
    void startsEmptyWithOnlyText1Black();
    void verifyComparesEachAnswerExactly_data();
    void verifyComparesEachAnswerExactly();
    void verifyIsStableAndNeverChangesTexts();
    void editingAfterVerifyKeepsTheColour();
    void resetGivesTheDesktopColourAndKeepsTexts();
    void resetBeforeVerifyChangesOnlyText1();
    void focusStartsOnVerifyAndTabCycles();
    void spaceOrEnterRightAfterOpeningVerifies_data();
    void spaceOrEnterRightAfterOpeningVerifies();
    void reopeningIsFreshAndOpeningAgainKeepsAnswers();
};

void TestVerbWindow::layoutIsAsDrawnUp_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::newRow("Command1") << "Command1" << QRect(8, 104, 97, 25) << "Verifica Risposte";
    QTest::newRow("Label1") << "Label1" << QRect(8, 8, 113, 17) << "Cossi       =";
    QTest::newRow("Text1") << "Text1" << QRect(72, 8, 185, 19) << "";
    QTest::newRow("Label2") << "Label2" << QRect(8, 32, 65, 17) << "Andassimo  =";
    QTest::newRow("Text2") << "Text2" << QRect(72, 32, 185, 19) << "";
    QTest::newRow("Label3") << "Label3" << QRect(8, 56, 65, 17) << "Uscimmo =";
    QTest::newRow("Text3") << "Text3" << QRect(72, 56, 185, 19) << "";
    QTest::newRow("Label4") << "Label4" << QRect(8, 80, 65, 17) << "Andaste = ";
    QTest::newRow("Text4") << "Text4" << QRect(72, 80, 185, 19) << "";
    QTest::newRow("Command2") << "Command2" << QRect(152, 104, 105, 25) << "Reset";
}

void TestVerbWindow::layoutIsAsDrawnUp() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    const OpenVerbWindow window;
    QCOMPARE(window->windowTitle(), "Inserisci il Verbo al modo infinito");
    QCOMPARE(window->size(), QSize(266, 140));
    auto* control = window->findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), geometry);
    if (auto* label = qobject_cast<QLabel*>(control)) {
        QCOMPARE(label->text(), text);
        QVERIFY(!label->autoFillBackground());
    } else if (auto* button = qobject_cast<QPushButton*>(control)) {
        QCOMPARE(button->text(), text);
    } else {
        QCOMPARE(qobject_cast<QLineEdit*>(control)->text(), text);
    }
}

void TestVerbWindow::startsEmptyWithOnlyText1Black() {
    const DistinctSystemColours desktop;
    const OpenVerbWindow window;
    QCOMPARE(window.colours(), "KSSS");
    QCOMPARE(window->palette().color(QPalette::Window), QColor(0, 255, 0));
    QCOMPARE(
        window->control<QPushButton>(VerbWindow::verifyButton).palette().color(QPalette::Button),
        QColor(0, 0, 192));
    QCOMPARE(
        window->control<QPushButton>(VerbWindow::resetButton).palette().color(QPalette::Button),
        QColor(255, 255, 0));
    // The text box covers the part of Label1 that reaches under it.
    const auto& label = window->control<QLabel>(VerbWindow::promptLabels[0]);
    const auto& box = window.answerBox(1);
    QVERIFY(label.geometry().intersects(box.geometry()));
    QVERIFY(window->children().indexOf(&box) > window->children().indexOf(&label));
}

void TestVerbWindow::verifyComparesEachAnswerExactly_data() {
    QTest::addColumn<Answers>("answers");
    QTest::addColumn<QString>("colours");
    QTest::newRow("all-right") << Answers{"cuocere", "andare", "uscire", "andare"} << "GGGG";
    QTest::newRow("all-empty") << Answers{} << "RRRR";
    QTest::newRow("capital-C") << Answers{"Cuocere", "andare", "uscire", "andare"} << "RGGG";
    QTest::newRow("leading-blank") << Answers{" cuocere", "andare", "uscire", "andare"} << "RGGG";
    QTest::newRow("trailing-blank") << Answers{"cuocere ", "andare", "uscire", "andare"} << "RGGG";
    QTest::newRow("andare-in-box-3") << Answers{"", "andare", "andare", "andare"} << "RGRG";
    QTest::newRow("combining-accent")
        << Answers{"cuocere", u"andare\u0301"_qs, "uscire", "andare"} << "GRGG";
    QTest::newRow("emoji") << Answers{u"\U0001F373"_qs, "andare", u"uscire\U0001F6AA"_qs, "andare"}
                           << "RGRG";
    QTest::newRow("hundred-thousand-characters")
        << Answers{QString(100'000, u'c'), "andare", "uscire", QString(100'000, u'a')} << "RGGR";
}

void TestVerbWindow::verifyComparesEachAnswerExactly() {
    QFETCH(Answers, answers);
    QFETCH(QString, colours);
    const OpenVerbWindow window;
    window.type(answers);
    window.verify();
    QCOMPARE(window.colours(), colours);
    for (int item = 1; item <= 4; ++item)
        QCOMPARE(window.answerBox(item).text(), answers[item - 1]);
}

void TestVerbWindow::verifyIsStableAndNeverChangesTexts() {
    const OpenVerbWindow window;
    window.type({"cuocere", "Andare", "uscire ", ""});
    window.verify();
    QCOMPARE(window.colours(), "GRRR");
    window.verify();
    QCOMPARE(window.colours(), "GRRR");
    QCOMPARE(window.answerBox(3).text(), "uscire ");
}

void TestVerbWindow::editingAfterVerifyKeepsTheColour() {
    const OpenVerbWindow window;
    window.type({"cuocere", "", "", ""});
    window.verify();
    window.answerBox(1).setFocus();
    QTest::keyClicks(&window.answerBox(1), "xyz");
    window.answerBox(2).setText("andare");
    QCOMPARE(window.colours(), "GRRR");
    window.verify();
    QCOMPARE(window.colours(), "RGRR");
}

void TestVerbWindow::resetGivesTheDesktopColourAndKeepsTexts() {
    const DistinctSystemColours desktop;
    const OpenVerbWindow window;
    window.type({"cuocere", "andare", "x", ""});
    window.verify();
    window.reset();
    QCOMPARE(window.colours(), "SSSS");
    QCOMPARE(window.answerBox(1).text(), "cuocere");
    QCOMPARE(window.answerBox(3).text(), "x");
}

void TestVerbWindow::resetBeforeVerifyChangesOnlyText1() {
    const DistinctSystemColours desktop;
    const OpenVerbWindow window;
    QCOMPARE(window.colours(), "KSSS");
    window.reset();
    QCOMPARE(window.colours(), "SSSS");
}

void TestVerbWindow::focusStartsOnVerifyAndTabCycles() {
    const OpenVerbWindow window;
    QVERIFY(QTest::qWaitForWindowActive(&*window));
    for (const char* name :
         {"Command1", "Text1", "Text2", "Text3", "Text4", "Command2", "Command1"}) {
        QVERIFY(QApplication::focusWidget());
        QCOMPARE(QApplication::focusWidget()->objectName(), name);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
}

void TestVerbWindow::spaceOrEnterRightAfterOpeningVerifies_data() {
    QTest::addColumn<Qt::Key>("key");
    QTest::newRow("space") << Qt::Key_Space;
    QTest::newRow("enter") << Qt::Key_Return;
}

void TestVerbWindow::spaceOrEnterRightAfterOpeningVerifies() {
    QFETCH(Qt::Key, key);
    const OpenVerbWindow window;
    QVERIFY(QTest::qWaitForWindowActive(&*window));
    QTest::keyClick(QApplication::focusWidget(), key);
    QCOMPARE(window.colours(), "RRRR");
}

void TestVerbWindow::reopeningIsFreshAndOpeningAgainKeepsAnswers() {
    const DistinctSystemColours desktop;
    OpenVerbWindow window;
    window.type({"cuocere", "andare", "", ""});
    window.verify();
    window.openAgain();
    QCOMPARE(window.answerBox(1).text(), "cuocere");
    QCOMPARE(window.colours(), "GGRR");

    window->close();
    window.openAgain();
    QCOMPARE(window.answerBox(1).text(), QString());
    QCOMPARE(window.answerBox(2).text(), QString());
    QCOMPARE(window.colours(), "KSSS");
}

QTEST_MAIN(TestVerbWindow)
#include "tst_verbwindow.moc"
