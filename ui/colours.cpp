#include "ui/forms.h"

#include <QApplication>
#include <QPalette>

namespace forms {

QColor Colour::resolved() const {
    return system_ ? QApplication::palette().color(QPalette::WindowText)
                   : QColor(red_, green_, blue_);
}

void setForeColour(QWidget& box, Colour colour) {
    QPalette palette = box.palette();
    palette.setColor(QPalette::Text, colour.resolved());
    box.setPalette(palette);
}

QColor foreColour(const QWidget& box) {
    return box.palette().color(QPalette::Text);
}

} // namespace forms
