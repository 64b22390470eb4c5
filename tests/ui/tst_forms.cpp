// The forms layer: building windows from layout tables, the control services, and the opening
// rules of window kinds, on a small fixture layout of every control kind.
#include "testsupport.h"
#include "ui/forms.h"

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>

using forms::Colour;
using forms::Control;
using enum forms::ControlKind;
using testsupport::DistinctSystemColours;
using testsupport::textColour;

namespace {

constexpr Colour red = Colour::rgb(255, 0, 0);
constexpr Colour blue = Colour::rgb(0, 0, 255);

// clang-format off
constexpr Control fixtureControls[] = {
    //  kind         name       text           left   top  width height tab
    {Frame,         "Frame1",  "Cornice",     { 120,  120, 3000, 1500}, 0, {.fore = red}},
    {CommandButton, "Inside",  "Dentro",      { 120,  240, 1500,  375}, 4, {.back = blue, .graphical = true}, "Frame1"},
    {Label,         "Caption", "Etichetta",   {3300,  120, 1500,  255}, 1},
    {Label,         "Clear",   "Trasparente", {3300, 1500, 1500,  255}, 7, {.transparent = true}},
    {TextBox,       "Box",     "testo",       {3300,  480, 1500,  285}, 3, {}, {}, "Casella"},
    {ComboBox,      "Roles",   "",            {3300,  840, 1500,  315}, 2, {}, {}, "Ruolo"},
    {CommandButton, "Plain",   "Semplice",    {3300, 1200, 1500,  375}, 5, {.back = blue}},
};
// clang-format on

constexpr forms::Layout fixtureLayout{"Finestra di prova", 4950, 1995, Colour::rgb(0, 255, 0),
                                      fixtureControls};

class FixtureWindow : public forms::Window {
public:
    FixtureWindow()
        : forms::Window(fixtureLayout) {
        ++built;
        onClick("Plain", [] { ++clicks; });
        onClick("Caption", [] { ++clicks; });
    }
    void load() override {
        ++loads;
        control<QLineEdit>("Box").setText("caricato");
    }
    static inline int built = 0, loads = 0, clicks = 0;
};
using OpenFixture = testsupport::OpenWindow<FixtureWindow>;

void sendKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focused = QApplication::focusWidget();
    QVERIFY(focused);
    QTest::keyClick(focused, key, modifiers);
}

} // namespace

class TestForms : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::quietOffscreenPlatform(); }
    void cleanup();

    void builderPlacesControlsInPixels_data();
    void builderPlacesControlsInPixels();
    void layoutPlacesAreInTheWindowsClientArea();
    void builtWindowHasCaptionClientSizeAndTexts();
    void unsetPropertiesTakeTheKindDefaults();
    void layoutColoursAreExact();
    void tabOrderFollowsTabIndexSkippingLabelsAndFrames();
    void addItemAppendsWithoutSelecting();
    void typedTextNeverBecomesAnEntry();
    void pickedEntryIsShownFromItsStart();
    void comboBoxKeepsItsNameWithThePickAsValue();
    void textBoxTakesAnyLength();
    void foreColourChangesOnlyTheColour();
    void windowTextColourIsReadFromTheDesktop();
    void focusedButtonIsPressedBySpaceAndEnter_data();
    void focusedButtonIsPressedBySpaceAndEnter();
    void enterInABoxPressesNothing();
    void labelAnswersALeftClickAndTakesNoFocus();
    void labelOffersItsClickToAssistiveTechnology();
    void openingBuildsLoadsAndShowsActive();
    void openingAnOpenWindowOnlyBringsItToTheFront();
    void closingDiscardsAndTheNextOpeningIsFresh();
    void openingRightAfterClosingBuildsAgain();
    void openingRestoresAMinimisedWindow();
    void messageBoxReturnsHoweverItIsDismissed_data();
    void messageBoxReturnsHoweverItIsDismissed();
    void eventLoopEndsWhenTheLastWindowCloses();
};

void TestForms::cleanup() {
    VERIFY_NO_WINDOW_LEFT();
    FixtureWindow::built = FixtureWindow::loads = FixtureWindow::clicks = 0;
}

