// The sentence exercise window: one layout and three handlers (load step, verify, reset) bound
// to one sentence set. Every sentence window kind is this window with its own set; one of them
// starts its first role box in black, the others in the desktop's window-text colour.
//
// Row r pairs the chunk box chunkBoxes[r-1] with the role box roleBoxes[r-1]. The load step
// fills every role box with the catalogue; verify colours each keyed row's role box light green
// or red by the judging rule; reset turns all eight role boxes black. Nothing else is read or
// written.
#pragma once

#include "content/sentences.h"
#include "ui/forms.h"

#include <array>

class QComboBox;

namespace exercises {

enum class FirstRoleBoxColour { WindowText, Black };

class SentenceWindow : public forms::Window {
    Q_OBJECT
public:
    static constexpr forms::Colour right = forms::Colour::rgb(128, 255, 128);
    static constexpr forms::Colour wrong = forms::Colour::rgb(255, 0, 0);
    static constexpr forms::Colour afterReset = forms::Colour::rgb(0, 0, 0);

    static constexpr std::string_view sentenceLabel = "Label1";
    static constexpr std::array<std::string_view, content::rowCount> chunkBoxes{
        "Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8"};
    static constexpr std::array<std::string_view, content::rowCount> roleBoxes{
        "Combo1", "Combo2", "Combo3", "Combo4", "Combo5", "Combo6", "Combo7", "Combo8"};
    static constexpr std::string_view verifyButton = "Command1";
    static constexpr std::string_view resetButton = "Command2";

    // The layout without the texts of a set: where every control lies, for tools and tests.
    static const forms::Layout layout;

    SentenceWindow(const content::SentenceSet& set, FirstRoleBoxColour firstRoleBoxColour);

    const content::SentenceSet& sentenceSet() const { return set_; }

    void load() override;
    void verify();
    void reset();

private:
    QComboBox& roleBox(int row) const { return *roleBoxes_[row - 1]; }

    const content::SentenceSet& set_;
    std::array<QComboBox*, content::rowCount> roleBoxes_{};
};

} // namespace exercises
