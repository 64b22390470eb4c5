// Soak: every window kind opened and closed a thousand times (ESERCIZIARIO_SOAK_CYCLES to
// change it). Under the asan preset LeakSanitizer checks at exit that nothing was lost; the
// benchmark measures the resident memory over the same cycles.
#include "program.h"

#include <QComboBox>
#include <QTest>

using app::Kind;
using exercises::SentenceWindow;

class TestSoak : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::quietOffscreenPlatform(); }
    void cleanup() { VERIFY_NO_WINDOW_LEFT(); }
    void everyKindOpensAndClosesAThousandTimes();
};

void TestSoak::everyKindOpensAndClosesAThousandTimes() {
    bool ok = false;
    int cycles = qEnvironmentVariableIntValue("ESERCIZIARIO_SOAK_CYCLES", &ok);
    if (!ok)
        cycles = 1000;
    app::Windows windows;
    for (int cycle = 0; cycle < cycles; ++cycle) {
        testsupport::ModalAnswer welcome([](QWidget& box) { box.close(); });
        for (const app::KindEntry& entry : app::windowKinds)
            windows.open(entry.kind);
        QVERIFY(welcome.fired());
        // Something to discard: a pick and its verdict.
        forms::Window& second = *windows.window(Kind::Secondo);
        second.control<QComboBox>(SentenceWindow::roleBoxes[1]).setCurrentIndex(24);
        QTest::mouseClick(&second.control<QWidget>(SentenceWindow::verifyButton), Qt::LeftButton);
        for (const app::KindEntry& entry : app::windowKinds) {
            QVERIFY(windows.isOpen(entry.kind));
            windows.window(entry.kind)->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QVERIFY(testsupport::leftoverWindows().isEmpty());
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