void TestForms::builderPlacesControlsInPixels_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("container");
    // 15 twips to a pixel; frame children from the frame's corner.
    QTest::newRow("frame") << "Frame1" << QRect(8, 8, 200, 100) << "";
    QTest::newRow("button-in-frame") << "Inside" << QRect(8, 16, 100, 25) << "Frame1";
    QTest::newRow("label") << "Caption" << QRect(220, 8, 100, 17) << "";
    QTest::newRow("text-box") << "Box" << QRect(220, 32, 100, 19) << "";
    QTest::newRow("combo-box") << "Roles" << QRect(220, 56, 100, 21) << "";
    QTest::newRow("button") << "Plain" << QRect(220, 80, 100, 25) << "";
}

void TestForms::builderPlacesControlsInPixels() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, container);

    FixtureWindow window;
    auto* widget = window.findChild<QWidget*>(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), geometry);
    QCOMPARE(widget->parentWidget()->objectName(), container);
}

// The same rectangles the builder gives the widgets, for tools that only read a layout.
void TestForms::layoutPlacesAreInTheWindowsClientArea() {
    FixtureWindow window;
    for (const Control& control : fixtureControls) {
        const QWidget& widget = window.control<QWidget>(control.name);
        QCOMPARE(forms::place(fixtureLayout, control.name),
                 QRect(widget.mapTo(&window, QPoint(0, 0)), widget.size()));
    }
    QCOMPARE(forms::place(fixtureLayout, "Inside"), QRect(16, 24, 100, 25));
    QCOMPARE(forms::clientSize(fixtureLayout), window.size());
}

void TestForms::builtWindowHasCaptionClientSizeAndTexts() {
    FixtureWindow window;
    QCOMPARE(window.windowTitle(), "Finestra di prova");
    QCOMPARE(window.size(), QSize(330, 133));
    QCOMPARE(window.palette().color(QPalette::Window), QColor(0, 255, 0));
    QVERIFY(window.autoFillBackground());
    QCOMPARE(window.control<QLineEdit>("Box").text(), "testo");
    QCOMPARE(window.control<QLineEdit>("Box").accessibleName(), "Casella");
    QCOMPARE(window.control<QGroupBox>("Frame1").title(), "Cornice");
}

void TestForms::unsetPropertiesTakeTheKindDefaults() {
    const DistinctSystemColours desktop;
    FixtureWindow window;

    auto& label = window.control<QLabel>("Caption");
    QCOMPARE(label.palette().color(QPalette::WindowText), desktop.buttonText);
    QCOMPARE(label.palette().color(QPalette::Window), desktop.buttonFace);
    QVERIFY(label.autoFillBackground());
    QVERIFY(!window.control<QLabel>("Clear").autoFillBackground());

    for (const char* name : {"Box", "Roles"}) {
        auto& box = window.control<QWidget>(name);
        QCOMPARE(box.palette().color(QPalette::Text), desktop.windowText);
        QCOMPARE(box.palette().color(QPalette::Base), desktop.windowBackground);
    }
    // A back colour shows on a button only in graphical style.
    auto& plain = window.control<QPushButton>("Plain");
    QCOMPARE(plain.palette().color(QPalette::Button), desktop.buttonFace);
    QCOMPARE(plain.palette().color(QPalette::ButtonText), desktop.buttonText);
    QCOMPARE(window.control<QPushButton>("Inside").palette().color(QPalette::Button),
             QColor(0, 0, 255));
    QCOMPARE(window.control<QGroupBox>("Frame1").palette().color(QPalette::Window),
             desktop.buttonFace);

    auto& combo = window.control<QComboBox>("Roles");
    QVERIFY(combo.isEditable());
    QCOMPARE(combo.count(), 0);
    QCOMPARE(combo.currentIndex(), -1);
    QVERIFY(!plain.isDefault() && !plain.autoDefault());
}

// Rendered pixels, not only palette entries: a style could tint what it is given.
void TestForms::layoutColoursAreExact() {
    const testsupport::ScopedStyle style("Windows");
    FixtureWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QImage image = window.grab().toImage();
    QCOMPARE(image.pixelColor(2, 2), QColor(0, 255, 0));
    auto& inside = window.control<QPushButton>("Inside");
    const QPoint centre = inside.mapTo(&window, QPoint(6, inside.height() / 2));
    QCOMPARE(image.pixelColor(centre), QColor(0, 0, 255));
}

void TestForms::tabOrderFollowsTabIndexSkippingLabelsAndFrames() {
    const OpenFixture window;
    QVERIFY(QTest::qWaitForWindowActive(&*window));

    // Tab indexes: Roles 2, Box 3, Inside 4, Plain 5; Frame1, Caption and Clear cannot focus.
    const QStringList expected = {"Roles", "Box", "Inside", "Plain", "Roles"};
    for (const QString& name : expected) {
        QVERIFY(testsupport::focusOwner());
        QCOMPARE(testsupport::focusOwner()->objectName(), name);
        sendKey(Qt::Key_Tab);
    }
}

