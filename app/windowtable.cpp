#include "app/windowtable.h"

namespace app {

Windows::Windows() {
    for (const KindEntry& entry : windowKinds)
        kinds_[std::size_t(entry.kind)] =
            std::make_unique<forms::WindowKind>([this, &entry] { return build(entry); });
}

// The window of `entry`, with a click handler for every kind that it opens.
std::unique_ptr<forms::Window> Windows::build(const KindEntry& entry) {
    std::unique_ptr<forms::Window> window = entry.build();
    for (const KindEntry& opened : windowKinds)
        if (opened.openedBy && opened.openedBy->window == entry.kind)
            window->onClick(opened.openedBy->control, [this, kind = opened.kind] { open(kind); });
    return window;
}

} // namespace app
