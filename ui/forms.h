// The forms layer: everything the windows of the program are written against.
//
// A window is described as data, a Layout: caption, client size, background and a table of
// Controls placed in twips (1/1440 inch, 15 to a logical pixel), exactly as the windows are
// drawn up. One builder (forms::Window's constructor) turns a layout into Qt widgets whose
// objectName is the control's layout name; properties a layout leaves out take the kind's
// default system colours. A WindowKind owns the opening rules: at most one window per kind,
// built and loaded when it is not open, only brought to the front when it is, discarded on
// close; the program ends when its last window closes. Around these stand the few services the
// handlers use: list items and selection of role boxes, text colours, the message box and the
// pinned look of the program.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

class QApplication;
class QLineEdit;

namespace forms {

// The layouts' texts are UTF-8.
inline QString qtText(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Twips to logical pixels, rounded: the one conversion every window and tool uses.
constexpr int twipsPerPixel = 15;
constexpr int pixels(int twips) {
    return (twips + twipsPerPixel / 2) / twipsPerPixel;
}

// An RGB colour, or the desktop's window-text colour, which is read from the application
// palette when it is applied and never assumed to be black.
class Colour {
public:
    static constexpr Colour rgb(int red, int green, int blue) { return {red, green, blue}; }
    static constexpr Colour windowText() { return Colour{}; }

    QColor resolved() const;
    constexpr bool isWindowText() const { return system_; }
    constexpr bool operator==(const Colour&) const = default;

private:
    constexpr Colour() = default;
    constexpr Colour(int red, int green, int blue)
        : system_(false)
        , red_(red)
        , green_(green)
        , blue_(blue) {}
    bool system_ = true;
    int red_ = 0, green_ = 0, blue_ = 0;
};

enum class ControlKind { Label, Frame, CommandButton, TextBox, ComboBox };

struct Twips {
    int left, top, width, height;
};

inline QRect pixels(const Twips& place) {
    return {pixels(place.left), pixels(place.top), pixels(place.width), pixels(place.height)};
}

// The optional properties of a control; anything left unset takes the kind's default.
struct Style {
    std::optional<Colour> back{};
    std::optional<Colour> fore{};
    bool graphical = false;   // a command button shows its back colour only in this style
    bool transparent = false; // a label lets its container's background show through
};

struct Control {
    ControlKind kind;
    std::string_view name;
    std::string_view text; // caption of labels, frames and buttons; initial text of boxes
    Twips place;           // relative to the client area of the window or of `container`
    int tabIndex;
    Style style{};
    std::string_view container{};      // the frame that holds it; empty for the window itself
    std::string_view accessibleName{}; // for boxes, which have no caption of their own
};

struct Layout {
    std::string_view caption;
    int clientWidth, clientHeight; // twips
    std::optional<Colour> back;
    std::span<const Control> controls;
};

// Ends the program with the name of a control that a window or a layout does not have.
[[noreturn]] void missingControl(std::string_view name);

// The layout's client size, and where its named control lies in the window's client area, in
// logical pixels (a control inside a frame is placed from the frame's corner).
QSize clientSize(const Layout& layout);
QRect place(const Layout& layout, std::string_view name);

// A top-level window built from a layout. Subclasses add their handlers and, where the window
// has one, a load step.
class Window : public QWidget {
    Q_OBJECT
public:
    explicit Window(const Layout& layout);

    // Runs once each time the window is built, before it is shown.
    virtual void load() {}

    template <class Widget> Widget& control(std::string_view name) const {
        auto* found = findChild<Widget*>(qtText(name));
        if (!found)
            missingControl(name);
        return *found;
    }

    // Calls `handler` on a click of the named command button or label.
    void onClick(std::string_view controlName, std::function<void()> handler);
};

// A label that answers a mouse click; it never takes the keyboard focus. Assistive technology
// can press it too.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    ClickableLabel(const QString& text, QWidget* parent);
    // True when something is connected to clicked().
    bool answersClicks() const;
signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

// A command button that a focused Enter presses as well as Space, without being any window's
// default button.
class CommandButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// An editable combo box whose drop-down list is wide enough to show every entry whole; the
// width is measured when the list drops down, not for every entry added. Assistive technology
// hears it by its own name, with the picked entry as its value.
class ComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit ComboBox(QWidget* parent = nullptr);
    void showPopup() override;
};

// One window kind and its single instance.
class WindowKind {
public:
    using Factory = std::function<std::unique_ptr<Window>()>;
    explicit WindowKind(Factory factory);
    ~WindowKind();
    WindowKind(const WindowKind&) = delete;
    WindowKind& operator=(const WindowKind&) = delete;

    // Not open: build from the layout, run the load step, show it active. Open: restore it if
    // minimised and bring it to the front, contents kept and no second load step.
    void open();
    bool isOpen() const;
    Window* window() const; // the open window, or nullptr

private:
    Factory factory_;
    QPointer<Window> window_;
};

// Combo box services: append an entry without changing the selection; the selection index
// (-1 for none) as the 16-bit signed number the handlers compare.
void addItem(QComboBox& box, std::string_view text);
qint16 listIndex(const QComboBox& box);

// The whole text of a text box, in UTF-8.
std::string text(const QLineEdit& box);

// Sets the colour a text or combo box draws its text in, and tells assistive technology the
// colour in words ("testo verde", "testo rosso"); text and selection stay as they are.
void setForeColour(QWidget& box, Colour colour);

// The modal information box with one OK button; returns when the pupil dismisses it.
void messageBox(std::string_view prompt, std::string_view title);
QPixmap informationIcon(qreal devicePixelRatio);

// The program's look: a style that paints layout colours exactly, a pinned font that fits
// every caption into its fixed box, the Italian locale and Qt's Italian texts.
void applyLook(QApplication& application);
QFont programFont();

} // namespace forms
