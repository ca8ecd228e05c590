#pragma once

#include <QRect>

// Window geometry is kept in twips, 1440 to the inch; one device-independent
// pixel is 15 twips. Every stored position and size is a multiple of 15.
namespace twips {

inline constexpr int kPerPixel = 15;

// Twips to device-independent pixels, rounded to the nearest pixel.
constexpr int toPixels(double value) {
  const double pixels = value / kPerPixel;
  return static_cast<int>(pixels < 0 ? pixels - 0.5 : pixels + 0.5);
}

constexpr int fromPixels(int pixels) { return pixels * kPerPixel; }

// A rectangle given as Left, Top, Width and Height in twips, in pixels.
inline QRect toPixels(int left, int top, int width, int height) {
  return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

// A widget rectangle in pixels, as Left, Top, Width and Height in twips.
inline QRect fromPixels(const QRect& r) {
  return {fromPixels(r.x()), fromPixels(r.y()), fromPixels(r.width()), fromPixels(r.height())};
}

}  // namespace twips
