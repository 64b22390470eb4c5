// The table of the program's window kinds: every window there is, by name, with what builds it.
#pragma once

#include "ui/forms.h"

namespace app {

void addWindowKinds(forms::WindowKinds& kinds);

} // namespace app
