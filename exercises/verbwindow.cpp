#include "exercises/verbwindow.h"

#include <QLineEdit>

namespace exercises {
namespace {

using content::verbItems;
using forms::Colour;
using forms::Control;
using enum forms::ControlKind;
using W = VerbWindow;

constexpr forms::Style transparent{.transparent = true};

// Label1 reaches under Text1; the text box, built after it, covers the overlap.
// clang-format off
constexpr Control verbControls[] = {
    //  kind         name               text                 left   top  width height tab
    {CommandButton, W::verifyButton,    "Verifica Risposte", { 120, 1560, 1455, 375}, 0, {.back = Colour::rgb(0, 0, 192), .graphical = true}},
    {Label,         W::promptLabels[0], verbItems[0].prompt, { 120,  120, 1695, 255}, 1, transparent},
    {TextBox,       W::answerBoxes[0],  "",                  {1080,  120, 2775, 285}, 2, {.fore = Colour::rgb(0, 0, 0)}, {}, "Infinito di Cossi"},
    {Label,         W::promptLabels[1], verbItems[1].prompt, { 120,  480,  975, 255}, 3, transparent},
    {TextBox,       W::answerBoxes[1],  "",                  {1080,  480, 2775, 285}, 4, {}, {}, "Infinito di Andassimo"},
    {Label,         W::promptLabels[2], verbItems[2].prompt, { 120,  840,  975, 255}, 5, transparent},
    {TextBox,       W::answerBoxes[2],  "",                  {1080,  840, 2775, 285}, 6, {}, {}, "Infinito di Uscimmo"},
    {Label,         W::promptLabels[3], verbItems[3].prompt, { 120, 1200,  975, 255}, 7, transparent},
    {TextBox,       W::answerBoxes[3],  "",                  {1080, 1200, 2775, 285}, 8, {}, {}, "Infinito di Andaste"},
    {CommandButton, W::resetButton,     "Reset",             {2280, 1560, 1575, 375}, 9, {.back = Colour::rgb(255, 255, 0), .graphical = true}},
};
// clang-format on

} // namespace

const forms::Layout VerbWindow::layout{"Inserisci il Verbo al modo infinito", 3990, 2100,
                                       Colour::rgb(0, 255, 0), verbControls};

VerbWindow::VerbWindow()
    : forms::Window(layout) {
    for (std::size_t i = 0; i < itemCount; ++i)
        answerBoxes_[i] = &control<QLineEdit>(answerBoxes[i]);
    onClick(verifyButton, [this] { verify(); });
    onClick(resetButton, [this] { reset(); });
}

// Items in order, each read, compared and coloured before the next.
void VerbWindow::verify() {
    for (std::size_t i = 0; i < itemCount; ++i) {
        const bool isRight =
            content::isRightInfinitive(verbItems[i], forms::text(*answerBoxes_[i]));
        forms::setForeColour(*answerBoxes_[i], isRight ? right : wrong);
    }
}

void VerbWindow::reset() {
    for (QLineEdit* box : answerBoxes_)
        forms::setForeColour(*box, afterReset);
}

} // namespace exercises
