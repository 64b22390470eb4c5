#include "app/mainwindow.h"

namespace app {
namespace {

using forms::Colour;
using forms::Control;
using forms::Kind;

constexpr Colour green = Colour::rgb(0, 255, 0);
constexpr Colour blue = Colour::rgb(0, 0, 255);

// The buttons sit in the frame and are placed from its top-left corner.
// clang-format off
constexpr Control mainControls[] = {
    //  kind               name        text                  left  top  width height  tab
    {Kind::Frame,         "Frame1",   "Grammatica",         {120, 120, 4935, 1935}, 0, {.back = green, .fore = Colour::rgb(255, 0, 0)}},
    {Kind::CommandButton, "Command1", "Verbi all'infinito", {120, 240, 4695,  495}, 1, {.back = blue, .graphical = true}, "Frame1"},
    {Kind::CommandButton, "Command2", "Analisi Logica",     {120, 720, 4695,  495}, 2, {.back = blue, .graphical = true}, "Frame1"},
};
// clang-format on

constexpr forms::Layout mainLayout{"Prova Esercizi Zerbalto", 5100, 2130, green, mainControls};

} // namespace

MainWindow::MainWindow(forms::WindowKinds& kinds)
    : forms::Window(mainLayout) {
    onClick("Command1", [&kinds] { kinds.open("Form3"); });
    onClick("Command2", [&kinds] { kinds.open("Form2"); });
}

void MainWindow::load() {
    forms::messageBox(welcomeText, welcomeTitle);
}

} // namespace app
