// Random pupils: seeded sequences of clicks, picks, typing, keys and closings against the real
// program in-process, with the program's invariants checked after every event.
//   ESERCIZIARIO_MONKEY_EVENTS  how many events (10000 by default)
//   ESERCIZIARIO_MONKEY_SEED    the seed to replay (a failure prints it with its event trail)
#include "content/roles.h"
#include "content/sentences.h"
#include "content/verbs.h"
#include "program.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <cstdio>
#include <deque>
#include <random>

using app::Kind;
using exercises::SentenceWindow;
using exercises::VerbWindow;
using testsupport::DistinctSystemColours;
using testsupport::textColour;

namespace {

const QColor lightGreen(128, 255, 128), green(0, 255, 0), red(255, 0, 0), black(0, 0, 0);

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QString nameOf(Kind kind) {
    return fromUtf8(app::entryOf(kind).name);
}

// Everything in a window that verify and reset must leave alone.
struct Contents {
    QStringList texts;
    QList<int> selections;
    QList<QStringList> lists;
    bool operator==(const Contents&) const = default;

    static Contents of(const QWidget& window) {
        Contents contents;
        for (const QLineEdit* box : window.findChildren<QLineEdit*>())
            contents.texts << box->text();
        for (const QComboBox* box : window.findChildren<QComboBox*>()) {
            contents.selections << box->currentIndex();
            QStringList list;
            for (int i = 0; i < box->count(); ++i)
                list << box->itemText(i);
            contents.lists << list;
        }
        return contents;
    }
};

// The boxes whose text colour carries a verdict, in order: role boxes or answer boxes.
QList<QWidget*> verdictBoxes(const forms::Window& window) {
    QList<QWidget*> boxes;
    if (qobject_cast<const SentenceWindow*>(&window))
        for (std::string_view name : SentenceWindow::roleBoxes)
            boxes << &window.control<QWidget>(name);
    else if (qobject_cast<const VerbWindow*>(&window))
        for (std::string_view name : VerbWindow::answerBoxes)
            boxes << &window.control<QWidget>(name);
    return boxes;
}

QList<QColor> coloursOf(const forms::Window& window) {
    QList<QColor> colours;
    for (const QWidget* box : verdictBoxes(window))
        colours << textColour(*box);
    return colours;
}

class Monkey {
public:
    Monkey(quint32 seed, int events)
        : random_(seed)
        , seed_(seed)
        , events_(events) {}

    // Runs the program again and again until the events are spent; empty when all went well.
    QString run() {
        while (done_ < events_ && failure_.isEmpty())
            runProgram();
        return failure_;
    }
    QString summary() const {
        return QString("%1 events in %2 runs of the program: %3 verifies, %4 resets")
            .arg(done_)
            .arg(programs_)
            .arg(verifies_)
            .arg(resets_);
    }

private:
    // What a random pupil does, with how often, out of the sum of the weights.
    struct Action {
        int weight;
        void (Monkey::*act)(Kind kind, forms::Window& window);
    };
    static const std::array<Action, 9> actions;

    void runProgram() {
        ++programs_;
        testsupport::Program program([](QWidget& box) { box.close(); });
        program_ = &program;
        watchNewWindows();

        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [this] {
            fail("the event loop went on after the last window closed, or hung");
            QApplication::exit(-1);
        });
        std::function<void()> step = [&] {
            if (openKinds().isEmpty())
                return; // the loop must now end by itself
            if (done_ >= events_ || !failure_.isEmpty()) {
                for (Kind kind : openKinds())
                    program.window(kind).close();
                return;
            }
            oneEvent();
            watchdog.start(10000);
            QTimer::singleShot(0, step);
        };
        watchdog.start(10000);
        const int exitCode = testsupport::runEventLoop(step, 24 * 3600 * 1000);
        if (exitCode != 0)
            fail(QString("the program ended with exit code %1").arg(exitCode));
        else if (!openKinds().isEmpty())
            fail("the program ended with windows still open");
        program_ = nullptr;
    }

    QList<Kind> openKinds() const {
        QList<Kind> open;
        for (const app::KindEntry& entry : app::windowKinds)
            if (program_->windows.isOpen(entry.kind))
                open << entry.kind;
        return open;
    }

    int below(int n) { return n <= 1 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(random_); }
    template <class T> const T& oneOf(const QList<T>& items) {
        return items[below(int(items.size()))];
    }
    bool chance(int percent) { return below(100) < percent; }

    void note(const QString& event) {
        trail_.push_back(QString("#%1 %2").arg(done_).arg(event));
        if (trail_.size() > 200)
            trail_.pop_front();
    }
    void fail(const QString& what) {
        if (!failure_.isEmpty())
            return;
        QStringList lines{QString("seed %1, event %2 of program run %3: %4")
                              .arg(seed_)
                              .arg(done_)
                              .arg(programs_)
                              .arg(what),
                          "replay with ESERCIZIARIO_MONKEY_SEED=" + QString::number(seed_) +
                              "; the events before it:"};
        for (const QString& event : trail_)
            lines << "  " + event;
        failure_ = lines.join('\n');
    }

