#include "exercises/sentencewindow.h"

#include "content/roles.h"

#include <QComboBox>

namespace exercises {
namespace {

using forms::Control;
using forms::Kind;

// The texts of Label1 and Text1…Text8 come from the sentence set the window is bound to.
// clang-format off
constexpr std::array<Control, 19> sentenceControls{{
    //  kind               name        text                 left   top  width height  tab
    {Kind::Label,         "Label1",   "",                  { 120,  120, 7095, 255},  0},
    {Kind::TextBox,       "Text1",    "",                  { 120,  480, 1815, 285},  1, {}, {}, "Parte 1 della frase"},
    {Kind::TextBox,       "Text2",    "",                  { 120,  840, 1815, 285},  2, {}, {}, "Parte 2 della frase"},
    {Kind::TextBox,       "Text3",    "",                  { 120, 1200, 1815, 285},  3, {}, {}, "Parte 3 della frase"},
    {Kind::TextBox,       "Text4",    "",                  { 120, 1560, 1815, 285},  4, {}, {}, "Parte 4 della frase"},
    {Kind::TextBox,       "Text5",    "",                  { 120, 1920, 1815, 285},  5, {}, {}, "Parte 5 della frase"},
    {Kind::TextBox,       "Text6",    "",                  { 120, 2280, 1815, 285},  6, {}, {}, "Parte 6 della frase"},
    {Kind::TextBox,       "Text7",    "",                  { 120, 2640, 1815, 285},  7, {}, {}, "Parte 7 della frase"},
    {Kind::TextBox,       "Text8",    "",                  { 120, 3000, 1815, 285},  8, {}, {}, "Parte 8 della frase"},
    {Kind::ComboBox,      "Combo1",   "",                  {2160,  480, 2175, 315},  9, {}, {}, "Funzione logica della parte 1"},
    {Kind::ComboBox,      "Combo2",   "",                  {2160,  840, 2175, 315}, 10, {}, {}, "Funzione logica della parte 2"},
    {Kind::ComboBox,      "Combo3",   "",                  {2160, 1200, 2175, 315}, 11, {}, {}, "Funzione logica della parte 3"},
    {Kind::ComboBox,      "Combo4",   "",                  {2160, 1560, 2175, 315}, 12, {}, {}, "Funzione logica della parte 4"},
    {Kind::ComboBox,      "Combo5",   "",                  {2160, 1920, 2175, 315}, 13, {}, {}, "Funzione logica della parte 5"},
    {Kind::ComboBox,      "Combo6",   "",                  {2160, 2280, 2175, 315}, 14, {}, {}, "Funzione logica della parte 6"},
    {Kind::ComboBox,      "Combo7",   "",                  {2160, 2640, 2175, 315}, 15, {}, {}, "Funzione logica della parte 7"},
    {Kind::ComboBox,      "Combo8",   "",                  {2160, 3000, 2175, 315}, 16, {}, {}, "Funzione logica della parte 8"},
    {Kind::CommandButton, "Command1", "Verifica risposte", {4440,  480, 2895, 375}, 17},
    {Kind::CommandButton, "Command2", "Resetta",           {4440,  960, 2895, 375}, 18},
}};
// clang-format on

constexpr int sentenceLabel = 0;
constexpr int firstChunkBox = 1;
constexpr int firstRoleBox = 9;

struct BoundLayout {
    std::array<Control, 19> controls = sentenceControls;
    forms::Layout layout{"Prima frase", 7425, 3420, std::nullopt, controls};

    BoundLayout(const content::SentenceSet& set, FirstRoleBox firstRoleBoxColour) {
        controls[sentenceLabel].text = set.sentence;
        for (int row = 1; row <= content::rowCount; ++row)
            controls[firstChunkBox + row - 1].text = set.row(row).chunk;
        if (firstRoleBoxColour == FirstRoleBox::Black)
            controls[firstRoleBox].style.fore = forms::Colour::rgb(0, 0, 0);
    }
};

} // namespace

SentenceWindow::SentenceWindow(const content::SentenceSet& set, FirstRoleBox firstRoleBox)
    : forms::Window(BoundLayout(set, firstRoleBox).layout)
    , set_(set) {
    for (int row = 1; row <= content::rowCount; ++row)
        roleBoxes_[row - 1] = &control<QComboBox>("Combo" + std::to_string(row));
    onClick("Command1", [this] { verify(); });
    onClick("Command2", [this] { reset(); });
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
