#include "app/sentencemenu.h"

namespace app {
namespace {

using forms::Control;
using forms::Kind;

struct SentenceEntry {
    std::string_view label;
    std::string_view windowKind;
};

constexpr SentenceEntry sentenceEntries[] = {
    {"Label2", "primo"},
    {"Label3", "Secondo"},
    {"Label4", "terzoo"},
    {"Label5", "quarto"},
};

// clang-format off
constexpr Control menuControls[] = {
    //  kind        name      text                                                   left   top  width height tab
    {Kind::Label, "Label1", "Fai L'analisi grammaticali delle seguenti frasi",     {120,  120, 9735, 255}, 0},
    {Kind::Label, "Label2", "1. La capra divora le foglie delle piante",           {120,  480, 9855, 255}, 1},
    {Kind::Label, "Label3", "2 Il nome di madre conferisce dignit\u00e0",          {120,  840, 9735, 255}, 2},
    {Kind::Label, "Label4", "3 Lorenzo de' Medici fu soprannominato il Magnifico", {120, 1200, 9735, 255}, 3},
    {Kind::Label, "Label5", "4 La mamma \u00e8 uscita a comprare le mele",         {120, 1560, 9735, 255}, 4},
};
// clang-format on

constexpr forms::Layout menuLayout{"Analisi logica", 9960, 1980, std::nullopt, menuControls};

} // namespace

SentenceMenu::SentenceMenu(forms::WindowKinds& kinds)
    : forms::Window(menuLayout) {
    for (const auto& [label, windowKind] : sentenceEntries)
        onClick(label, [&kinds, kind = windowKind] { kinds.open(kind); });
}

} // namespace app