    // Verify and reset are judged where they happen, however they were pressed (mouse, Space,
    // Enter): the contents when the button goes down, the colours right after its handler. A
    // click can change a role box before that, when leaving it makes Qt pick a typed entry.
    // A window's first colours are kept as it opens, for the invariants.
    void watchNewWindows() {
        for (Kind kind : openKinds()) {
            forms::Window& window = program_->window(kind);
            if (window.property("monkeyWatched").toBool() || verdictBoxes(window).isEmpty())
                continue;
            window.setProperty("monkeyWatched", true);
            window.setProperty("initialColours", QVariant::fromValue(coloursOf(window)));
            const bool sentence = qobject_cast<SentenceWindow*>(&window);
            const std::string_view verifyButton =
                sentence ? SentenceWindow::verifyButton : VerbWindow::verifyButton;
            const std::string_view resetButton =
                sentence ? SentenceWindow::resetButton : VerbWindow::resetButton;
            for (std::string_view name : {verifyButton, resetButton}) {
                auto& button = window.control<QPushButton>(name);
                const bool verify = name == verifyButton;
                QObject::connect(&button, &QPushButton::pressed, &window, [this, &window] {
                    pressedContents_ = Contents::of(window);
                    pressedColours_ = coloursOf(window);
                });
                // Connected after the window's own handler, so it runs right after it.
                QObject::connect(
                    &button, &QPushButton::clicked, &window, [this, &window, kind, verify] {
                        ++(verify ? verifies_ : resets_);
                        if (Contents::of(window) != pressedContents_)
                            return fail("verify or reset changed a text, a "
                                        "selection or a list in " +
                                        nameOf(kind));
                        if (auto* verbs = qobject_cast<VerbWindow*>(&window))
                            checkVerbVerdicts(*verbs, verify);
                        else
                            checkSentenceVerdicts(static_cast<SentenceWindow&>(window), verify);
                    });
            }
        }
    }

    void oneEvent() {
        const Kind kind = oneOf(openKinds());
        int roll = below(totalWeight());
        for (const Action& action : actions) {
            if (roll < action.weight) {
                (this->*action.act)(kind, program_->window(kind));
                break;
            }
            roll -= action.weight;
        }
        ++done_;
        watchNewWindows();
        checkInvariants();
    }
    static int totalWeight() {
        int total = 0;
        for (const Action& action : actions)
            total += action.weight;
        return total;
    }

    void clickAnOpener(Kind, forms::Window&) {
        QList<const app::KindEntry*> usable;
        for (const app::KindEntry& entry : app::windowKinds)
            if (entry.openedBy && program_->windows.isOpen(entry.openedBy->window))
                usable << &entry;
        if (usable.isEmpty())
            return note("no opener is open");
        const app::KindEntry& entry = *oneOf(usable);
        note(QString("open %1 with %2.%3")
                 .arg(nameOf(entry.kind), nameOf(entry.openedBy->window),
                      fromUtf8(entry.openedBy->control)));
        program_->openByClick(entry.kind);
    }

    void clickAnyControl(Kind kind, forms::Window& window) {
        QList<QWidget*> controls;
        for (QWidget* control : window.findChildren<QWidget*>())
            if (!control->objectName().isEmpty() && !control->objectName().startsWith("qt_"))
                controls << control;
        QWidget* control = oneOf(controls);
        note(QString("click %1.%2").arg(nameOf(kind), control->objectName()));
        QTest::mouseClick(control, Qt::LeftButton, {},
                          QPoint(below(control->width()), below(control->height())));
    }

    void moveInARoleBox(Kind kind, forms::Window& window) {
        QComboBox* box = someRoleBox(window);
        if (!box)
            return;
        static const QList<Qt::Key> keys{Qt::Key_Down,   Qt::Key_Up,   Qt::Key_PageDown,
                                         Qt::Key_PageUp, Qt::Key_Home, Qt::Key_End};
        const Qt::Key key = oneOf(keys);
        note(QString("key %1 in %2.%3")
                 .arg(QKeySequence(key).toString(), nameOf(kind), box->objectName()));
        box->setFocus();
        QTest::keyClick(box->lineEdit(), key);
    }

    void pickWithTheMouse(Kind kind, forms::Window& window) {
        QComboBox* box = someRoleBox(window);
        if (!box)
            return;
        box->showPopup();
        const int entry = below(box->count());
        note(QString("pick entry %1 with the mouse in %2.%3")
                 .arg(entry)
                 .arg(nameOf(kind), box->objectName()));
        QAbstractItemView* list = box->view();
        const QModelIndex index = list->model()->index(entry, 0);
        list->scrollTo(index);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
        box->hidePopup();
    }

