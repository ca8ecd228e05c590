#pragma once

#include <QColor>
#include <QPalette>

// Colours the stored designs fix (a blue link, black strokes, text in the
// button-text colour) were chosen for light windows. On a dark background
// they give way to the palette's own, made readable where a theme's colour
// is too dim.
namespace PaletteTone {

// WCAG's contrast ratio between two colours, from 1 to 21.
double contrast(const QColor& a, const QColor& b);

// Whether text drawn on `background` must be light: its lightness is below
// half.
bool isDark(const QColor& background);

// `ink`, lightened or darkened as little as needed to stand `ratio` to 1
// against `background` (WCAG AA asks 4.5 for text), or as far as it goes.
QColor readableOn(const QColor& ink, const QColor& background, double ratio = 4.5);

}  // namespace PaletteTone
