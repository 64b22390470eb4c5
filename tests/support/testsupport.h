// Helpers shared by the widget tests: answering a modal box from inside its own event loop,
// a desktop palette whose colours are all distinct (so defaults can be told apart), and a
// guarded run of the application's event loop.
#pragma once

#include <QApplication>
#include <QComboBox>
#include <QPalette>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace testsupport {

// Armed before a modal call: as soon as an application-modal widget is active, records its
// title and text and hands it to `answer`.
class ModalAnswer {
public:
    explicit ModalAnswer(std::function<void(QWidget&)> answer)
        : answer_(std::move(answer)) {
        poll_.setInterval(5);
        QObject::connect(&poll_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal)
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

private:
    QPalette saved_;
};

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

// Discards every window a test left behind, so the next test starts with none.
inline void discardAllWindows() {
    QList<QPointer<QWidget>> windows;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (!widget->parentWidget())
            windows.append(widget);
    for (const QPointer<QWidget>& window : windows)
        delete window.data();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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
