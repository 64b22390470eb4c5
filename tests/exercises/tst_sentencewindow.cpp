// The sentence exercise window, driven through its real widgets: load step, verify, reset,
// focus and the role boxes' lists.
#include "content/roles.h"
#include "exercises/sentencewindow.h"
#include "testsupport.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

using exercises::FirstRoleBoxColour;
using exercises::SentenceWindow;
using testsupport::DistinctSystemColours;
using testsupport::focusOwner;
using testsupport::textColour;

namespace {

using Picks = std::array<int, 8>;
using SetPointer = const content::SentenceSet*;

// A sentence window bound to a set, opened as the program opens a window kind.
class OpenSentenceWindow : public testsupport::OpenWindow<SentenceWindow> {
public:
    explicit OpenSentenceWindow(
        const content::SentenceSet& set,
        FirstRoleBoxColour firstRoleBoxColour = FirstRoleBoxColour::WindowText)
        : OpenWindow(std::cref(set), firstRoleBoxColour) {}

    QComboBox& roleBox(int row) const {
        return (*this)->control<QComboBox>(SentenceWindow::roleBoxes[row - 1]);
    }
    QLineEdit& chunkBox(int row) const {
        return (*this)->control<QLineEdit>(SentenceWindow::chunkBoxes[row - 1]);
    }
    void press(std::string_view button) const {
        QTest::mouseClick(&(*this)->control<QPushButton>(button), Qt::LeftButton);
    }
    void verify() const { press(SentenceWindow::verifyButton); }
    void reset() const { press(SentenceWindow::resetButton); }
    void pick(const Picks& picks) const {
        for (int row = 1; row <= 8; ++row)
            roleBox(row).setCurrentIndex(picks[row - 1]);
    }
    Picks picks() const {
        Picks result{};
        for (int row = 1; row <= 8; ++row)
            result[row - 1] = roleBox(row).currentIndex();
        return result;
    }
    // One letter a row: G light green, R red, K black, S the desktop's window-text colour.
    QString colours() const {
        QString letters;
        for (int row = 1; row <= 8; ++row)
            letters += testsupport::colourLetter(textColour(roleBox(row)), QColor(128, 255, 128));
        return letters;
    }
};

QString qtText(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace

Q_DECLARE_METATYPE(SetPointer)

class TestSentenceWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::quietOffscreenPlatform(); }
    void cleanup() { VERIFY_NO_WINDOW_LEFT(); }

    void loadFillsEveryRoleBoxWithTheCatalogue_data();
    void loadFillsEveryRoleBoxWithTheCatalogue();
    void layoutPlacesRowsBesideEachOther();
    void verifyColoursKeyedRowsOnly_data();
    void verifyColoursKeyedRowsOnly();
    void verifyChangesNothingButColours();
    void changedPickKeepsItsColourUntilTheNextVerify();
    void resetTurnsAllEightBlack();
    void resetKeepsSelectionsAndVerifyBringsVerdictsBack();
    void editedChunkBoxesDoNotMatter();
    void firstRoleBoxCanStartBlack();
    void focusStartsInText1AndTabRunsDownEachColumn();
    void keyboardPicksAreJudgedAndEnterPressesNothing();
    void dropDownShowsEveryEntryWhole();
};

void TestSentenceWindow::loadFillsEveryRoleBoxWithTheCatalogue_data() {
    QTest::addColumn<SetPointer>("set");
    QTest::newRow("first") << &content::firstSet;
    QTest::newRow("second") << &content::secondSet;
    QTest::newRow("third") << &content::thirdSet;
    QTest::newRow("fourth") << &content::fourthSet;
}

void TestSentenceWindow::loadFillsEveryRoleBoxWithTheCatalogue() {
    QFETCH(SetPointer, set);
    const DistinctSystemColours desktop;
    const OpenSentenceWindow window(*set);

    QCOMPARE(window->windowTitle(), "Prima frase");
    QCOMPARE(window->control<QLabel>(SentenceWindow::sentenceLabel).text(), qtText(set->sentence));
    for (int row = 1; row <= 8; ++row) {
        QComboBox& box = window.roleBox(row);
        QCOMPARE(box.count(), 25);
        for (int i = 0; i < 25; ++i)
            QCOMPARE(box.itemText(i), qtText(content::roleCatalogue[i]));
        QCOMPARE(box.currentIndex(), -1);
        QCOMPARE(box.currentText(), QString());
        QCOMPARE(textColour(box), desktop.windowText);
        QCOMPARE(window.chunkBox(row).text(), qtText(set->row(row).chunk));
    }
}

