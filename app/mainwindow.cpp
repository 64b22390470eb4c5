#include "app/mainwindow.h"

namespace app {
namespace {

using forms::Colour;
using forms::Control;
using enum forms::ControlKind;
using W = MainWindow;

constexpr Colour green = Colour::rgb(0, 255, 0);
constexpr Colour blue = Colour::rgb(0, 0, 255);

// The buttons sit in the frame and are placed from its top-left corner.
// clang-format off
constexpr Control mainControls[] = {
    //  kind         name               text                  left  top  width height  tab
    {Frame,         W::frame,          "Grammatica",         {120, 120, 4935, 1935}, 0, {.back = green, .fore = Colour::rgb(255, 0, 0)}},
    {CommandButton, W::verbsButton,    "Verbi all'infinito", {120, 240, 4695,  495}, 1, {.back = blue, .graphical = true}, W::frame},
    {CommandButton, W::analysisButton, "Analisi Logica",     {120, 720, 4695,  495}, 2, {.back = blue, .graphical = true}, W::frame},
};
// clang-format on

} // namespace

const forms::Layout MainWindow::layout{"Prova Esercizi Zerbalto", 5100, 2130, green, mainControls};

MainWindow::MainWindow()
    : forms::Window(layout) {
}

void MainWindow::load() {
    forms::messageBox(welcomeText, welcomeTitle);
}

} // namespace app