void TestForms::addItemAppendsWithoutSelecting() {
    FixtureWindow window;
    auto& box = window.control<QComboBox>("Roles");
    for (const char* entry : {"primo", "secondo", "primo"})
        forms::addItem(box, entry);
    QCOMPARE(box.count(), 3);
    QCOMPARE(box.itemText(2), "primo");
    QCOMPARE(forms::listIndex(box), qint16(-1));
    QCOMPARE(box.currentText(), QString());

    box.setCurrentIndex(1);
    forms::addItem(box, "terzo");
    QCOMPARE(forms::listIndex(box), qint16(1));
    QCOMPARE(box.itemText(3), "terzo");
}

void TestForms::typedTextNeverBecomesAnEntry() {
    const OpenFixture window;
    auto& box = window->control<QComboBox>("Roles");
    forms::addItem(box, "Soggetto");
    box.setFocus();
    QTest::keyClicks(box.lineEdit(), "Altro");
    QTest::keyClick(box.lineEdit(), Qt::Key_Return);
    QCOMPARE(box.count(), 1);
    QCOMPARE(forms::listIndex(box), qint16(-1));
}

void TestForms::pickedEntryIsShownFromItsStart() {
    FixtureWindow window;
    window.show();
    auto& box = window.control<QComboBox>("Roles");
    forms::addItem(box, "Complemento Predicativo dell'Oggetto");
    box.setCurrentIndex(0);
    QCOMPARE(box.lineEdit()->cursorPosition(), 0);
}

// As assistive technology sees a combo box: its own name whatever is picked, the pick as its
// value and as its one selected entry; an entry's Press action picks it, as a click would.
void TestForms::comboBoxKeepsItsNameWithThePickAsValue() {
    FixtureWindow window;
    auto& box = window.control<QComboBox>("Roles");
    for (const char* entry : {"Soggetto", "Copula", "Soggetto"})
        forms::addItem(box, entry);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&box);
    QVERIFY(accessible);
    QCOMPARE(accessible->role(), QAccessible::ComboBox);
    const auto selectedEntries = [accessible] {
        QStringList selected;
        for (int i = 0; i < accessible->childCount(); ++i)
            if (accessible->child(i)->state().selected)
                selected << accessible->child(i)->text(QAccessible::Name);
        return selected;
    };
    QCOMPARE(accessible->text(QAccessible::Name), "Ruolo");
    QCOMPARE(accessible->text(QAccessible::Value), QString());
    QCOMPARE(selectedEntries(), QStringList());

    box.setCurrentIndex(1);
    QCOMPARE(accessible->text(QAccessible::Name), "Ruolo");
    QCOMPARE(accessible->text(QAccessible::Value), "Copula");
    QCOMPARE(selectedEntries(), QStringList{"Copula"});

    // The edit field, then the three entries; the second "Soggetto" is an entry of its own.
    QCOMPARE(accessible->childCount(), 4);
    QCOMPARE(accessible->child(0)->object(), box.lineEdit());
    QAccessibleInterface* lastEntry = accessible->child(3);
    QCOMPARE(lastEntry->role(), QAccessible::ListItem);
    QCOMPARE(accessible->indexOfChild(lastEntry), 3);
    QVERIFY(lastEntry->actionInterface());
    lastEntry->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(forms::listIndex(box), qint16(2));
    QCOMPARE(accessible->text(QAccessible::Name), "Ruolo");
    QCOMPARE(accessible->text(QAccessible::Value), "Soggetto");
}

