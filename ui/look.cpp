#include "ui/forms.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>

namespace forms {

// The layouts give every caption a fixed box; this face and size fit the tightest of them
// ("Andassimo  =" in 65 pixels) at 96 dpi and scale with the display's own factor.
QFont programFont() {
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(10);
    font.setHintingPreference(QFont::PreferVerticalHinting);
    return font;
}

void applyLook(QApplication& application) {
    // The "Windows" style paints button faces in exactly the colour of the palette; Fusion
    // lightens them.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    // Both from the program's own resources (ui/CMakeLists.txt).
    QFontDatabase::addApplicationFont(QStringLiteral(":/look/font.ttf"));
    QApplication::setFont(programFont());

    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    auto* qtTexts = new QTranslator(&application);
    if (qtTexts->load(QStringLiteral(":/look/qtbase_it.qm")))
        QApplication::installTranslator(qtTexts);
}

} // namespace forms
