// Where a pupil looks and clicks on each window, in pixels of its client area at scale 1, read
// from the windows' own layouts.
#pragma once

#include "app/mainwindow.h"
#include "app/sentencemenu.h"
#include "exercises/sentencewindow.h"
#include "exercises/verbwindow.h"

#include <QList>
#include <QRect>

namespace e2e::places {

using app::MainWindow;
using app::SentenceMenu;
using exercises::SentenceWindow;
using exercises::VerbWindow;

// Form1
inline QPoint verbsButton() {
    return forms::place(MainWindow::layout, MainWindow::verbsButton).center();
}
inline QPoint analysisButton() {
    return forms::place(MainWindow::layout, MainWindow::analysisButton).center();
}

// Form2: sentence 1 to 4
inline QPoint sentence(int number) {
    return forms::place(SentenceMenu::layout, SentenceMenu::sentenceLabels[number - 1]).center();
}

// A sentence window: role box of row 1 to 8 without its drop-down arrow (20 pixels); the two
// buttons.
inline QRect roleBox(int row) {
    return forms::place(SentenceWindow::layout, SentenceWindow::roleBoxes[row - 1])
        .adjusted(0, 0, -20, 0);
}
inline QPoint sentenceVerify() {
    return forms::place(SentenceWindow::layout, SentenceWindow::verifyButton).center();
}
inline QPoint sentenceReset() {
    return forms::place(SentenceWindow::layout, SentenceWindow::resetButton).center();
}

// The role boxes of the first four rows, where every sentence has its keyed rows.
inline QList<QRect> firstRoleBoxes() {
    return {roleBox(1), roleBox(2), roleBox(3), roleBox(4)};
}

// Form3: answer box of item 1 to 4, all four; the two buttons.
inline QRect answerBox(int item) {
    return forms::place(VerbWindow::layout, VerbWindow::answerBoxes[item - 1]);
}
inline QList<QRect> answerBoxes() {
    return {answerBox(1), answerBox(2), answerBox(3), answerBox(4)};
}
inline QPoint verbVerify() {
    return forms::place(VerbWindow::layout, VerbWindow::verifyButton).center();
}
inline QPoint verbReset() {
    return forms::place(VerbWindow::layout, VerbWindow::resetButton).center();
}

} // namespace e2e::places
