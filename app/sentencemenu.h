// The sentence menu (Form2): one label per sentence; a click on a sentence opens its exercise
// window. The instruction label and the window itself answer nothing, nor does the keyboard.
#pragma once

#include "ui/forms.h"

namespace app {

class SentenceMenu : public forms::Window {
    Q_OBJECT
public:
    explicit SentenceMenu(forms::WindowKinds& kinds);
};

} // namespace app
