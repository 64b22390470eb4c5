#include "app/sentencemenu.h"

namespace app {
namespace {

using forms::Control;
using enum forms::ControlKind;
using W = SentenceMenu;

// clang-format off
constexpr Control menuControls[] = {
    //  kind  name                  text                                                   left   top  width height tab
    {Label, W::instructionLabel,  "Fai L'analisi grammaticali delle seguenti frasi",     {120,  120, 9735, 255}, 0},
    {Label, W::sentenceLabels[0], "1. La capra divora le foglie delle piante",           {120,  480, 9855, 255}, 1},
    {Label, W::sentenceLabels[1], "2 Il nome di madre conferisce dignit\u00e0",          {120,  840, 9735, 255}, 2},
    {Label, W::sentenceLabels[2], "3 Lorenzo de' Medici fu soprannominato il Magnifico", {120, 1200, 9735, 255}, 3},
    {Label, W::sentenceLabels[3], "4 La mamma \u00e8 uscita a comprare le mele",         {120, 1560, 9735, 255}, 4},
};
// clang-format on

} // namespace

const forms::Layout SentenceMenu::layout{"Analisi logica", 9960, 1980, std::nullopt, menuControls};

SentenceMenu::SentenceMenu()
    : forms::Window(layout) {
}

} // namespace app