void TestForms::textBoxTakesAnyLength() {
    FixtureWindow window;
    auto& box = window.control<QLineEdit>("Box");
    const QString longText(100'000, u'a');
    box.setText(longText);
    QCOMPARE(box.text(), longText);
    QCOMPARE(forms::text(box), longText.toStdString());
}

void TestForms::foreColourChangesOnlyTheColour() {
    FixtureWindow window;
    auto& box = window.control<QLineEdit>("Box");
    auto& combo = window.control<QComboBox>("Roles");
    forms::addItem(combo, "Soggetto");
    combo.setCurrentIndex(0);

    forms::setForeColour(box, Colour::rgb(128, 255, 128));
    forms::setForeColour(combo, red);
    QCOMPARE(textColour(box), QColor(128, 255, 128));
    QCOMPARE(textColour(combo), QColor(255, 0, 0));
    QCOMPARE(textColour(*combo.lineEdit()), QColor(255, 0, 0));
    QCOMPARE(box.text(), "testo");
    QCOMPARE(combo.currentIndex(), 0);
    QCOMPARE(combo.currentText(), "Soggetto");
    QCOMPARE(box.palette().color(QPalette::Base), QApplication::palette().color(QPalette::Base));
}

void TestForms::windowTextColourIsReadFromTheDesktop() {
    const DistinctSystemColours desktop;
    FixtureWindow window;
    auto& box = window.control<QLineEdit>("Box");
    forms::setForeColour(box, red);
    forms::setForeColour(box, Colour::windowText());
    QCOMPARE(textColour(box), desktop.windowText);
    QCOMPARE(Colour::windowText().resolved(), desktop.windowText);
}

void TestForms::focusedButtonIsPressedBySpaceAndEnter_data() {
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("space") << Qt::Key_Space << Qt::KeyboardModifiers();
    QTest::newRow("return") << Qt::Key_Return << Qt::KeyboardModifiers();
    QTest::newRow("enter") << Qt::Key_Enter << Qt::KeyboardModifiers();
    // As a real keypad sends it.
    QTest::newRow("keypad-enter") << Qt::Key_Enter << Qt::KeyboardModifiers(Qt::KeypadModifier);
}

void TestForms::focusedButtonIsPressedBySpaceAndEnter() {
    QFETCH(Qt::Key, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    const OpenFixture window;
    auto& plain = window->control<QPushButton>("Plain");
    QVERIFY(QTest::qWaitForWindowActive(&*window));
    plain.setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), &plain);
    sendKey(key, modifiers);
    QCOMPARE(FixtureWindow::clicks, 1);
}

void TestForms::enterInABoxPressesNothing() {
    const OpenFixture window;
    auto& box = window->control<QLineEdit>("Box");
    QVERIFY(QTest::qWaitForWindowActive(&*window));
    box.setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), &box);
    sendKey(Qt::Key_Return);
    sendKey(Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(FixtureWindow::clicks, 0);
}

void TestForms::labelAnswersALeftClickAndTakesNoFocus() {
    FixtureWindow window;
    window.show();
    auto& label = window.control<forms::ClickableLabel>("Caption");
    QCOMPARE(label.focusPolicy(), Qt::NoFocus);
    QSignalSpy clicked(&label, &forms::ClickableLabel::clicked);
    QTest::mouseClick(&label, Qt::RightButton);
    QCOMPARE(clicked.count(), 0);
    QTest::mouseClick(&label, Qt::LeftButton);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(FixtureWindow::clicks, 1);
    // Pressed on the label, released elsewhere: no click.
    QTest::mousePress(&label, Qt::LeftButton);
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(-5, -5));
    QCOMPARE(clicked.count(), 1);
}

// Read as its text; pressed through its action only where a click on it does something.
void TestForms::labelOffersItsClickToAssistiveTechnology() {
    FixtureWindow window;
    QAccessibleInterface* caption =
        QAccessible::queryAccessibleInterface(&window.control<QWidget>("Caption"));
    QAccessibleInterface* clear =
        QAccessible::queryAccessibleInterface(&window.control<QWidget>("Clear"));
    QVERIFY(caption && caption->actionInterface() && clear && clear->actionInterface());
    QCOMPARE(caption->text(QAccessible::Name), "Etichetta");
    QCOMPARE(clear->text(QAccessible::Name), "Trasparente");
    QCOMPARE(caption->actionInterface()->actionNames(),
             QStringList{QAccessibleActionInterface::pressAction()});
    QCOMPARE(clear->actionInterface()->actionNames(), QStringList());
    caption->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    clear->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(FixtureWindow::clicks, 1);
}

void TestForms::openingBuildsLoadsAndShowsActive() {
    forms::WindowKind kind([] { return std::make_unique<FixtureWindow>(); });
    QVERIFY(!kind.isOpen());
    QCOMPARE(FixtureWindow::built, 0);
    kind.open();
    auto* window = kind.window();
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QCOMPARE(FixtureWindow::built, 1);
    QCOMPARE(FixtureWindow::loads, 1);
    QCOMPARE(window->control<QLineEdit>("Box").text(), "caricato");
    QVERIFY(QTest::qWaitForWindowActive(window));
    QCOMPARE(QApplication::activeWindow(), window);
    QCOMPARE(window->parentWidget(), nullptr);
    QVERIFY(!window->isModal());
    QVERIFY(window->testAttribute(Qt::WA_DeleteOnClose));
}

