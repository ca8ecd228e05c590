#include "formulapad/FormulaRenderer.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <cmath>
#include <limits>

#include "formulapad/Twips.h"

namespace {

constexpr double kTwipsPerPoint = 20;

// Keeps the lists of the picture bounded; false once the cap is reached.
template <typename T>
bool hasRoom(const QList<T>& list) {
  return list.size() < FormulaRenderer::kMaxItems;
}

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

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

}  // namespace

std::optional<double> FormulaRenderer::asNumber(const QVariant& value) {
  if (!value.isValid() || value.isNull()) return 0.0;
  bool ok = false;
  double d = 0;
  if (value.typeId() == QMetaType::QString) {
    const QString s = value.toString().trimmed();
    if (s.isEmpty()) return std::nullopt;  // "" is text, not an empty value
    d = s.toDouble(&ok);
  } else {
    d = value.toDouble(&ok);
  }
  if (!ok) return std::nullopt;
  const float single = float(d);
  if (!std::isfinite(single)) return std::nullopt;
  return double(single);
}

QChar FormulaRenderer::superscript(QChar c) {
  static constexpr char16_t kDigits[] = u"\u2070\u00B9\u00B2\u00B3\u2074\u2075\u2076\u2077\u2078\u2079";
  // Superscript small letters a..z; 0 where Unicode has none (q).
  static constexpr char16_t kLetters[] = {
      0x1D43, 0x1D47, 0x1D9C, 0x1D48, 0x1D49, 0x1DA0, 0x1D4D, 0x02B0, 0x2071,
      0x02B2, 0x1D4F, 0x02E1, 0x1D50, 0x207F, 0x1D52, 0x1D56, 0,      0x02B3,
      0x02E2, 0x1D57, 0x1D58, 0x1D5B, 0x02B7, 0x02E3, 0x02B8, 0x1DBB};
  if (isDigit(c)) return QChar(kDigits[c.unicode() - u'0']);
  if (c >= u'a' && c <= u'z') {
    const char16_t s = kLetters[c.unicode() - u'a'];
    return s != 0 ? QChar(s) : c;
  }
  switch (c.unicode()) {
    case u'+': return QChar(u'\u207A');
    case u'-': return QChar(u'\u207B');
    case u'=': return QChar(u'\u207C');
    case u'(': return QChar(u'\u207D');
    case u')': return QChar(u'\u207E');
    default: return c;
  }
}

FormulaPicture FormulaRenderer::layout(const FormulaScene& scene) {
  FormulaPicture pic = layoutShifted(scene, 0);
  const double shift = scrollFor(pic, scene);
  if (shift > 0) pic = layoutShifted(scene, shift);
  return pic;
}

double FormulaRenderer::extentTwips(const FormulaScene& scene) {
  FormulaScene measured = scene;
  measured.widthTwips = -std::numeric_limits<double>::infinity();  // nothing is kept
  return layoutShifted(measured, 0).extentTwips;
}

// A text wider than the pad is drawn shifted left by whole cells, so that its
// end and one pixel for the cursor line after it show; a cursor line moved
// further left than that stays in view as well. A text that fits is not moved.
double FormulaRenderer::scrollFor(const FormulaPicture& unshifted, const FormulaScene& scene) {
  const std::optional<double> cellWidth = asNumber(scene.cellWidth);
  if (!cellWidth || !(*cellWidth > 0) || unshifted.extentTwips <= scene.widthTwips) return 0;
  double cells = std::ceil((unshifted.extentTwips + twips::kPerPixel - scene.widthTwips) / *cellWidth);
  if (unshifted.cursorX) cells = std::min(cells, std::floor(*unshifted.cursorX / *cellWidth));
  const double shift = cells * *cellWidth;
  return cells > 0 && std::isfinite(shift) ? shift : 0;
}

