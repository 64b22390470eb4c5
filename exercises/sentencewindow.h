// The sentence exercise window: one layout and three handlers (load step, verify, reset) bound
// to one sentence set. The window kinds primo, Secondo, terzoo and quarto are this window with
// their own set; primo's layout alone starts its first role box in black.
//
// Row r pairs the chunk box Text<r> with the role box Combo<r>. The load step fills every role
// box with the catalogue; verify colours each keyed row's role box light green or red by the
// judging rule; reset turns all eight role boxes black. Nothing else is read or written.
#pragma once

#include "content/sentences.h"
#include "ui/forms.h"

#include <array>

class QComboBox;

namespace exercises {

enum class FirstRoleBox { SystemColour, Black };

class SentenceWindow : public forms::Window {
    Q_OBJECT
public:
    static constexpr forms::Colour right = forms::Colour::rgb(128, 255, 128);
    static constexpr forms::Colour wrong = forms::Colour::rgb(255, 0, 0);
    static constexpr forms::Colour afterReset = forms::Colour::rgb(0, 0, 0);

    SentenceWindow(const content::SentenceSet& set, FirstRoleBox firstRoleBox);

    void load() override;
    void verify();
    void reset();

private:
    QComboBox& roleBox(int row) const { return *roleBoxes_[row - 1]; }

    const content::SentenceSet& set_;
    std::array<QComboBox*, content::rowCount> roleBoxes_{};
};

} // namespace exercises
