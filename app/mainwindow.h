// The main window (Form1): its load step greets the pupil with the welcome box before the
// window is shown. Its two buttons open the verb window and the sentence menu (the table of
// window kinds says so).
#pragma once

#include "ui/forms.h"

namespace app {

class MainWindow : public forms::Window {
    Q_OBJECT
public:
    static constexpr std::string_view welcomeTitle = "BENVENUTO";
    static constexpr std::string_view welcomeText =
        "Benvenuto Nell'eserciziario interattivo creato da Zerbalto. Selezionare l'esercizio";

    static constexpr std::string_view frame = "Frame1";
    static constexpr std::string_view verbsButton = "Command1";
    static constexpr std::string_view analysisButton = "Command2";

    static const forms::Layout layout;

    MainWindow();
    void load() override;
};

} // namespace app
