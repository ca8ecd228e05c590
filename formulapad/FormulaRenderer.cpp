#include "formulapad/FormulaRenderer.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <cmath>

#include "formulapad/PaletteTone.h"
#include "presentation/FormulaLayout.h"
#include "presentation/Twips.h"

namespace {

// Clips the segment to the rectangle (Liang-Barsky). Returns false when
// nothing of it lies inside; `endClipped` tells whether the end point moved.
bool clipSegment(double& x1, double& y1, double& x2, double& y2, double left, double top,
                 double right, double bottom, bool& endClipped) {
  const double dx = x2 - x1;
  const double dy = y2 - y1;
  double t0 = 0;
  double t1 = 1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x1 - left, right - x1, y1 - top, bottom - y1};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double r = q[i] / p[i];
    if (p[i] < 0) {
      if (r > t1) return false;
      t0 = std::max(t0, r);
    } else {
      if (r < t0) return false;
      t1 = std::min(t1, r);
    }
  }
  endClipped = t1 < 1;
  const double sx = x1;
  const double sy = y1;
  x1 = sx + t0 * dx;
  y1 = sy + t0 * dy;
  x2 = sx + t1 * dx;
  y2 = sy + t1 * dy;
  return true;
}

// One-pixel line from (x1, y1) to (x2, y2) in pixels, leaving out the end
// point unless `withEnd`; clipped to the w x h area first.
void drawPixelLine(QPainter& painter, int x1, int y1, int x2, int y2, int w, int h,
                   const QColor& color) {
  double fx1 = x1, fy1 = y1, fx2 = x2, fy2 = y2;
  bool endClipped = false;
  if (!clipSegment(fx1, fy1, fx2, fy2, -1, -1, w, h, endClipped)) return;
  int ax = int(std::lround(fx1)), ay = int(std::lround(fy1));
  const int bx = int(std::lround(fx2)), by = int(std::lround(fy2));
  const bool withEnd = endClipped;
  if (ay == by) {  // level: one run
    int from = std::min(ax, bx), to = std::max(ax, bx);
    if (!withEnd) (bx > ax ? to : from) += (bx > ax ? -1 : 1);
    if (to >= from) painter.fillRect(QRect(from, ay, to - from + 1, 1), color);
    return;
  }
  if (ax == bx) {  // upright: one run
    int from = std::min(ay, by), to = std::max(ay, by);
    if (!withEnd) (by > ay ? to : from) += (by > ay ? -1 : 1);
    if (to >= from) painter.fillRect(QRect(ax, from, 1, to - from + 1), color);
    return;
  }
  // Bresenham; the clipped segment is at most a screen across.
  const int dx = std::abs(bx - ax), sx = ax < bx ? 1 : -1;
  const int dy = -std::abs(by - ay), sy = ay < by ? 1 : -1;
  int err = dx + dy;
  for (;;) {
    const bool atEnd = ax == bx && ay == by;
    if (atEnd && !withEnd) break;
    painter.fillRect(QRect(ax, ay, 1, 1), color);
    if (atEnd) break;
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      ax += sx;
    }
    if (e2 <= dx) {
      err += dx;
      ay += sy;
    }
  }
}

}  // namespace

QColor FormulaRenderer::textColour(const QPalette& palette) {
  return PaletteTone::isDark(palette.color(QPalette::Base)) ? palette.color(QPalette::Text)
                                                             : palette.color(QPalette::ButtonText);
}

QColor FormulaRenderer::strokeColour(const QPalette& palette) {
  return PaletteTone::isDark(palette.color(QPalette::Base)) ? palette.color(QPalette::Text) : QColor(Qt::black);
}

void FormulaRenderer::paint(QPainter& painter, const FormulaPicture& picture,
                            const QPalette& palette, int pixelWidth, int pixelHeight) {
  // A pad is a text field: it stands out from the frame it lies on.
  painter.fillRect(QRect(0, 0, pixelWidth, pixelHeight), palette.color(QPalette::Base));

  painter.setPen(textColour(palette));
  painter.setBackgroundMode(Qt::TransparentMode);
  QFont font(picture.fontName);
  double size = -1;
  double ascent = 0;
  for (const FormulaPicture::Glyph& g : picture.glyphs) {
    if (g.pointSize != size) {
      size = g.pointSize;
      font.setPointSizeF(size);
      painter.setFont(font);
      ascent = QFontMetricsF(painter.font(), painter.device()).ascent();
    }
    // The glyph's top left corner (not its baseline) is the cell's corner.
    painter.drawText(QPointF(g.x / twips::kPerPixel, g.y / twips::kPerPixel + ascent),
                     QString(g.character));
  }

  const QColor strokes = strokeColour(palette);
  for (const FormulaPicture::Stroke& s : picture.strokes) {
    drawPixelLine(painter, twips::toPixels(s.x1), twips::toPixels(s.y1), twips::toPixels(s.x2),
                  twips::toPixels(s.y2), pixelWidth, pixelHeight, strokes);
  }
}
