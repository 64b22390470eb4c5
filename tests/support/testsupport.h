// Helpers shared by the widget tests: a window kind opened as the program opens it, answering a
// modal box from inside its own event loop and the ways a pupil dismisses one, a desktop
// palette whose colours are all distinct (so defaults can be told apart), the check that a
// test left no window behind, and a guarded run of the application's event loop.
#pragma once

#include "ui/forms.h"

#include <QApplication>
#include <QComboBox>
#include <QMessageBox>
#include <QPalette>
#include <QPointer>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace testsupport {

// A window kind of its own, opened as the program opens a kind: built, loaded, shown, active.
// The window goes with the object.
template <class Window> class OpenWindow {
public:
    template <class... Arguments>
    explicit OpenWindow(Arguments... arguments)
        : kind_([=] { return std::make_unique<Window>(arguments...); }) {
        kind_.open();
    }
    Window& operator*() const { return static_cast<Window&>(*kind_.window()); }
    Window* operator->() const { return &**this; }
    // Opens the kind again: brings the window to the front, or builds it afresh once closed.
    void openAgain() { kind_.open(); }
    bool isOpen() const { return kind_.isOpen(); }

private:
    forms::WindowKind kind_;
};

// Armed before a modal call: as soon as an application-modal widget is shown and holds the
// keyboard focus (a key sent earlier would go nowhere), records its title and hands it to
// `answer`.
class ModalAnswer {
public:
    explicit ModalAnswer(std::function<void(QWidget&)> answer)
        : answer_(std::move(answer)) {
        poll_.setInterval(5);
        QObject::connect(&poll_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            QWidget* focused = QApplication::focusWidget();
            if (!modal || !modal->isVisible() || !focused || focused->window() != modal)
                return;
            poll_.stop();
            fired_ = true;
            title_ = modal->windowTitle();
            answer_(*modal);
        });
        poll_.start();
    }
    bool fired() const { return fired_; }
    QString title() const { return title_; }

private:
    std::function<void(QWidget&)> answer_;
    QTimer poll_;
    bool fired_ = false;
    QString title_;
};

// How a pupil dismisses a message box.
using Dismiss = std::function<void(QWidget&)>;

inline Dismiss byKey(Qt::Key key) {
    return
        [key](QWidget& box) { QTest::keyClick(box.focusWidget() ? box.focusWidget() : &box, key); };
}

// Adds a "dismiss" column with a row for every way: the OK button, Enter, Space, Esc, the
// close box.
inline void addDismissalRows() {
    QTest::addColumn<Dismiss>("dismiss");
    QTest::newRow("ok-button") << Dismiss([](QWidget& box) {
        QTest::mouseClick(static_cast<QMessageBox&>(box).button(QMessageBox::Ok), Qt::LeftButton);
    });
    QTest::newRow("enter") << byKey(Qt::Key_Return);
    QTest::newRow("space") << byKey(Qt::Key_Space);
    QTest::newRow("escape") << byKey(Qt::Key_Escape);
    QTest::newRow("close-box") << Dismiss([](QWidget& box) { box.close(); });
}

// A desktop whose window-text colour is not black and whose other system colours differ from
// each other; the previous palette comes back on destruction.
class DistinctSystemColours {
public:
    static inline const QColor windowText{20, 40, 160};
    static inline const QColor windowBackground{250, 250, 230};
    static inline const QColor buttonFace{200, 210, 220};
    static inline const QColor buttonText{90, 10, 10};

    DistinctSystemColours()
        : saved_(QApplication::palette()) {
        QPalette palette = saved_;
        palette.setColor(QPalette::WindowText, windowText);
        palette.setColor(QPalette::Text, windowText);
        palette.setColor(QPalette::Base, windowBackground);
        palette.setColor(QPalette::Button, buttonFace);
        palette.setColor(QPalette::Window, buttonFace);
        palette.setColor(QPalette::ButtonText, buttonText);
        QApplication::setPalette(palette);
    }
    ~DistinctSystemColours() { QApplication::setPalette(saved_); }
    DistinctSystemColours(const DistinctSystemColours&) = delete;
    DistinctSystemColours& operator=(const DistinctSystemColours&) = delete;

private:
    QPalette saved_;
};

// The application style named, for the object's lifetime.
class ScopedStyle {
public:
    explicit ScopedStyle(const QString& name)
        : saved_(QApplication::style()->name()) {
        QApplication::setStyle(QStyleFactory::create(name));
    }
    ~ScopedStyle() { QApplication::setStyle(QStyleFactory::create(saved_)); }
    ScopedStyle(const ScopedStyle&) = delete;
    ScopedStyle& operator=(const ScopedStyle&) = delete;

private:
    QString saved_;
};

// The program's windows that are still shown.
inline QList<forms::Window*> openWindows() {
    QList<forms::Window*> open;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<forms::Window*>(widget); window && window->isVisible())
            open << window;
    return open;
}

// Top-level widgets of any kind that still exist, shown or not; a combo box's drop-down list
// is its own child and does not count.
inline QStringList leftoverWindows() {
    QStringList left;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (!widget->parentWidget())
            left << QString("%1 \"%2\"")
                        .arg(widget->metaObject()->className(), widget->windowTitle());
    return left;
}

// For cleanup(): every window a test made has gone (closed windows go at the next turn of the
// event loop).
#define VERIFY_NO_WINDOW_LEFT()                                                                    \
    QTRY_VERIFY2(testsupport::leftoverWindows().isEmpty(),                                         \
                 qPrintable(testsupport::leftoverWindows().join(", ")))

// Runs QApplication::exec() with `steps` queued inside it; a watchdog ends a loop that would
// otherwise run forever with exit code -1.
inline int runEventLoop(const std::function<void()>& steps, int watchdogMs = 10000) {
    QTimer::singleShot(0, steps);
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QApplication::exit(-1); });
    watchdog.start(watchdogMs);
    return QApplication::exec();
}

// The offscreen platform warns on every raise() and keyboard grab; that says nothing about the
// program and buries what does. Everything else still reaches the test log.
inline void quietOffscreenPlatform() {
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (type == QtWarningMsg && message.startsWith("This plugin does not support"))
                return;
            previous(type, context, message);
        });
}

// The control that has the keyboard focus: an editable combo box hands its focus to its edit
// field, and counts as focused itself.
inline QWidget* focusOwner() {
    QWidget* focused = QApplication::focusWidget();
    if (focused && qobject_cast<QComboBox*>(focused->parentWidget()))
        return focused->parentWidget();
    return focused;
}

// The colour a box draws its text in.
inline QColor textColour(const QWidget& box) {
    return box.palette().color(QPalette::Text);
}

// One letter for a box's text colour, so that a row of boxes reads as a word: G the colour of a
// right answer (`right`), R red, K black, S the desktop's window-text colour, ? anything else.
inline QChar colourLetter(const QColor& colour, const QColor& right) {
    return colour == right                               ? 'G'
           : colour == QColor(255, 0, 0)                 ? 'R'
           : colour == QColor(0, 0, 0)                   ? 'K'
           : colour == DistinctSystemColours::windowText ? 'S'
                                                         : '?';
}

} // namespace testsupport
