// What assistive technology is told of the forms layer's own controls.
//
// A role box: Qt's own description of a combo box on Linux names the box after its picked
// entry, so a screen-reader user hears "Complemento Oggetto" and no longer knows which chunk
// the box belongs to. Here the box keeps its own name ("Funzione logica della parte 3"), its
// value is the picked entry, and its children are the edit field and the entries of its list:
// each entry says whether it is the picked one and can be picked with its Press action, as a
// mouse click in the drop-down list picks it.
//
// A clickable label: read as the text it shows, and, where a click on it does something,
// offering that click as its Press action, so that a screen reader can open a sentence from
// the menu as a mouse user does. The keyboard still opens nothing there: an action is not a
// key.
#include "ui/forms.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QLineEdit>

#include <map>

namespace forms {
namespace {

class EntryAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    EntryAccessible(QComboBox* box, int index)
        : box_(box)
        , index_(index) {}

    bool isValid() const override { return box_ && index_ < box_->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return parent() ? parent()->window() : nullptr; }
    QAccessibleInterface* parent() const override {
        return box_ ? QAccessible::queryAccessibleInterface(box_.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && isValid() ? box_->itemText(index_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.selectable = true;
        state.selected = isValid() && box_->currentIndex() == index_;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction() && isValid())
            box_->setCurrentIndex(index_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<QComboBox> box_;
    int index_;
};

class ComboBoxAccessible : public QAccessibleWidget {
public:
    explicit ComboBoxAccessible(QComboBox* box)
        : QAccessibleWidget(box, QAccessible::ComboBox) {}
    ~ComboBoxAccessible() override {
        for (const auto& [index, id] : entries_)
            QAccessible::deleteAccessibleInterface(id);
    }

    QComboBox& box() const { return *static_cast<QComboBox*>(widget()); }

    // The edit field first, then the entries of the list in order.
    int childCount() const override { return editField() + box().count(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount())
            return nullptr;
        if (index < editField())
            return QAccessible::queryAccessibleInterface(box().lineEdit());
        const int entry = index - editField();
        auto found = entries_.find(entry);
        if (found == entries_.end())
            found = entries_
                        .emplace(entry, QAccessible::registerAccessibleInterface(
                                            new EntryAccessible(&box(), entry)))
                        .first;
        return QAccessible::accessibleInterface(found->second);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child)
            return -1;
        if (editField() && child->object() == box().lineEdit())
            return 0;
        for (const auto& [entry, id] : entries_)
            if (QAccessible::accessibleInterface(id) == child)
                return editField() + entry;
        return -1;
    }
    QAccessibleInterface* focusChild() const override {
        return box().lineEdit() && box().lineEdit()->hasFocus()
                   ? QAccessible::queryAccessibleInterface(box().lineEdit())
                   : nullptr;
    }

    // The name is the layout's name for the box, whatever is picked; the value is the pick.
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return box().currentText();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = box().view()->isVisible();
        state.editable = box().isEditable();
        return state;
    }

    QStringList actionNames() const override {
        return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        if (name != showMenuAction())
            return QAccessibleWidget::doAction(name);
        if (box().view()->isVisible())
            box().hidePopup();
        else
            box().showPopup();
    }

private:
    int editField() const { return box().lineEdit() ? 1 : 0; }

    mutable std::map<int, QAccessible::Id> entries_;
};

class LabelAccessible : public QAccessibleWidget {
public:
    explicit LabelAccessible(ClickableLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    ClickableLabel& label() const { return *static_cast<ClickableLabel*>(widget()); }

    QString text(QAccessible::Text t) const override {
        const QString own = QAccessibleWidget::text(t);
        return t == QAccessible::Name && own.isEmpty() ? label().text() : own;
    }
    QStringList actionNames() const override {
        return label().answersClicks() ? QStringList{pressAction()} : QStringList{};
    }
    void doAction(const QString& name) override {
        if (name == pressAction() && label().answersClicks())
            emit label().clicked();
    }
};

QAccessibleInterface* accessibleControl(const QString& className, QObject* object) {
    if (className == QLatin1String(ComboBox::staticMetaObject.className()))
        return new ComboBoxAccessible(static_cast<ComboBox*>(object));
    if (className == QLatin1String(ClickableLabel::staticMetaObject.className()))
        return new LabelAccessible(static_cast<ClickableLabel*>(object));
    return nullptr;
}

// Once, before the first such control can be asked for.
void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(accessibleControl);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace

ComboBox::ComboBox(QWidget* parent)
    : QComboBox(parent) {
    installAccessibility();
}

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent) {
    installAccessibility();
}

} // namespace forms