FormulaPicture FormulaRenderer::layoutShifted(const FormulaScene& scene, double shift) {
  FormulaPicture pic;
  pic.shiftTwips = shift;
  pic.fontName = scene.fontName;

  const QString text = scene.text.toString();
  const std::optional<double> cellWidth = asNumber(scene.cellWidth);
  const std::optional<double> normSize = asNumber(scene.normSize);
  const std::optional<double> supSize = asNumber(scene.supSize);
  const double h = scene.heightTwips;
  const qsizetype n = text.size();
  const qsizetype cursorIndex = std::clamp<qsizetype>(
      qsizetype(std::clamp(asNumber(scene.cursor).value_or(0), -1.0, double(n))), 0, n);

  double font = scene.startFontSize;
  // A size the surface refuses leaves the previous one.
  auto setFontSize = [&font](std::optional<double> size) {
    if (size && *size > 0 && *size <= kMaxFontPoints) font = *size;
  };
  // Positions are those of the text; what is kept is drawn `shift` further left.
  double curX = 0;  // current position; clearing puts it at (0, 0)
  double curY = 0;
  auto print = [&](QChar c) {
    if (cellWidth) pic.extentTwips = std::max(pic.extentTwips, curX + *cellWidth);
    const double x = curX - shift;
    const double margin = 2 * font * kTwipsPerPoint;  // a glyph is at most two ems wide
    if (x < scene.widthTwips && x > -margin && hasRoom(pic.glyphs)) {
      pic.glyphs.append({x, curY, font, c});
    }
  };
  auto line = [&](double x1, double y1, double x2, double y2) {
    pic.extentTwips = std::max({pic.extentTwips, x1, x2});
    const double lo = std::min(x1, x2) - shift;
    const double hi = std::max(x1, x2) - shift;
    if (lo < scene.widthTwips && hi >= -twips::kPerPixel && hasRoom(pic.strokes)) {
      pic.strokes.append({x1 - shift, y1, x2 - shift, y2});
    }
    curX = x2;
    curY = y2;
  };

  auto speak = [&pic, shift](QChar c, double x) {
    pic.spoken += c;
    pic.spokenX.append(x - shift);
  };

  int k = 0;  // zero-width characters seen so far
  bool raise = false;
  bool root = false;
  for (qsizetype i = 1; i <= n; ++i) {
    if (i - 1 == cursorIndex) pic.spokenCursor = int(pic.spoken.size());
    const QChar c = text.at(i - 1);
    if (cellWidth) {
      curX = double(i - k) * *cellWidth;
      curY = 0;
    }
    setFontSize(normSize);
    bool raised = false;
    if (raise) {
      setFontSize(supSize);
      raise = false;
      raised = true;
    }
    if (scene.printText) {
      print(c);
      speak(c, curX);
      continue;
    }
    if (c == u'e') {
      raise = true;
      ++k;
    } else if (c == u's') {
      ++k;
    } else if (c == u'r') {
      // Root sign: four strokes of 30 twips, mid-height, down, up, along the top.
      const double x0 = curX;
      const double s = kRootStrokeTwips;
      line(x0, h / 2, x0 + s, h / 2);
      line(x0 + s, h / 2, x0 + 2 * s, h);
      line(x0 + 2 * s, h, x0 + 3 * s, 0);
      line(x0 + 3 * s, 0, x0 + 4 * s, 0);
      if (supSize) setFontSize(*supSize - 2);
      // The index: a digit right before the sign (none when "r" comes first).
      const QChar p = i >= 2 ? text.at(i - 2) : QChar();
      if (i < 2 || isDigit(p)) {
        curX = x0;
        curY = 0;
        if (!p.isNull()) {
          print(p);
          speak(superscript(p), x0);
        }
      }
      speak(QChar(u'\u221A'), x0);
      root = true;
    } else if (c == u';') {
      root = false;
      ++k;
    } else if (i < n && text.at(i) == u'r') {
      ++k;  // a root's index: the "r" draws it
    } else {
      print(c);
      speak(raised ? superscript(c) : c, curX);
      if (root && cellWidth) line(curX, 0, curX + *cellWidth, 0);  // the overline
    }
  }
  if (cursorIndex == n) pic.spokenCursor = int(pic.spoken.size());
  pic.zeroWidthCount = k;
  pic.endFontSize = font;

  const std::optional<double> cursor = asNumber(scene.cursor);
  if (cellWidth && cursor) pic.cursorX = (*cursor + 1 - k) * *cellWidth - shift;
  return pic;
}

void FormulaRenderer::paint(QPainter& painter, const FormulaPicture& picture,
                            const QPalette& palette, int pixelWidth, int pixelHeight) {
  // A pad is a text field: it stands out from the frame it lies on.
  painter.fillRect(QRect(0, 0, pixelWidth, pixelHeight), palette.color(QPalette::Base));

  painter.setPen(palette.color(QPalette::ButtonText));
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

  for (const FormulaPicture::Stroke& s : picture.strokes) {
    drawPixelLine(painter, twips::toPixels(s.x1), twips::toPixels(s.y1), twips::toPixels(s.x2),
                  twips::toPixels(s.y2), pixelWidth, pixelHeight, Qt::black);
  }
}
