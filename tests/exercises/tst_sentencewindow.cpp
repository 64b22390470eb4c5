// The sentence exercise window, driven through its real widgets: load step, verify, reset,
// focus and the role boxes' lists.
#include "content/roles.h"
#include "exercises/sentencewindow.h"
#include "testsupport.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

using exercises::FirstRoleBox;
using exercises::SentenceWindow;
using testsupport::DistinctSystemColours;
using testsupport::focusOwner;
using testsupport::textColour;

namespace {

using Picks = std::array<int, 8>;

// A window kind of its own, opened as the program opens it: built, loaded, shown, active.
class OpenSentenceWindow {
public:
    explicit OpenSentenceWindow(const QByteArray& kind,
                                FirstRoleBox firstRoleBox = FirstRoleBox::SystemColour) {
        const content::SentenceSet* set = content::sentenceSetOf(kind.toStdString());
        Q_ASSERT(set);
        kinds_.add("window", [set, firstRoleBox] {
            return std::make_unique<SentenceWindow>(*set, firstRoleBox);
        });
        kinds_.open("window");
    }
    SentenceWindow& operator*() const {
        return static_cast<SentenceWindow&>(*kinds_["window"].window());
    }
    SentenceWindow* operator->() const { return &**this; }

    QComboBox& roleBox(int row) const { return (*this)->control<QComboBox>(name("Combo", row)); }
    QLineEdit& chunkBox(int row) const { return (*this)->control<QLineEdit>(name("Text", row)); }
    void press(const char* button) const {
        QTest::mouseClick(&(*this)->control<QPushButton>(button), Qt::LeftButton);
    }
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

private:
    static std::string name(const char* prefix, int row) { return prefix + std::to_string(row); }
    mutable forms::WindowKinds kinds_;
};

} // namespace

class TestSentenceWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::quietOffscreenPlatform(); }
    void cleanup() { testsupport::discardAllWindows(); }

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
    QTest::addColumn<QByteArray>("kind");
    for (const auto& [kind, set] : content::sentenceKinds)
        QTest::newRow(kind.data()) << QByteArray(kind.data(), qsizetype(kind.size()));
}

void TestSentenceWindow::loadFillsEveryRoleBoxWithTheCatalogue() {
    QFETCH(QByteArray, kind);
    const DistinctSystemColours desktop;
    const OpenSentenceWindow window(kind);
    const auto& set = *content::sentenceSetOf(kind.toStdString());

    QCOMPARE(window->windowTitle(), "Prima frase");
    QCOMPARE(window->size(), QSize(495, 228));
    QCOMPARE(window->control<QLabel>("Label1").text(), QString::fromUtf8(set.sentence.data()));
    for (int row = 1; row <= 8; ++row) {
        QComboBox& box = window.roleBox(row);
        QCOMPARE(box.count(), 25);
        for (int i = 0; i < 25; ++i)
            QCOMPARE(box.itemText(i), QString::fromUtf8(content::roleCatalogue[i].data()));
        QCOMPARE(box.currentIndex(), -1);
        QCOMPARE(box.currentText(), QString());
        QCOMPARE(textColour(box), desktop.windowText);
        QCOMPARE(
            window.chunkBox(row).text(),
            QString::fromUtf8(set.row(row).chunk.data(), qsizetype(set.row(row).chunk.size())));
    }
}

void TestSentenceWindow::layoutPlacesRowsBesideEachOther() {
    const OpenSentenceWindow window("primo");
    for (int row = 1; row <= 8; ++row) {
        const int top = (480 + 360 * (row - 1)) / 15;
        QCOMPARE(window.chunkBox(row).geometry(), QRect(8, top, 121, 19));
        QCOMPARE(window.roleBox(row).geometry(), QRect(144, top, 145, 21));
    }
    QCOMPARE(window->control<QLabel>("Label1").geometry(), QRect(8, 8, 473, 17));
    QCOMPARE(window->control<QPushButton>("Command1").geometry(), QRect(296, 32, 193, 25));
    QCOMPARE(window->control<QPushButton>("Command1").text(), "Verifica risposte");
    QCOMPARE(window->control<QPushButton>("Command2").geometry(), QRect(296, 64, 193, 25));
    QCOMPARE(window->control<QPushButton>("Command2").text(), "Resetta");
}

void TestSentenceWindow::verifyColoursKeyedRowsOnly_data() {
    QTest::addColumn<QByteArray>("kind");
    QTest::addColumn<Picks>("picks");
    QTest::addColumn<QString>("colours");

    QTest::newRow("primo-nothing-picked")
        << QByteArray("primo") << Picks{-1, -1, -1, -1, -1, -1, -1, -1} << "RRRRSSSS";
    QTest::newRow("terzoo-nothing-picked")
        << QByteArray("terzoo") << Picks{-1, -1, -1, -1, -1, -1, -1, -1} << "RRRSSSSS";
    QTest::newRow("primo-all-right")
        << QByteArray("primo") << Picks{0, 1, 4, 13, -1, -1, -1, -1} << "GGGGSSSS";
    QTest::newRow("primo-row3-second-Complemento-Oggetto")
        << QByteArray("primo") << Picks{0, 1, 6, 13, -1, -1, -1, -1} << "GGGGSSSS";
    QTest::newRow("primo-row3-other-complement")
        << QByteArray("primo") << Picks{0, 1, 5, 13, -1, -1, -1, -1} << "GGRGSSSS";
    QTest::newRow("primo-Soggetto-everywhere")
        << QByteArray("primo") << Picks{0, 0, 0, 0, 0, 0, 0, 0} << "GRRRSSSS";
    QTest::newRow("Secondo-all-right")
        << QByteArray("Secondo") << Picks{0, 24, 1, 4, -1, -1, -1, -1} << "GGGGSSSS";
    QTest::newRow("Secondo-row4-second-Complemento-Oggetto")
        << QByteArray("Secondo") << Picks{0, 24, 1, 6, -1, -1, -1, -1} << "GGGGSSSS";
    QTest::newRow("Secondo-keys-in-row-order")
        << QByteArray("Secondo") << Picks{0, 1, 24, 4, -1, -1, -1, -1} << "GRRGSSSS";
    QTest::newRow("terzoo-all-right-row4-picked")
        << QByteArray("terzoo") << Picks{0, 1, 20, 4, 5, 6, 7, 8} << "GGGSSSSS";
    QTest::newRow("terzoo-row3-predicative-of-object")
        << QByteArray("terzoo") << Picks{0, 1, 19, 0, -1, -1, -1, -1} << "GGRSSSSS";
    QTest::newRow("quarto-all-right")
        << QByteArray("quarto") << Picks{0, 1, 4, -1, -1, -1, -1, -1} << "GGGSSSSS";
}

