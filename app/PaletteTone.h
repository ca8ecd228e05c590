#pragma once

#include <QColor>
#include <QPalette>

// Colours the stored designs fix (a blue link, black strokes) were chosen
// for light windows. Under a dark palette they give way to the palette's
// own, made readable where a theme's colour is too dim.
namespace PaletteTone {

// WCAG's contrast ratio between two colours, from 1 to 21.
double contrast(const QColor& a, const QColor& b);

// Whether the palette's window colour is dark (lightness below half).
bool isDark(const QPalette& palette);

// `ink`, lightened or darkened as little as needed to stand `ratio` to 1
// against `background` (WCAG AA asks 4.5 for text), or as far as it goes.
QColor readableOn(const QColor& ink, const QColor& background, double ratio = 4.5);

}  // namespace PaletteTone
