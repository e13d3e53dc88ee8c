// The colours of Orvalune's pictures: deep petrol for frames and outlines, warm
// cream surfaces, coral and orange for accents.
#pragma once

#include <QColor>

namespace art {

struct Palette {
    static QColor petrolDeep() { return {18, 54, 64}; }
    static QColor petrolDark() { return {23, 67, 79}; }
    static QColor petrol() { return {31, 95, 110}; }
    static QColor petrolLight() { return {52, 130, 144}; }
    static QColor teal() { return {111, 179, 184}; }
    static QColor tealPale() { return {196, 226, 226}; }
    static QColor headerLight() { return {238, 248, 247}; }
    static QColor cream() { return {251, 246, 236}; }
    static QColor creamDeep() { return {242, 230, 208}; }
    static QColor sand() { return {222, 204, 174}; }
    static QColor sandDark() { return {178, 156, 120}; }
    static QColor coral() { return {239, 111, 83}; }
    static QColor coralDark() { return {192, 74, 52}; }
    static QColor coralPale() { return {250, 196, 180}; }
    static QColor orange() { return {245, 160, 58}; }
    static QColor gold() { return {242, 193, 78}; }
    static QColor goldDark() { return {168, 120, 30}; }
    static QColor green() { return {46, 150, 96}; }
    static QColor greenDark() { return {24, 102, 62}; }
    static QColor ink() { return {40, 54, 59}; }
    static QColor steel() { return {150, 166, 170}; }
    static QColor white() { return {255, 255, 255}; }
    // The light grey of the strip that opens the chosen panel tab; the surface
    // under the tab row must be exactly this colour.
    static QColor tabSurface() { return {222, 222, 222}; }
    // Colour key of the window skins: every pixel of it lies outside the window.
    static QColor skinKey() { return {255, 0, 255}; }
    // Fixed background colours of the message box and of the wait window.
    static QColor messageOrange() { return {255, 128, 0}; }
    static QColor waitBlue() { return {128, 128, 255}; }
};

} // namespace art
