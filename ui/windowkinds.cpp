#include "ui/forms.h"

#include <algorithm>

namespace forms {

WindowKind::WindowKind(std::string_view name, Factory factory)
    : name_(name)
    , factory_(std::move(factory)) {
}

WindowKind::~WindowKind() {
    delete window_.data();
}

// A closed window lingers hidden until its deferred delete; only a visible one is open.
bool WindowKind::isOpen() const {
    return window_ && window_->isVisible();
}

Window* WindowKind::window() const {
    return isOpen() ? window_.data() : nullptr;
}

void WindowKind::open() {
    if (isOpen()) {
        if (window_->isMinimized())
            window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
        window_->raise();
        window_->activateWindow();
        return;
    }
    // Every kind is a parentless top-level window: it counts for the end of the program and
    // lives and dies on its own.
    std::unique_ptr<Window> built = factory_();
    built->setAttribute(Qt::WA_DeleteOnClose);
    built->load();
    window_ = built.release();
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void WindowKinds::add(std::string_view name, WindowKind::Factory factory) {
    kinds_.push_back(std::make_unique<WindowKind>(name, std::move(factory)));
}

WindowKind& WindowKinds::operator[](std::string_view name) {
    const auto found =
        std::ranges::find(kinds_, name, [](const auto& kind) { return kind->name(); });
    if (found == kinds_.end())
        qFatal("forms: no window kind named %.*s", int(name.size()), name.data());
    return **found;
}

} // namespace forms
