#include "ui/forms.h"

#include <QApplication>
#include <QLibraryInfo>
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
    QApplication::setFont(programFont());

    const QLocale italian(QLocale::Italian, QLocale::Italy);
    QLocale::setDefault(italian);
    auto* qtTexts = new QTranslator(&application);
    if (qtTexts->load(italian, QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qtTexts);
}

} // namespace forms
