#include "ui/forms.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>

namespace forms {

// QComboBox selects the first entry added to an empty editable box; a role box must keep
// showing no selection until the pupil picks one.
void addItem(QComboBox& box, std::string_view text) {
    const bool noneSelected = box.currentIndex() < 0;
    const QString editText = box.currentText();
    box.addItem(qtText(text));
    if (noneSelected && box.currentIndex() >= 0) {
        box.setCurrentIndex(-1);
        box.setEditText(editText);
    }
}

qint16 listIndex(const QComboBox& box) {
    return static_cast<qint16>(box.currentIndex());
}

std::string text(const QLineEdit& box) {
    return box.text().toStdString();
}

// A blue disc with a white "i", drawn as shapes so that it is sharp at any scale.
QPixmap informationIcon(qreal devicePixelRatio) {
    constexpr int size = 32;
    QPixmap icon(QSize(size, size) * devicePixelRatio);
    icon.setDevicePixelRatio(devicePixelRatio);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(255, 255, 255), 1.5));
    painter.setBrush(QColor(33, 99, 196));
    painter.drawEllipse(QRectF(1, 1, size - 2, size - 2));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255));
    painter.drawEllipse(QRectF(13.5, 6.5, 5, 5));
    painter.drawRoundedRect(QRectF(13.5, 13.5, 5, 13), 1.5, 1.5);
    return icon;
}

void messageBox(std::string_view prompt, std::string_view title) {
    // Our own information icon: asking for QMessageBox::Information (or the style's pixmap)
    // searches the desktop's icon themes first, which took a third of the start-up time.
    QMessageBox box(QMessageBox::NoIcon, qtText(title), qtText(prompt), QMessageBox::Ok);
    box.setIconPixmap(informationIcon(box.devicePixelRatio()));
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace forms
