#include "app/windowkinds.h"

#include "app/mainwindow.h"
#include "app/sentencemenu.h"
#include "exercises/sentencewindow.h"
#include "exercises/verbwindow.h"

namespace app {
namespace {

using exercises::FirstRoleBox;

forms::WindowKind::Factory sentenceWindow(std::string_view kind, FirstRoleBox firstRoleBox) {
    const content::SentenceSet& set = *content::sentenceSetOf(kind);
    return [&set, firstRoleBox] {
        return std::make_unique<exercises::SentenceWindow>(set, firstRoleBox);
    };
}

} // namespace

void addWindowKinds(forms::WindowKinds& kinds) {
    kinds.add("Form1", [&kinds] { return std::make_unique<MainWindow>(kinds); });
    kinds.add("Form2", [&kinds] { return std::make_unique<SentenceMenu>(kinds); });
    kinds.add("Form3", [] { return std::make_unique<exercises::VerbWindow>(); });
    kinds.add("primo", sentenceWindow("primo", FirstRoleBox::Black));
    kinds.add("Secondo", sentenceWindow("Secondo", FirstRoleBox::SystemColour));
    kinds.add("terzoo", sentenceWindow("terzoo", FirstRoleBox::SystemColour));
    kinds.add("quarto", sentenceWindow("quarto", FirstRoleBox::SystemColour));
}

} // namespace app
