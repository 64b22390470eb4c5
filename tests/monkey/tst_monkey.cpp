// Random pupils: seeded sequences of clicks, picks, typing, keys and closings against the real
// program in-process, with the program's invariants checked after every event.
//   ESERCIZIARIO_MONKEY_EVENTS  how many events (10000 by default)
//   ESERCIZIARIO_MONKEY_SEED    the seed to replay (a failure prints it with its event trail)
#include "app/windowkinds.h"
#include "content/roles.h"
#include "content/sentences.h"
#include "content/verbs.h"
#include "testsupport.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <cstdio>
#include <deque>
#include <map>
#include <random>

using testsupport::DistinctSystemColours;
using testsupport::textColour;

namespace {

const QColor lightGreen(128, 255, 128), green(0, 255, 0), red(255, 0, 0), black(0, 0, 0);

constexpr std::string_view allKinds[] = {"Form1",   "Form2",  "Form3", "primo",
                                         "Secondo", "terzoo", "quarto"};

struct Opener {
    std::string_view window, control, opens;
};
constexpr Opener openers[] = {
    {"Form1", "Command1", "Form3"}, {"Form1", "Command2", "Form2"}, {"Form2", "Label2", "primo"},
    {"Form2", "Label3", "Secondo"}, {"Form2", "Label4", "terzoo"},  {"Form2", "Label5", "quarto"},
};

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
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
    void runProgram() {
        ++programs_;
        forms::WindowKinds kinds;
        kinds_ = &kinds;
        app::addWindowKinds(kinds);
        testsupport::ModalAnswer welcome([](QWidget& box) { box.close(); });
        kinds.open("Form1");
        connectNewWindows();

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
                for (std::string_view kind : allKinds)
                    if (kinds[kind].isOpen())
                        kinds[kind].window()->close();
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
            fail("the program ended with windows still open: " + openKinds().join(", "));
        testsupport::discardAllWindows();
        kinds_ = nullptr;
    }

