#include "documents/PainterCanvas.h"

#include <QGlyphRun>
#include <QPagedPaintDevice>
#include <QTextLayout>

PainterCanvas::PainterCanvas(QPagedPaintDevice& device) : device_(device) { painter_.begin(&device); }

bool PainterCanvas::newPage() { return device_.newPage(); }

void PainterCanvas::drawGlyphs(const QRawFont& font, const quint32* glyphs, const QPointF* positions, const QChar*,
                               qsizetype count) {
  QGlyphRun run;
  run.setRawFont(font);
  run.setRawData(glyphs, positions, int(count));
  painter_.drawGlyphRun(QPointF(0, 0), run);
}

void PainterCanvas::drawTextLine(const QTextLayout& layout, int line, const QPointF& position) {
  layout.lineAt(line).draw(&painter_, position);
}

void PainterCanvas::drawLine(const QPointF& from, const QPointF& to, qreal width) {
  QPen pen(Qt::black);
  pen.setWidthF(width);
  pen.setCapStyle(Qt::SquareCap);
  painter_.setPen(pen);
  painter_.drawLine(from, to);
}

void PainterCanvas::drawPicture(const QRectF& target, const std::function<void(QPainter&, const QRectF&)>& paint) {
  painter_.save();
  paint(painter_, target);
  painter_.restore();
}

void PainterCanvas::beginClip(const QRectF& rect) {
  painter_.save();
  painter_.setClipRect(rect);
}

void PainterCanvas::endClip() { painter_.restore(); }