    void typeIntoABox(Kind kind, forms::Window& window) {
        const QList<QLineEdit*> boxes = window.findChildren<QLineEdit*>();
        if (boxes.isEmpty())
            return;
        QLineEdit* box = oneOf(boxes);
        const QString text = randomText();
        note(QString("type %1 characters into %2.%3")
                 .arg(text.size())
                 .arg(nameOf(kind), box->parentWidget() == &window
                                        ? box->objectName()
                                        : box->parentWidget()->objectName()));
        box->setFocus();
        if (chance(50))
            box->clear();
        if (text.size() <= 40)
            typeKeys(box, text);
        else
            box->insert(text); // pasted: typing it key by key would take minutes
    }

    void pressAKey(Kind, forms::Window& window) {
        static const QList<Qt::Key> keys{Qt::Key_Tab,   Qt::Key_Backtab, Qt::Key_Return,
                                         Qt::Key_Enter, Qt::Key_Space,   Qt::Key_Escape};
        const Qt::Key key = oneOf(keys);
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &window;
        note(QString("key %1 to %2").arg(QKeySequence(key).toString(), target->objectName()));
        QTest::keyClick(target, key);
    }

    void pressVerifyOrReset(Kind kind, forms::Window& window) {
        const bool sentence = qobject_cast<SentenceWindow*>(&window);
        if (!sentence && !qobject_cast<VerbWindow*>(&window))
            return;
        const bool verify = chance(70);
        const std::string_view button =
            sentence ? (verify ? SentenceWindow::verifyButton : SentenceWindow::resetButton)
                     : (verify ? VerbWindow::verifyButton : VerbWindow::resetButton);
        note(QString("press %1.%2").arg(nameOf(kind), fromUtf8(button)));
        QTest::mouseClick(&window.control<QPushButton>(button), Qt::LeftButton);
    }

    void bringToTheFront(Kind kind, forms::Window& window) {
        note("bring " + nameOf(kind) + " to the front");
        window.raise();
        window.activateWindow();
    }

    void closeTheWindow(Kind kind, forms::Window& window) {
        note("close " + nameOf(kind));
        window.close();
    }

