#include "ui/forms.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>

namespace forms {

static QString qtText(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The drop-down list grows to show its widest entry whole, whatever the width of the box.
static void fitListWidth(QComboBox& box, const QString& entry) {
    QAbstractItemView& list = *box.view();
    const int itemMargins = 2 * list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 8;
    const int frame = 2 * list.style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    const int scrollBar = list.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int needed =
        list.fontMetrics().horizontalAdvance(entry) + itemMargins + frame + scrollBar;
    if (needed > list.minimumWidth())
        list.setMinimumWidth(needed);
}

// QComboBox selects the first entry added to an empty editable box; a role box must keep
// showing no selection until the pupil picks one.
void addItem(QComboBox& box, std::string_view text) {
    const bool noneSelected = box.currentIndex() < 0;
    const QString editText = box.currentText();
    const QString entry = qtText(text);
    box.addItem(entry);
    fitListWidth(box, entry);
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

void messageBox(std::string_view prompt, std::string_view title) {
    QMessageBox box(QMessageBox::Information, qtText(title), qtText(prompt), QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace forms
