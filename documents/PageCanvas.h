#pragma once

#include <QPointF>
#include <QRectF>
#include <functional>

class QPainter;
class QRawFont;
class QTextLayout;

// What the pages of a document are drawn on: a printer through QPainter, or
// a PDF file written directly. Coordinates are the device pixels of the
// page's printable area, from its top left corner.
class PageCanvas {
public:
  virtual ~PageCanvas() = default;

  // Ends the page and starts the next; false when the device refused.
  virtual bool newPage() = 0;
  // `count` glyphs of `font`, each with its baseline's left end at its
  // position; `characters[i]` is the character glyph i shows.
  virtual void drawGlyphs(const QRawFont& font, const quint32* glyphs, const QPointF* positions, const QChar* characters,
                          qsizetype count) = 0;
  // Line `line` of `layout`, the layout placed at `position`.
  virtual void drawTextLine(const QTextLayout& layout, int line, const QPointF& position) = 0;
  // A black line `width` device pixels thick, with square ends.
  virtual void drawLine(const QPointF& from, const QPointF& to, qreal width) = 0;
  // A picture `paint` draws into the rectangle it is given, shown in `target`.
  virtual void drawPicture(const QRectF& target, const std::function<void(QPainter&, const QRectF&)>& paint) = 0;
  // What is drawn until endClip() shows only within `rect`.
  virtual void beginClip(const QRectF& rect) = 0;
  virtual void endClip() = 0;
};
