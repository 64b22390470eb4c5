// The verb exercise window (Form3): four conjugated forms, each with a box for its infinitive.
// Verify colours each answer box green when its text is exactly the item's infinitive and red
// otherwise; reset gives the four boxes the desktop's window-text colour again. The window has
// no load step and keeps nothing outside its controls.
#pragma once

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

    VerbWindow();

    void verify();
    void reset();

private:
    std::array<QLineEdit*, 4> answerBoxes_{};
};

} // namespace exercises
