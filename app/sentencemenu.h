// The sentence menu (Form2): an instruction and one label per sentence; a click on a sentence
// opens its exercise window (the table of window kinds says which). The instruction label and
// the window itself answer nothing, nor does the keyboard.
#pragma once

#include "ui/forms.h"

#include <array>

namespace app {

class SentenceMenu : public forms::Window {
    Q_OBJECT
public:
    static constexpr std::string_view instructionLabel = "Label1";
    // The first, second, third and fourth sentence.
    static constexpr std::array<std::string_view, 4> sentenceLabels{"Label2", "Label3", "Label4",
                                                                    "Label5"};

    static const forms::Layout layout;

    SentenceMenu();
};

} // namespace app
