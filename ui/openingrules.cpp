#include "ui/forms.h"

namespace forms {

WindowKind::WindowKind(Factory factory)
    : factory_(std::move(factory)) {
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

} // namespace forms
