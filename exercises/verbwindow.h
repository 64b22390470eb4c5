// The verb exercise window (Form3): four conjugated forms, each with a box for its infinitive.
// Verify colours each answer box green when its text is exactly the item's infinitive and red
// otherwise; reset gives the four boxes the desktop's window-text colour again. The window has
// no load step and keeps nothing outside its controls.
#pragma once

#include "content/verbs.h"
#include "ui/forms.h"

#include <array>

class QLineEdit;

namespace exercises {

class VerbWindow : public forms::Window {
    Q_OBJECT
public:
    static constexpr forms::Colour right = forms::Colour::rgb(0, 255, 0);
    static constexpr forms::Colour wrong = forms::Colour::rgb(255, 0, 0);
    static constexpr forms::Colour afterReset = forms::Colour::windowText();

    static constexpr std::size_t itemCount = content::verbItems.size();
    // The box where the pupil types the infinitive of content::verbItems[i], and its prompt.
    static constexpr std::array<std::string_view, itemCount> answerBoxes{"Text1", "Text2", "Text3",
                                                                         "Text4"};
    static constexpr std::array<std::string_view, itemCount> promptLabels{"Label1", "Label2",
                                                                          "Label3", "Label4"};
    static constexpr std::string_view verifyButton = "Command1";
    static constexpr std::string_view resetButton = "Command2";

    static const forms::Layout layout;

    VerbWindow();

    void verify();
    void reset();

private:
    std::array<QLineEdit*, itemCount> answerBoxes_{};
};

} // namespace exercises
