// The program's window kinds, each named once here with what builds it and the click that
// opens it; and Windows, the single instance of every kind, whose windows come with those
// clicks connected. Start-up opens Form1; no other code opens a window.
#pragma once

#include "app/mainwindow.h"
#include "app/sentencemenu.h"
#include "content/sentences.h"
#include "exercises/sentencewindow.h"
#include "exercises/verbwindow.h"
#include "ui/forms.h"

#include <array>
#include <memory>
#include <optional>

namespace app {

enum class Kind { Form1, Form2, Form3, primo, Secondo, terzoo, quarto };

// A click on `control` of an open window of kind `window`.
struct Opener {
    Kind window;
    std::string_view control;
};

struct KindEntry {
    Kind kind;
    std::string_view name;
    std::unique_ptr<forms::Window> (*build)();
    std::optional<Opener> openedBy; // none: start-up opens it
};

namespace build {

template <class Window> std::unique_ptr<forms::Window> window() {
    return std::make_unique<Window>();
}

template <const content::SentenceSet& set, exercises::FirstRoleBoxColour firstRoleBoxColour>
std::unique_ptr<forms::Window> sentenceWindow() {
    return std::make_unique<exercises::SentenceWindow>(set, firstRoleBoxColour);
}

} // namespace build

using exercises::FirstRoleBoxColour;

// clang-format off
inline constexpr std::array<KindEntry, 7> windowKinds{{
    {Kind::Form1,   "Form1",   build::window<MainWindow>,             std::nullopt},
    {Kind::Form2,   "Form2",   build::window<SentenceMenu>,           Opener{Kind::Form1, MainWindow::analysisButton}},
    {Kind::Form3,   "Form3",   build::window<exercises::VerbWindow>,  Opener{Kind::Form1, MainWindow::verbsButton}},
    {Kind::primo,   "primo",   build::sentenceWindow<content::firstSet,  FirstRoleBoxColour::Black>,      Opener{Kind::Form2, SentenceMenu::sentenceLabels[0]}},
    {Kind::Secondo, "Secondo", build::sentenceWindow<content::secondSet, FirstRoleBoxColour::WindowText>, Opener{Kind::Form2, SentenceMenu::sentenceLabels[1]}},
    {Kind::terzoo,  "terzoo",  build::sentenceWindow<content::thirdSet,  FirstRoleBoxColour::WindowText>, Opener{Kind::Form2, SentenceMenu::sentenceLabels[2]}},
    {Kind::quarto,  "quarto",  build::sentenceWindow<content::fourthSet, FirstRoleBoxColour::WindowText>, Opener{Kind::Form2, SentenceMenu::sentenceLabels[3]}},
}};
// clang-format on

constexpr const KindEntry& entryOf(Kind kind) {
    return windowKinds[std::size_t(kind)];
}

namespace checks {
constexpr bool entriesStandInKindOrder() {
    for (std::size_t i = 0; i < windowKinds.size(); ++i)
        if (windowKinds[i].kind != Kind(i))
            return false;
    return true;
}
} // namespace checks
static_assert(checks::entriesStandInKindOrder());

// One instance per kind for the whole run of the program.
class Windows {
public:
    Windows();

    void open(Kind kind) { (*this)[kind].open(); }
    forms::WindowKind& operator[](Kind kind) const { return *kinds_[std::size_t(kind)]; }
    bool isOpen(Kind kind) const { return (*this)[kind].isOpen(); }
    forms::Window* window(Kind kind) const { return (*this)[kind].window(); }

private:
    std::unique_ptr<forms::Window> build(const KindEntry& entry);

    std::array<std::unique_ptr<forms::WindowKind>, windowKinds.size()> kinds_;
};

} // namespace app