// Drawn up in twips: rows every 360 from 480, chunk boxes at the left, role boxes beside them.
void TestSentenceWindow::layoutPlacesRowsBesideEachOther() {
    const OpenSentenceWindow window(content::firstSet);
    QCOMPARE(window->size(), QSize(495, 228));
    for (int row = 1; row <= 8; ++row) {
        const int top = forms::pixels(480 + 360 * (row - 1));
        QCOMPARE(window.chunkBox(row).geometry(), QRect(8, top, 121, 19));
        QCOMPARE(window.roleBox(row).geometry(), QRect(144, top, 145, 21));
    }
    QCOMPARE(window->control<QLabel>(SentenceWindow::sentenceLabel).geometry(),
             QRect(8, 8, 473, 17));
    auto& verify = window->control<QPushButton>(SentenceWindow::verifyButton);
    auto& reset = window->control<QPushButton>(SentenceWindow::resetButton);
    QCOMPARE(verify.geometry(), QRect(296, 32, 193, 25));
    QCOMPARE(verify.text(), "Verifica risposte");
    QCOMPARE(reset.geometry(), QRect(296, 64, 193, 25));
    QCOMPARE(reset.text(), "Resetta");
}

void TestSentenceWindow::verifyColoursKeyedRowsOnly_data() {
    QTest::addColumn<SetPointer>("set");
    QTest::addColumn<Picks>("picks");
    QTest::addColumn<QString>("colours");

    QTest::newRow("first-nothing-picked")
        << &content::firstSet << Picks{-1, -1, -1, -1, -1, -1, -1, -1} << "RRRRSSSS";
    QTest::newRow("third-nothing-picked")
        << &content::thirdSet << Picks{-1, -1, -1, -1, -1, -1, -1, -1} << "RRRSSSSS";
    QTest::newRow("first-all-right")
        << &content::firstSet << Picks{0, 1, 4, 13, -1, -1, -1, -1} << "GGGGSSSS";
    QTest::newRow("first-row3-second-Complemento-Oggetto")
        << &content::firstSet << Picks{0, 1, 6, 13, -1, -1, -1, -1} << "GGGGSSSS";
    QTest::newRow("first-row3-other-complement")
        << &content::firstSet << Picks{0, 1, 5, 13, -1, -1, -1, -1} << "GGRGSSSS";
    QTest::newRow("first-Soggetto-everywhere")
        << &content::firstSet << Picks{0, 0, 0, 0, 0, 0, 0, 0} << "GRRRSSSS";
    QTest::newRow("second-all-right")
        << &content::secondSet << Picks{0, 24, 1, 4, -1, -1, -1, -1} << "GGGGSSSS";
    QTest::newRow("second-row4-second-Complemento-Oggetto")
        << &content::secondSet << Picks{0, 24, 1, 6, -1, -1, -1, -1} << "GGGGSSSS";
    QTest::newRow("second-keys-in-row-order")
        << &content::secondSet << Picks{0, 1, 24, 4, -1, -1, -1, -1} << "GRRGSSSS";
    QTest::newRow("third-all-right-row4-picked")
        << &content::thirdSet << Picks{0, 1, 20, 4, 5, 6, 7, 8} << "GGGSSSSS";
    QTest::newRow("third-row3-predicative-of-object")
        << &content::thirdSet << Picks{0, 1, 19, 0, -1, -1, -1, -1} << "GGRSSSSS";
    QTest::newRow("fourth-all-right")
        << &content::fourthSet << Picks{0, 1, 4, -1, -1, -1, -1, -1} << "GGGSSSSS";
}

void TestSentenceWindow::verifyColoursKeyedRowsOnly() {
    QFETCH(SetPointer, set);
    QFETCH(Picks, picks);
    QFETCH(QString, colours);
    const DistinctSystemColours desktop;
    const OpenSentenceWindow window(*set);
    window.pick(picks);
    window.verify();
    QCOMPARE(window.colours(), colours);
}

void TestSentenceWindow::verifyChangesNothingButColours() {
    const OpenSentenceWindow window(content::secondSet);
    window.pick({0, 3, 1, 6, 2, -1, 9, 24});
    window.roleBox(6).setEditText("scritto a mano");
    const Picks before = window.picks();

    window.verify();
    const QString first = window.colours();
    window.verify();
    QCOMPARE(window.colours(), first);
    QCOMPARE(window.picks(), before);
    QCOMPARE(window.roleBox(6).currentText(), "scritto a mano");
    QCOMPARE(window.roleBox(2).currentText(), "Copula");
    for (int row = 1; row <= 8; ++row)
        QCOMPARE(window.roleBox(row).count(), 25);
    QCOMPARE(window.chunkBox(2).text(), "di madre");
}

