// Where a pupil looks and clicks on each window, in pixels of its client area at scale 1,
// worked out from the layouts' twips. Form1's buttons sit in Frame1, whose corner is at
// (120, 120) twips.
#pragma once

#include <QRect>

namespace e2e::places {

// A layout rectangle in twips, in pixels (15 twips to a pixel).
inline QRect pixels(int left, int top, int width, int height) {
    const auto px = [](int twips) { return (twips + 7) / 15; };
    return QRect(px(left), px(top), px(width), px(height));
}

// Form1
inline QPoint verbsButton() {
    return pixels(120 + 120, 120 + 240, 4695, 495).center();
}
inline QPoint analysisButton() {
    return pixels(120 + 120, 120 + 720, 4695, 495).center();
}

// Form2: sentence 1 to 4 (Label2 to Label5)
inline QPoint sentence(int number) {
    return pixels(120, 480 + 360 * (number - 1), 9735, 255).center();
}

// A sentence window: role box of row 1 to 8, without its drop-down arrow; the two buttons.
inline QRect roleBox(int row) {
    return pixels(2160, 480 + 360 * (row - 1), 2175 - 300, 315);
}
inline QPoint sentenceVerify() {
    return pixels(4440, 480, 2895, 375).center();
}
inline QPoint sentenceReset() {
    return pixels(4440, 960, 2895, 375).center();
}

// Form3: answer box of item 1 to 4; the two buttons.
inline QRect answerBox(int item) {
    return pixels(1080, 120 + 360 * (item - 1), 2775, 285);
}
inline QPoint verbVerify() {
    return pixels(120, 1560, 1455, 375).center();
}
inline QPoint verbReset() {
    return pixels(2280, 1560, 1575, 375).center();
}

} // namespace e2e::places