void TestSentenceWindow::verifyColoursKeyedRowsOnly() {
    QFETCH(QByteArray, kind);
    QFETCH(Picks, picks);
    QFETCH(QString, colours);
    const DistinctSystemColours desktop;
    const OpenSentenceWindow window(kind);
    window.pick(picks);
    window.press("Command1");
    QCOMPARE(window.colours(), colours);
}

void TestSentenceWindow::verifyChangesNothingButColours() {
    const OpenSentenceWindow window("Secondo");
    window.pick({0, 3, 1, 6, 2, -1, 9, 24});
    window.roleBox(6).setEditText("scritto a mano");
    const Picks before = window.picks();

    window.press("Command1");
    const QString first = window.colours();
    window.press("Command1");
    QCOMPARE(window.colours(), first);
    QCOMPARE(window.picks(), before);
    QCOMPARE(window.roleBox(6).currentText(), "scritto a mano");
    QCOMPARE(window.roleBox(2).currentText(), "Copula");
    for (int row = 1; row <= 8; ++row)
        QCOMPARE(window.roleBox(row).count(), 25);
    QCOMPARE(window.chunkBox(2).text(), "di madre");
}

void TestSentenceWindow::changedPickKeepsItsColourUntilTheNextVerify() {
    const OpenSentenceWindow window("primo");
    window.pick({0, 1, 4, 13, -1, -1, -1, -1});
    window.press("Command1");
    window.roleBox(1).setCurrentIndex(2);
    QCOMPARE(window.colours().left(4), "GGGG");
    window.press("Command1");
    QCOMPARE(window.colours().left(4), "RGGG");
}

void TestSentenceWindow::resetTurnsAllEightBlack() {
    const DistinctSystemColours desktop;
    const OpenSentenceWindow window("terzoo");
    QCOMPARE(window.colours(), "SSSSSSSS");
    window.press("Command2");
    QCOMPARE(window.colours(), "KKKKKKKK");
}

void TestSentenceWindow::resetKeepsSelectionsAndVerifyBringsVerdictsBack() {
    const OpenSentenceWindow window("primo");
    window.pick({0, 2, 4, 13, 7, -1, -1, 1});
    window.press("Command1");
    const QString verdicts = window.colours();
    window.press("Command2");
    QCOMPARE(window.colours(), "KKKKKKKK");
    QCOMPARE(window.picks(), (Picks{0, 2, 4, 13, 7, -1, -1, 1}));
    window.press("Command1");
    QCOMPARE(window.colours(), verdicts);
}

void TestSentenceWindow::editedChunkBoxesDoNotMatter() {
    const DistinctSystemColours desktop;
    const OpenSentenceWindow window("primo");
    window.pick({0, 1, 4, 12, -1, -1, -1, -1});
    window.chunkBox(1).clear();
    window.chunkBox(3).setText("Soggetto");
    window.chunkBox(6).setText("un pezzo in pi\u00f9");
    window.press("Command1");
    QCOMPARE(window.colours().left(5), "GGGRS");
}

void TestSentenceWindow::firstRoleBoxCanStartBlack() {
    const DistinctSystemColours desktop;
    const OpenSentenceWindow window("primo", FirstRoleBox::Black);
    QCOMPARE(window.colours(), "KSSSSSSS");
}

void TestSentenceWindow::focusStartsInText1AndTabRunsDownEachColumn() {
    const OpenSentenceWindow window("Secondo");
    QVERIFY(QTest::qWaitForWindowActive(&*window));
    QStringList expected;
    for (int row = 1; row <= 8; ++row)
        expected << QString("Text%1").arg(row);
    for (int row = 1; row <= 8; ++row)
        expected << QString("Combo%1").arg(row);
    expected << "Command1"
             << "Command2"
             << "Text1";
    for (const QString& name : expected) {
        QVERIFY(focusOwner());
        QCOMPARE(focusOwner()->objectName(), name);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
}

void TestSentenceWindow::keyboardPicksAreJudgedAndEnterPressesNothing() {
    const DistinctSystemColours desktop;
    const OpenSentenceWindow window("terzoo");
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

    window.press("Command1");
    QCOMPARE(window.colours().left(3), "RGR");
}

void TestSentenceWindow::dropDownShowsEveryEntryWhole() {
    const OpenSentenceWindow window("primo");
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
