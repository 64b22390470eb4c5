#include "ui/forms.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>

#include <algorithm>
#include <limits>

namespace forms {
namespace {

// The desktop's colours that unset properties fall back on.
struct SystemColours {
    QColor windowText, windowBackground, buttonFace, buttonText;

    static SystemColours current() {
        const QPalette palette = QApplication::palette();
        return {palette.color(QPalette::WindowText), palette.color(QPalette::Base),
                palette.color(QPalette::Button), palette.color(QPalette::ButtonText)};
    }
};

QColor colourOr(const std::optional<Colour>& colour, const QColor& fallback) {
    return colour ? colour->resolved() : fallback;
}

// Sets the roles whose colour differs from what the widget has already (from the desktop or
// its container), in the active and inactive groups alike; a widget that matches keeps
// following the desktop's palette.
void paint(QWidget& widget, std::initializer_list<std::pair<QPalette::ColorRole, QColor>> roles) {
    QPalette palette = widget.palette();
    bool changed = false;
    for (const auto& [role, colour] : roles) {
        if (palette.color(QPalette::Active, role) != colour ||
            palette.color(QPalette::Inactive, role) != colour) {
            palette.setColor(role, colour);
            changed = true;
        }
    }
    if (changed)
        widget.setPalette(palette);
}

QWidget* makeLabel(const Control& control, const SystemColours& system, QWidget* parent) {
    auto* label = new ClickableLabel(qtText(control.text), parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setFocusPolicy(Qt::NoFocus);
    label->setAutoFillBackground(!control.style.transparent);
    paint(*label, {{QPalette::WindowText, colourOr(control.style.fore, system.buttonText)},
                   {QPalette::Window, colourOr(control.style.back, system.buttonFace)}});
    return label;
}

QWidget* makeFrame(const Control& control, const SystemColours& system, QWidget* parent) {
    auto* frame = new QGroupBox(qtText(control.text), parent);
    frame->setFocusPolicy(Qt::NoFocus);
    frame->setAutoFillBackground(true);
    // Styles draw a group box title in either of the two text roles.
    const QColor caption = colourOr(control.style.fore, system.buttonText);
    paint(*frame, {{QPalette::WindowText, caption},
                   {QPalette::Text, caption},
                   {QPalette::Window, colourOr(control.style.back, system.buttonFace)}});
    return frame;
}

QWidget* makeCommandButton(const Control& control, const SystemColours& system, QWidget* parent) {
    auto* button = new CommandButton(qtText(control.text), parent);
    button->setAutoDefault(false);
    button->setDefault(false);
    const QColor face = control.style.graphical ? colourOr(control.style.back, system.buttonFace)
                                                : system.buttonFace;
    paint(*button, {{QPalette::Button, face},
                    {QPalette::ButtonText, colourOr(control.style.fore, system.buttonText)}});
    return button;
}

QWidget* makeTextBox(const Control& control, const SystemColours& system, QWidget* parent) {
    auto* box = new QLineEdit(qtText(control.text), parent);
    box->setMaxLength(std::numeric_limits<int>::max());
    box->setCursorPosition(0);
    paint(*box, {{QPalette::Text, colourOr(control.style.fore, system.windowText)},
                 {QPalette::Base, colourOr(control.style.back, system.windowBackground)}});
    return box;
}

QWidget* makeComboBox(const Control& control, const SystemColours& system, QWidget* parent) {
    auto* box = new ComboBox(parent);
    box->setEditable(true);
    // Typed text must never become a list entry: the list is the catalogue.
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setEditText(qtText(control.text));
    // Show a picked entry from its start: long entries differ only at their tails.
    QObject::connect(box, &QComboBox::currentIndexChanged, box,
                     [box] { box->lineEdit()->setCursorPosition(0); });
    paint(*box, {{QPalette::Text, colourOr(control.style.fore, system.windowText)},
                 {QPalette::Base, colourOr(control.style.back, system.windowBackground)}});
    return box;
}

QWidget* make(const Control& control, const SystemColours& system, QWidget* parent) {
    switch (control.kind) {
    case ControlKind::Label:
        return makeLabel(control, system, parent);
    case ControlKind::Frame:
        return makeFrame(control, system, parent);
    case ControlKind::CommandButton:
        return makeCommandButton(control, system, parent);
    case ControlKind::TextBox:
        return makeTextBox(control, system, parent);
    case ControlKind::ComboBox:
        return makeComboBox(control, system, parent);
    }
    Q_UNREACHABLE();
}

bool takesFocus(ControlKind kind) {
    return kind != ControlKind::Label && kind != ControlKind::Frame;
}

const Control* find(const Layout& layout, std::string_view name) {
    const auto found = std::ranges::find(layout.controls, name, &Control::name);
    return found == layout.controls.end() ? nullptr : &*found;
}

} // namespace

void missingControl(std::string_view name) {
    qFatal("forms: no control named %.*s", int(name.size()), name.data());
}

QSize clientSize(const Layout& layout) {
    return {pixels(layout.clientWidth), pixels(layout.clientHeight)};
}

QRect place(const Layout& layout, std::string_view name) {
    const Control* control = find(layout, name);
    if (!control)
        missingControl(name);
    const QRect own = pixels(control->place);
    return control->container.empty() ? own
                                      : own.translated(place(layout, control->container).topLeft());
}

Window::Window(const Layout& layout) {
    const SystemColours system = SystemColours::current();
    setWindowTitle(qtText(layout.caption));
    setFixedSize(clientSize(layout));
    setAutoFillBackground(true);
    paint(*this, {{QPalette::Window, colourOr(layout.back, system.buttonFace)},
                  {QPalette::WindowText, system.buttonText}});

    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (const Control& control : layout.controls) {
        QWidget* container =
            control.container.empty() ? this : &this->control<QWidget>(control.container);
        QWidget* widget = make(control, system, container);
        widget->setObjectName(qtText(control.name));
        widget->setGeometry(pixels(control.place));
        if (!control.accessibleName.empty())
            widget->setAccessibleName(qtText(control.accessibleName));
        if (takesFocus(control.kind))
            tabOrder.emplace_back(control.tabIndex, widget);
    }

    std::ranges::sort(tabOrder, {}, &std::pair<int, QWidget*>::first);
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
    // Remembered until the window is first activated.
    if (!tabOrder.empty())
        tabOrder.front().second->setFocus();
}

void Window::onClick(std::string_view controlName, std::function<void()> handler) {
    const QString name = qtText(controlName);
    if (auto* button = findChild<QAbstractButton*>(name))
        connect(button, &QAbstractButton::clicked, this, handler);
    else if (auto* label = findChild<ClickableLabel*>(name))
        connect(label, &ClickableLabel::clicked, this, handler);
    else
        missingControl(controlName);
}

} // namespace forms