void TestSentenceWindow::changedPickKeepsItsColourUntilTheNextVerify() {
    const OpenSentenceWindow window(content::firstSet);
    window.pick({0, 1, 4, 13, -1, -1, -1, -1});
    window.verify();
    window.roleBox(1).setCurrentIndex(2);
    QCOMPARE(window.colours().left(4), "GGGG");
    window.verify();
    QCOMPARE(window.colours().left(4), "RGGG");
}

void TestSentenceWindow::resetTurnsAllEightBlack() {
    const DistinctSystemColours desktop;
    const OpenSentenceWindow window(content::thirdSet);
    QCOMPARE(window.colours(), "SSSSSSSS");
    window.reset();
    QCOMPARE(window.colours(), "KKKKKKKK");
}

void TestSentenceWindow::resetKeepsSelectionsAndVerifyBringsVerdictsBack() {
    const OpenSentenceWindow window(content::firstSet);
    window.pick({0, 2, 4, 13, 7, -1, -1, 1});
    window.verify();
    const QString verdicts = window.colours();
    window.reset();
    QCOMPARE(window.colours(), "KKKKKKKK");
    QCOMPARE(window.picks(), (Picks{0, 2, 4, 13, 7, -1, -1, 1}));
    window.verify();
    QCOMPARE(window.colours(), verdicts);
}

void TestSentenceWindow::editedChunkBoxesDoNotMatter() {
    const DistinctSystemColours desktop;
    const OpenSentenceWindow window(content::firstSet);
    window.pick({0, 1, 4, 12, -1, -1, -1, -1});
    window.chunkBox(1).clear();
    window.chunkBox(3).setText("Soggetto");
    window.chunkBox(6).setText("un pezzo in pi\u00f9");
    window.verify();
    QCOMPARE(window.colours().left(5), "GGGRS");
}

void TestSentenceWindow::firstRoleBoxCanStartBlack() {
    const DistinctSystemColours desktop;
    const OpenSentenceWindow window(content::firstSet, FirstRoleBoxColour::Black);
    QCOMPARE(window.colours(), "KSSSSSSS");
}

void TestSentenceWindow::focusStartsInText1AndTabRunsDownEachColumn() {
    const OpenSentenceWindow window(content::secondSet);
    QVERIFY(QTest::qWaitForWindowActive(&*window));
    std::vector<std::string_view> expected(SentenceWindow::chunkBoxes.begin(),
                                           SentenceWindow::chunkBoxes.end());
    expected.insert(expected.end(), SentenceWindow::roleBoxes.begin(),
                    SentenceWindow::roleBoxes.end());
    expected.insert(expected.end(), {SentenceWindow::verifyButton, SentenceWindow::resetButton,
                                     SentenceWindow::chunkBoxes[0]});
    for (std::string_view name : expected) {
        QVERIFY(focusOwner());
        QCOMPARE(focusOwner()->objectName(), qtText(name));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
}

void TestSentenceWindow::keyboardPicksAreJudgedAndEnterPressesNothing() {
    const DistinctSystemColours desktop;
    const OpenSentenceWindow window(content::thirdSet);
    QVERIFY(QTest::qWaitForWindowActive(&*window));
    window.roleBox(2).setFocus();
    QTRY_COMPARE(focusOwner(), &window.roleBox(2));
    // Down from no selection lands on entry 0, then 1: "Predicato Verbale".
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(window.roleBox(2).currentIndex(), 1);
    QCOMPARE(window.roleBox(2).lineEdit()->cursorPosition(), 0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(window.colours().left(3), "SSS");
    QCOMPARE(window.roleBox(2).count(), 25);

    window.verify();
    QCOMPARE(window.colours().left(3), "RGR");
}

void TestSentenceWindow::dropDownShowsEveryEntryWhole() {
    const OpenSentenceWindow window(content::firstSet);
    QComboBox& box = window.roleBox(1);
    int widest = 0;
    for (int i = 0; i < box.count(); ++i)
        widest = std::max(widest, box.view()->fontMetrics().horizontalAdvance(box.itemText(i)));
    box.showPopup();
    QTRY_VERIFY(box.view()->isVisible());
    QVERIFY2(box.view()->viewport()->width() >= widest,
             qPrintable(QString("%1 < %2").arg(box.view()->viewport()->width()).arg(widest)));
    box.hidePopup();
}

QTEST_MAIN(TestSentenceWindow)
#include "tst_sentencewindow.moc"
