// Soak: every window kind opened and closed a thousand times (ESERCIZIARIO_SOAK_CYCLES to
// change it). Under the asan preset LeakSanitizer checks at exit that nothing was lost; the
// benchmark measures the resident memory over the same cycles.
#include "app/windowkinds.h"
#include "testsupport.h"

#include <QComboBox>
#include <QTest>

class TestSoak : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::quietOffscreenPlatform(); }
    void everyKindOpensAndClosesAThousandTimes();
};

void TestSoak::everyKindOpensAndClosesAThousandTimes() {
    bool ok = false;
    int cycles = qEnvironmentVariableIntValue("ESERCIZIARIO_SOAK_CYCLES", &ok);
    if (!ok)
        cycles = 1000;
    constexpr const char* kinds[] = {"Form1",   "Form2",  "Form3", "primo",
                                     "Secondo", "terzoo", "quarto"};
    forms::WindowKinds table;
    app::addWindowKinds(table);
    for (int cycle = 0; cycle < cycles; ++cycle) {
        testsupport::ModalAnswer welcome([](QWidget& box) { box.close(); });
        for (const char* kind : kinds)
            table.open(kind);
        QVERIFY(welcome.fired());
        // Something to discard: a pick, a verdict and a typed answer.
        table["Secondo"].window()->control<QComboBox>("Combo2").setCurrentIndex(24);
        QTest::mouseClick(&table["Secondo"].window()->control<QWidget>("Command1"), Qt::LeftButton);
        for (const char* kind : kinds) {
            QVERIFY(table[kind].isOpen());
            table[kind].window()->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    int windows = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        windows += qobject_cast<forms::Window*>(widget) ? 1 : 0;
    QCOMPARE(windows, 0);
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
