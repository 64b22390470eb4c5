#include "ui/forms.h"

#include <QApplication>
#include <QPalette>

namespace forms {
namespace {

// What assistive technology hears of a box's text colour, which may carry a verdict.
QString describe(Colour colour) {
    if (colour.isWindowText())
        return QStringLiteral("testo nel colore normale");
    static const struct {
        QRgb rgb;
        const char* words;
    } named[] = {
        {qRgb(0, 255, 0), "testo verde"}, {qRgb(128, 255, 128), "testo verde chiaro"},
        {qRgb(255, 0, 0), "testo rosso"}, {qRgb(0, 0, 0), "testo nero"},
        {qRgb(0, 0, 255), "testo blu"},   {qRgb(255, 255, 0), "testo giallo"},
    };
    const QColor resolved = colour.resolved();
    for (const auto& [rgb, words] : named)
        if (rgb == resolved.rgb())
            return QString::fromUtf8(words);
    return QStringLiteral("testo di colore %1").arg(resolved.name());
}

} // namespace

QColor Colour::resolved() const {
    return system_ ? QApplication::palette().color(QPalette::WindowText)
                   : QColor(red_, green_, blue_);
}

void setForeColour(QWidget& box, Colour colour) {
    QPalette palette = box.palette();
    palette.setColor(QPalette::Text, colour.resolved());
    box.setPalette(palette);
    box.setAccessibleDescription(describe(colour));
}

} // namespace forms
