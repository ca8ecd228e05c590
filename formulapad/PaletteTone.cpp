#include "formulapad/PaletteTone.h"

#include <algorithm>
#include <cmath>

namespace {

double luminance(const QColor& colour) {
  auto channel = [](float value) {
    const double c = double(value);
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
}

}  // namespace

double PaletteTone::contrast(const QColor& a, const QColor& b) {
  const double la = luminance(a);
  const double lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool PaletteTone::isDark(const QColor& background) { return background.lightnessF() < 0.5f; }

QColor PaletteTone::readableOn(const QColor& ink, const QColor& background, double ratio) {
  // Towards white on a dark background, towards black on a light one, in
  // steps of 1/64 of the lightness, until the ratio is met or the colour is
  // white or black (a mid-grey background may allow no more).
  const float step = isDark(background) ? 1.0f / 64 : -1.0f / 64;
  QColor colour = ink.toHsl();
  const float hue = std::max(0.0f, colour.hslHueF());  // -1 for greys
  for (int i = 0; i < 64 && contrast(colour, background) < ratio; ++i)
    colour.setHslF(hue, colour.hslSaturationF(), std::clamp(colour.lightnessF() + step, 0.0f, 1.0f));
  return colour.toRgb();
}