void TestForms::openingAnOpenWindowOnlyBringsItToTheFront() {
    OpenFixture fixture;
    forms::Window* window = &*fixture;
    window->control<QLineEdit>("Box").setText("scritto dall'alunno");
    const OpenFixture other;
    QVERIFY(QTest::qWaitForWindowActive(&*other));

    fixture.openAgain();
    QCOMPARE(&*fixture, window);
    QCOMPARE(FixtureWindow::built, 2);
    QCOMPARE(FixtureWindow::loads, 2);
    QCOMPARE(window->control<QLineEdit>("Box").text(), "scritto dall'alunno");
    QTRY_COMPARE(QApplication::activeWindow(), window);
    QVERIFY(other.isOpen());
}

void TestForms::closingDiscardsAndTheNextOpeningIsFresh() {
    forms::WindowKind kind([] { return std::make_unique<FixtureWindow>(); });
    kind.open();
    QPointer<forms::Window> first = kind.window();
    first->control<QLineEdit>("Box").setText("perso");
    QVERIFY(first->close());
    QVERIFY(!kind.isOpen());
    QCOMPARE(kind.window(), nullptr);
    QTRY_VERIFY(first.isNull());

    kind.open();
    QCOMPARE(FixtureWindow::built, 2);
    QCOMPARE(FixtureWindow::loads, 2);
    QCOMPARE(kind.window()->control<QLineEdit>("Box").text(), "caricato");
}

// The closed window is only deleted later; the opening must not mistake it for an open one.
void TestForms::openingRightAfterClosingBuildsAgain() {
    OpenFixture fixture;
    forms::Window* first = &*fixture;
    first->close();
    fixture.openAgain();
    QVERIFY(fixture.isOpen());
    QVERIFY(&*fixture != first);
    QCOMPARE(FixtureWindow::built, 2);
}

void TestForms::openingRestoresAMinimisedWindow() {
    OpenFixture fixture;
    fixture->showMinimized();
    QVERIFY(fixture->isMinimized());
    fixture.openAgain();
    QVERIFY(!fixture->isMinimized());
    QCOMPARE(FixtureWindow::loads, 1);
}

void TestForms::messageBoxReturnsHoweverItIsDismissed_data() {
    testsupport::addDismissalRows();
}

void TestForms::messageBoxReturnsHoweverItIsDismissed() {
    QFETCH(testsupport::Dismiss, dismiss);
    QString text;
    QImage icon;
    QList<QAbstractButton*> buttons;
    Qt::WindowModality modality{};
    testsupport::ModalAnswer answer([&](QWidget& widget) {
        auto& box = static_cast<QMessageBox&>(widget);
        text = box.text();
        icon = box.iconPixmap().toImage();
        buttons = box.buttons();
        modality = box.windowModality();
        dismiss(box);
    });
    forms::messageBox("Un messaggio <b>semplice</b>", "TITOLO");
    QVERIFY(answer.fired());
    QCOMPARE(answer.title(), "TITOLO");
    QCOMPARE(text, "Un messaggio <b>semplice</b>");
    // Its own information icon, drawn rather than searched for in the desktop's themes.
    QCOMPARE(icon, forms::informationIcon(icon.devicePixelRatio()).toImage());
    QCOMPARE(icon.size() / icon.devicePixelRatio(), QSize(32, 32));
    QCOMPARE(buttons.size(), 1);
    QCOMPARE(modality, Qt::ApplicationModal);
}

void TestForms::eventLoopEndsWhenTheLastWindowCloses() {
    forms::WindowKind first([] { return std::make_unique<FixtureWindow>(); });
    forms::WindowKind second([] { return std::make_unique<FixtureWindow>(); });
    bool runningAfterFirstClose = false;
    const int exitCode = testsupport::runEventLoop([&] {
        first.open();
        second.open();
        first.window()->close();
        QTimer::singleShot(0, [&] {
            runningAfterFirstClose = true;
            second.window()->close();
        });
    });
    QCOMPARE(exitCode, 0);
    QVERIFY(runningAfterFirstClose);
}

QTEST_MAIN(TestForms)
#include "tst_forms.moc"