    // One key event per character, so accents, emoji and combining marks arrive as typed.
    static void typeKeys(QLineEdit* box, const QString& text) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, text.mid(i, length),
                                Qt::NoModifier);
            i += length - 1;
        }
    }

    QComboBox* someRoleBox(forms::Window& window) {
        const QList<QComboBox*> boxes = window.findChildren<QComboBox*>();
        return boxes.isEmpty() ? nullptr : oneOf(boxes);
    }

    QString randomText() {
        if (chance(25)) {
            // Right answers and catalogue entries, so right verdicts happen too.
            if (chance(50))
                return fromUtf8(content::verbItems[below(4)].infinitive);
            return fromUtf8(content::roleCatalogue[below(25)]);
        }
        static const QString pieces[] = {"abcdefghilmnopqrstuvzABCDEFGHILMNOPQRSTUVZ  '",
                                         u"\u00e0\u00e8\u00e9\u00ec\u00f2\u00f9\u00c8"_qs,
                                         u"\U0001F600\U0001F4DA\u2764\uFE0F"_qs,
                                         u"a\u0301e\u0300o\u0308"_qs, "0123456789.,;:!?-"};
        const QString& pool = pieces[below(5)];
        const int length = chance(1) ? 1000 + below(99'001) : below(21);
        QString text;
        text.reserve(length);
        while (text.size() < length) {
            const int at = below(int(pool.size()));
            // Keep surrogate pairs whole.
            if (pool[at].isLowSurrogate())
                continue;
            text += pool[at];
            if (pool[at].isHighSurrogate())
                text += pool[at + 1];
        }
        return text;
    }

    // After every event: one window per open kind, full catalogues, colours a box may show.
    void checkInvariants() {
        const qsizetype shown = testsupport::openWindows().size();
        if (shown != openKinds().size())
            return fail(QString("%1 windows are open for %2 window kinds")
                            .arg(shown)
                            .arg(openKinds().size()));

        for (Kind kind : openKinds()) {
            forms::Window& window = program_->window(kind);
            if (auto* sentence = qobject_cast<SentenceWindow*>(&window))
                checkSentenceWindow(kind, *sentence);
            else if (qobject_cast<VerbWindow*>(&window))
                checkColours(kind, window, {green, red, DistinctSystemColours::windowText});
            if (!failure_.isEmpty())
                return;
        }
    }

    // A box shows its first colour or one the handlers set.
    void checkColours(Kind kind, const forms::Window& window, const QList<QColor>& settable) {
        const auto initial = window.property("initialColours").value<QList<QColor>>();
        const QList<QColor> now = coloursOf(window);
        for (qsizetype i = 0; i < now.size(); ++i)
            if (now[i] != initial.value(i) && !settable.contains(now[i]))
                return fail(
                    QString("%1 box %2 shows %3").arg(nameOf(kind)).arg(i + 1).arg(now[i].name()));
    }

    void checkSentenceWindow(Kind kind, const SentenceWindow& window) {
        for (int row = 1; row <= content::rowCount; ++row) {
            auto& box = window.control<QComboBox>(SentenceWindow::roleBoxes[row - 1]);
            if (box.count() != 25)
                return fail(QString("%1.%2 lists %3 entries")
                                .arg(nameOf(kind), box.objectName())
                                .arg(box.count()));
            for (int i = 0; i < 25; ++i)
                if (box.itemText(i) != fromUtf8(content::roleCatalogue[i]))
                    return fail(QString("%1.%2 entry %3 reads %4")
                                    .arg(nameOf(kind), box.objectName())
                                    .arg(i)
                                    .arg(box.itemText(i)));
        }
        checkColours(kind, window, {lightGreen, red, black});
    }

    void checkSentenceVerdicts(const SentenceWindow& window, bool verified) {
        const QList<QColor> now = coloursOf(window);
        for (int row = 1; row <= content::rowCount; ++row) {
            const int selection =
                window.control<QComboBox>(SentenceWindow::roleBoxes[row - 1]).currentIndex();
            const auto verdict = content::judgeRow(window.sentenceSet(), row, selection);
            const QColor expected = !verified                            ? black
                                    : verdict == content::Verdict::Right ? lightGreen
                                    : verdict == content::Verdict::Wrong ? red
                                                                         : pressedColours_[row - 1];
            if (now[row - 1] != expected)
                return fail(QString("after %1, row %2 (pick %3) shows %4, not %5")
                                .arg(verified ? "verify" : "reset")
                                .arg(row)
                                .arg(selection)
                                .arg(now[row - 1].name(), expected.name()));
        }
    }

    void checkVerbVerdicts(const VerbWindow& window, bool verified) {
        for (std::size_t item = 0; item < VerbWindow::itemCount; ++item) {
            auto& box = window.control<QLineEdit>(VerbWindow::answerBoxes[item]);
            const bool right = box.text().toStdString() == content::verbItems[item].infinitive;
            const QColor expected =
                verified ? (right ? green : red) : DistinctSystemColours::windowText;
            if (textColour(box) != expected)
                return fail(QString("after %1, answer %2 (%3 characters) shows %4, not %5")
                                .arg(verified ? "verify" : "reset")
                                .arg(item + 1)
                                .arg(box.text().size())
                                .arg(textColour(box).name(), expected.name()));
        }
    }

    std::mt19937 random_;
    quint32 seed_;
    int events_;
    int done_ = 0;
    int programs_ = 0;
    int verifies_ = 0, resets_ = 0;
    testsupport::Program* program_ = nullptr;
    Contents pressedContents_;
    QList<QColor> pressedColours_;
    std::deque<QString> trail_;
    QString failure_;
};

const std::array<Monkey::Action, 9> Monkey::actions{{
    {15, &Monkey::clickAnOpener},
    {12, &Monkey::clickAnyControl},
    {13, &Monkey::moveInARoleBox},
    {10, &Monkey::pickWithTheMouse},
    {15, &Monkey::typeIntoABox},
    {12, &Monkey::pressAKey},
    {15, &Monkey::pressVerifyOrReset},
    {4, &Monkey::bringToTheFront},
    {4, &Monkey::closeTheWindow},
}};

} // namespace

class TestMonkey : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        testsupport::quietOffscreenPlatform();
        forms::applyLook(*qApp);
    }
    void cleanup() { VERIFY_NO_WINDOW_LEFT(); }
    void randomPupilsBreakNothing();
};

void TestMonkey::randomPupilsBreakNothing() {
    const DistinctSystemColours desktop;
    bool ok = false;
    int events = qEnvironmentVariableIntValue("ESERCIZIARIO_MONKEY_EVENTS", &ok);
    if (!ok)
        events = 10'000;
    const quint32 seed = qEnvironmentVariableIsSet("ESERCIZIARIO_MONKEY_SEED")
                             ? quint32(qEnvironmentVariableIntValue("ESERCIZIARIO_MONKEY_SEED"))
                             : 20261211u;
    Monkey monkey(seed, events);
    const QString failure = monkey.run();
    if (!failure.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(failure));
    QVERIFY2(failure.isEmpty(), qPrintable(failure.section('\n', 0, 0)));
    qInfo("%s, seed %u", qPrintable(monkey.summary()), seed);
}

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
