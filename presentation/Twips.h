#pragma once

#include <QRect>

#include <cmath>

// Every position and size of a window, a control or a drawing is kept in
// twips, 1440 to the inch; one device-independent pixel is 15 twips.
//
// One rounding rule for every conversion to pixels: a coordinate in twips
// lands on the pixel that contains it, floor(twips / 15), rounding towards
// minus infinity also for negative positions. Stored layouts are multiples
// of 15 twips and convert exactly; only positions computed from cell widths
// and font sizes fall between pixels.
namespace twips {

inline constexpr int kPerPixel = 15;
// Pixel coordinates are clamped to +-this: far outside any screen, so that
// hostile values (huge, infinite, not a number) stay finite and small.
inline constexpr int kPixelLimit = 1 << 20;

// Twips to device-independent pixels by the rule above, clamped; not a
// number gives -kPixelLimit.
inline int toPixels(double value) {
  const double pixels = std::floor(value / kPerPixel);
  if (!(pixels > -kPixelLimit)) return -kPixelLimit;
  if (pixels > kPixelLimit) return kPixelLimit;
  return static_cast<int>(pixels);
}

// Pixels to twips: exact.
constexpr int fromPixels(int pixels) { return pixels * kPerPixel; }

// A rectangle given as Left, Top, Width and Height in twips, in pixels; each
// of the four converts by the rule above.
inline QRect toPixels(int left, int top, int width, int height) {
  return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

// A widget rectangle in pixels, as Left, Top, Width and Height in twips.
inline QRect fromPixels(const QRect& r) {
  return {fromPixels(r.x()), fromPixels(r.y()), fromPixels(r.width()), fromPixels(r.height())};
}

}  // namespace twips