    QStringList openKinds() const {
        QStringList open;
        for (std::string_view kind : allKinds)
            if ((*kinds_)[kind].isOpen())
                open << fromUtf8(kind);
        return open;
    }
    forms::Window& window(const QString& kind) const {
        return *(*kinds_)[kind.toStdString()].window();
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
    void connectNewWindows() {
        for (const QString& kind : openKinds()) {
            forms::Window& w = window(kind);
            if (w.property("monkeyWatched").toBool() || kind == "Form1" || kind == "Form2")
                continue;
            w.setProperty("monkeyWatched", true);
            for (const char* name : {"Command1", "Command2"}) {
                auto& button = w.control<QPushButton>(name);
                const bool verify = std::string_view(name) == "Command1";
                QObject::connect(&button, &QPushButton::pressed, &w, [this, kind] {
                    pressedContents_ = Contents::of(window(kind));
                    pressedColours_ = colours(kind);
                });
                // Connected after the window's own handler, so it runs right after it.
                QObject::connect(&button, &QPushButton::clicked, &w, [this, kind, verify] {
                    ++(verify ? verifies_ : resets_);
                    if (Contents::of(window(kind)) != pressedContents_)
                        return fail("verify or reset changed a text, a selection or a list in " +
                                    kind);
                    if (kind == "Form3")
                        checkVerbVerdicts(verify);
                    else
                        checkSentenceVerdicts(kind, verify);
                });
            }
        }
    }

    void oneEvent() {
        act();
        ++done_;
        connectNewWindows();
        checkInvariants();
    }

    void act() {
        const QStringList open = openKinds();
        const QString kind = oneOf(open);
        forms::Window& w = window(kind);
        const int roll = below(100);
        if (roll < 15) {
            QList<Opener> usable;
            for (const Opener& opener : openers)
                if (open.contains(fromUtf8(opener.window)))
                    usable << opener;
            if (usable.isEmpty())
                return note("no opener is open");
            const Opener& opener = oneOf(usable);
            note(QString("open %1 with %2.%3")
                     .arg(fromUtf8(opener.opens), fromUtf8(opener.window),
                          fromUtf8(opener.control)));
            QTest::mouseClick(&window(fromUtf8(opener.window)).control<QWidget>(opener.control),
                              Qt::LeftButton);
        } else if (roll < 27) {
            QList<QWidget*> controls;
            for (QWidget* control : w.findChildren<QWidget*>())
                if (!control->objectName().isEmpty() && !control->objectName().startsWith("qt_"))
                    controls << control;
            QWidget* control = oneOf(controls);
            note(QString("click %1.%2").arg(kind, control->objectName()));
            QTest::mouseClick(control, Qt::LeftButton, {},
                              QPoint(below(control->width()), below(control->height())));
        } else if (roll < 40) {
            if (QComboBox* box = someRoleBox(w)) {
                static const QList<Qt::Key> keys{Qt::Key_Down,   Qt::Key_Up,   Qt::Key_PageDown,
                                                 Qt::Key_PageUp, Qt::Key_Home, Qt::Key_End};
                const Qt::Key key = oneOf(keys);
                note(QString("key %1 in %2.%3")
                         .arg(QKeySequence(key).toString(), kind, box->objectName()));
                box->setFocus();
                QTest::keyClick(box->lineEdit(), key);
            }
        } else if (roll < 50) {
            if (QComboBox* box = someRoleBox(w)) {
                box->showPopup();
                const int entry = below(box->count());
                note(QString("pick entry %1 with the mouse in %2.%3")
                         .arg(entry)
                         .arg(kind, box->objectName()));
                QAbstractItemView* list = box->view();
                const QModelIndex index = list->model()->index(entry, 0);
                list->scrollTo(index);
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                                  list->visualRect(index).center());
                box->hidePopup();
            }
        } else if (roll < 65) {
            const QList<QLineEdit*> boxes = w.findChildren<QLineEdit*>();
            if (!boxes.isEmpty()) {
                QLineEdit* box = oneOf(boxes);
                const QString text = randomText();
                note(QString("type %1 characters into %2.%3")
                         .arg(text.size())
                         .arg(kind, box->parentWidget() == &w ? box->objectName()
                                                              : box->parentWidget()->objectName()));
                box->setFocus();
                if (chance(50))
                    box->clear();
                if (text.size() <= 40)
                    typeKeys(box, text);
                else
                    box->insert(text); // pasted: typing it key by key would take minutes
            }
        } else if (roll < 77) {
            static const QList<Qt::Key> keys{Qt::Key_Tab,   Qt::Key_Backtab, Qt::Key_Return,
                                             Qt::Key_Enter, Qt::Key_Space,   Qt::Key_Escape};
            const Qt::Key key = oneOf(keys);
            QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &w;
            note(QString("key %1 to %2").arg(QKeySequence(key).toString(), target->objectName()));
            QTest::keyClick(target, key);
        } else if (roll < 92) {
            if (w.findChild<QPushButton*>("Command2") && kind != "Form1") {
                const char* button = chance(70) ? "Command1" : "Command2";
                note(QString("press %1.%2").arg(kind, button));
                QTest::mouseClick(&w.control<QPushButton>(button), Qt::LeftButton);
            }
        } else if (roll < 96) {
            note("bring " + kind + " to the front");
            w.raise();
            w.activateWindow();
        } else {
            note("close " + kind);
            w.close();
        }
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

    QComboBox* someRoleBox(forms::Window& w) {
        const QList<QComboBox*> boxes = w.findChildren<QComboBox*>();
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

    QList<QColor> colours(const QString& kind) const {
        QList<QColor> result;
        for (int box = 1; box <= 8; ++box) {
            const std::string name = (kind == "Form3" ? "Text" : "Combo") + std::to_string(box);
            if (auto* widget = window(kind).findChild<QWidget*>(QString::fromStdString(name)))
                result << textColour(*widget);
        }
        return result;
    }

    // After every event: one window per open kind, full catalogues, colours a box may show.
    void checkInvariants() {
        int forms = 0;
        for (QWidget* top : QApplication::topLevelWidgets())
            forms += top->isVisible() && qobject_cast<forms::Window*>(top) ? 1 : 0;
        if (forms != openKinds().size())
            return fail(QString("%1 windows are open for %2 window kinds")
                            .arg(forms)
                            .arg(openKinds().size()));

        for (const QString& kind : openKinds()) {
            if (kind == "Form3")
                checkVerbColours();
            else if (kind != "Form1" && kind != "Form2")
                checkSentenceWindow(kind);
            if (!failure_.isEmpty())
                return;
        }
    }

    void checkSentenceWindow(const QString& kind) {
        forms::Window& w = window(kind);
        for (int row = 1; row <= 8; ++row) {
            auto& box = w.control<QComboBox>("Combo" + std::to_string(row));
            if (box.count() != 25)
                return fail(
                    QString("%1.%2 lists %3 entries").arg(kind, box.objectName()).arg(box.count()));
            for (int i = 0; i < 25; ++i)
                if (box.itemText(i) != fromUtf8(content::roleCatalogue[i]))
                    return fail(QString("%1.%2 entry %3 reads %4")
                                    .arg(kind, box.objectName())
                                    .arg(i)
                                    .arg(box.itemText(i)));
            const QColor initial =
                kind == "primo" && row == 1 ? black : DistinctSystemColours::windowText;
            const QColor colour = textColour(box);
            if (colour != initial && colour != lightGreen && colour != red && colour != black)
                return fail(QString("%1.%2 shows %3").arg(kind, box.objectName(), colour.name()));
        }
    }

    void checkSentenceVerdicts(const QString& kind, bool verified) {
        const content::SentenceSet& set = *content::sentenceSetOf(kind.toStdString());
        const QList<QColor> now = colours(kind);
        for (int row = 1; row <= 8; ++row) {
            const int selection =
                window(kind).control<QComboBox>("Combo" + std::to_string(row)).currentIndex();
            const auto verdict = content::judgeRow(set, row, selection);
            const QColor expected = !verified                            ? black
                                    : verdict == content::Verdict::Right ? lightGreen
                                    : verdict == content::Verdict::Wrong ? red
                                                                         : pressedColours_[row - 1];
            if (now[row - 1] != expected)
                return fail(QString("after %1, %2.Combo%3 (pick %4) shows %5, not %6")
                                .arg(verified ? "verify" : "reset", kind)
                                .arg(row)
                                .arg(selection)
                                .arg(now[row - 1].name(), expected.name()));
        }
    }

    void checkVerbColours() {
        forms::Window& w = window("Form3");
        for (int item = 1; item <= 4; ++item) {
            const QColor colour = textColour(w.control<QLineEdit>("Text" + std::to_string(item)));
            const bool initial = item == 1 && colour == black;
            if (!initial && colour != DistinctSystemColours::windowText && colour != green &&
                colour != red)
                return fail(QString("Form3.Text%1 shows %2").arg(item).arg(colour.name()));
        }
    }

    void checkVerbVerdicts(bool verified) {
        forms::Window& w = window("Form3");
        for (int item = 1; item <= 4; ++item) {
            auto& box = w.control<QLineEdit>("Text" + std::to_string(item));
            const bool right = box.text().toStdString() == content::verbItems[item - 1].infinitive;
            const QColor expected =
                verified ? (right ? green : red) : DistinctSystemColours::windowText;
            if (textColour(box) != expected)
                return fail(QString("after %1, Form3.Text%2 (%3 characters) shows %4, not %5")
                                .arg(verified ? "verify" : "reset")
                                .arg(item)
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
    forms::WindowKinds* kinds_ = nullptr;
    Contents pressedContents_;
    QList<QColor> pressedColours_;
    std::deque<QString> trail_;
    QString failure_;
};

} // namespace

class TestMonkey : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        testsupport::quietOffscreenPlatform();
        forms::applyLook(*qApp);
    }
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
