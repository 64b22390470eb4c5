// The main window (Form1): its load step greets the pupil with the welcome box before the
// window is shown; its two buttons open the verb window and the sentence menu.
#pragma once

#include "ui/forms.h"

namespace app {

inline constexpr std::string_view welcomeTitle = "BENVENUTO";
inline constexpr std::string_view welcomeText =
    "Benvenuto Nell'eserciziario interattivo creato da Zerbalto. Selezionare l'esercizio";

class MainWindow : public forms::Window {
    Q_OBJECT
public:
    explicit MainWindow(forms::WindowKinds& kinds);
    void load() override;
};

} // namespace app
