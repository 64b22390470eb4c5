#include "ui/forms.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>

namespace forms {

bool ClickableLabel::answersClicks() const {
    return isSignalConnected(QMetaMethod::fromSignal(&ClickableLabel::clicked));
}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

// A click is a press and a release of the left button over the label.
void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

// The keypad's Enter arrives with the keypad modifier; it presses the button as the main
// keyboard's Enter does.
void CommandButton::keyPressEvent(QKeyEvent* event) {
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        modifiers == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void ComboBox::showPopup() {
    QAbstractItemView& list = *view();
    int widest = 0;
    for (int i = 0; i < count(); ++i)
        widest = std::max(widest, list.fontMetrics().horizontalAdvance(itemText(i)));
    const QStyle& style = *list.style();
    const int itemMargins = 2 * style.pixelMetric(QStyle::PM_FocusFrameHMargin) + 8;
    const int frame = 2 * style.pixelMetric(QStyle::PM_DefaultFrameWidth);
    list.setMinimumWidth(widest + itemMargins + frame +
                         style.pixelMetric(QStyle::PM_ScrollBarExtent));
    QComboBox::showPopup();
}

} // namespace forms
