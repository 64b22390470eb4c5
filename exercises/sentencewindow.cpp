#include "exercises/sentencewindow.h"

#include "content/roles.h"

#include <QComboBox>

namespace exercises {
namespace {

using forms::Control;
using enum forms::ControlKind;
using W = SentenceWindow;

// The texts of the sentence label and the chunk boxes come from the set the window is bound to.
// clang-format off
constexpr std::array<Control, 19> unboundControls{{
    //  kind         name             text                 left   top  width height  tab
    {Label,         W::sentenceLabel, "",                  { 120,  120, 7095, 255},  0},
    {TextBox,       W::chunkBoxes[0], "",                  { 120,  480, 1815, 285},  1, {}, {}, "Parte 1 della frase"},
    {TextBox,       W::chunkBoxes[1], "",                  { 120,  840, 1815, 285},  2, {}, {}, "Parte 2 della frase"},
    {TextBox,       W::chunkBoxes[2], "",                  { 120, 1200, 1815, 285},  3, {}, {}, "Parte 3 della frase"},
    {TextBox,       W::chunkBoxes[3], "",                  { 120, 1560, 1815, 285},  4, {}, {}, "Parte 4 della frase"},
    {TextBox,       W::chunkBoxes[4], "",                  { 120, 1920, 1815, 285},  5, {}, {}, "Parte 5 della frase"},
    {TextBox,       W::chunkBoxes[5], "",                  { 120, 2280, 1815, 285},  6, {}, {}, "Parte 6 della frase"},
    {TextBox,       W::chunkBoxes[6], "",                  { 120, 2640, 1815, 285},  7, {}, {}, "Parte 7 della frase"},
    {TextBox,       W::chunkBoxes[7], "",                  { 120, 3000, 1815, 285},  8, {}, {}, "Parte 8 della frase"},
    {ComboBox,      W::roleBoxes[0],  "",                  {2160,  480, 2175, 315},  9, {}, {}, "Funzione logica della parte 1"},
    {ComboBox,      W::roleBoxes[1],  "",                  {2160,  840, 2175, 315}, 10, {}, {}, "Funzione logica della parte 2"},
    {ComboBox,      W::roleBoxes[2],  "",                  {2160, 1200, 2175, 315}, 11, {}, {}, "Funzione logica della parte 3"},
    {ComboBox,      W::roleBoxes[3],  "",                  {2160, 1560, 2175, 315}, 12, {}, {}, "Funzione logica della parte 4"},
    {ComboBox,      W::roleBoxes[4],  "",                  {2160, 1920, 2175, 315}, 13, {}, {}, "Funzione logica della parte 5"},
    {ComboBox,      W::roleBoxes[5],  "",                  {2160, 2280, 2175, 315}, 14, {}, {}, "Funzione logica della parte 6"},
    {ComboBox,      W::roleBoxes[6],  "",                  {2160, 2640, 2175, 315}, 15, {}, {}, "Funzione logica della parte 7"},
    {ComboBox,      W::roleBoxes[7],  "",                  {2160, 3000, 2175, 315}, 16, {}, {}, "Funzione logica della parte 8"},
    {CommandButton, W::verifyButton,  "Verifica risposte", {4440,  480, 2895, 375}, 17},
    {CommandButton, W::resetButton,   "Resetta",           {4440,  960, 2895, 375}, 18},
}};
// clang-format on

// The controls in table order: the sentence label, the chunk boxes of rows 1 to 8, the role
// boxes of rows 1 to 8, the two buttons.
constexpr int firstChunkBoxEntry = 1;
constexpr int firstRoleBoxEntry = firstChunkBoxEntry + content::rowCount;
constexpr bool rowsAreInTableOrder() {
    for (int i = 0; i < content::rowCount; ++i)
        if (unboundControls[firstChunkBoxEntry + i].name != W::chunkBoxes[i] ||
            unboundControls[firstRoleBoxEntry + i].name != W::roleBoxes[i])
            return false;
    return true;
}
static_assert(rowsAreInTableOrder());

constexpr forms::Layout layoutWith(std::span<const Control> controls) {
    return {"Prima frase", 7425, 3420, std::nullopt, controls};
}

struct BoundLayout {
    std::array<Control, 19> controls = unboundControls;
    forms::Layout layout = layoutWith(controls);

    BoundLayout(const content::SentenceSet& set, FirstRoleBoxColour firstRoleBoxColour) {
        controls[0].text = set.sentence;
        for (int row = 1; row <= content::rowCount; ++row)
            controls[firstChunkBoxEntry + row - 1].text = set.row(row).chunk;
        if (firstRoleBoxColour == FirstRoleBoxColour::Black)
            controls[firstRoleBoxEntry].style.fore = forms::Colour::rgb(0, 0, 0);
    }
};

} // namespace

const forms::Layout SentenceWindow::layout = layoutWith(unboundControls);

SentenceWindow::SentenceWindow(const content::SentenceSet& set,
                               FirstRoleBoxColour firstRoleBoxColour)
    : forms::Window(BoundLayout(set, firstRoleBoxColour).layout)
    , set_(set) {
    for (int row = 1; row <= content::rowCount; ++row)
        roleBoxes_[row - 1] = &control<QComboBox>(roleBoxes[row - 1]);
    onClick(verifyButton, [this] { verify(); });
    onClick(resetButton, [this] { reset(); });
}

void SentenceWindow::load() {
    for (QComboBox* box : roleBoxes_)
        for (std::string_view role : content::roleCatalogue)
            forms::addItem(*box, role);
}

// Only the keyed rows are read and coloured, each before the next.
void SentenceWindow::verify() {
    for (int row = 1; row <= set_.chunkCount(); ++row) {
        const auto verdict = content::judgeRow(set_, row, forms::listIndex(roleBox(row)));
        forms::setForeColour(roleBox(row), verdict == content::Verdict::Right ? right : wrong);
    }
}

void SentenceWindow::reset() {
    for (QComboBox* box : roleBoxes_)
        forms::setForeColour(*box, afterReset);
}

} // namespace exercises
