#pragma once

#include <QPainter>

#include "documents/PageCanvas.h"

class QPagedPaintDevice;

// Pages painted on a printer or any other paged device through QPainter.
class PainterCanvas : public PageCanvas {
public:
  explicit PainterCanvas(QPagedPaintDevice& device);
  // Whether painting could start on the device.
  bool isActive() const { return painter_.isActive(); }
  // Ends painting; false when the device failed.
  bool finish() { return painter_.end(); }

  bool newPage() override;
  void drawGlyphs(const QRawFont& font, const quint32* glyphs, const QPointF* positions, const QChar* characters,
                  qsizetype count) override;
  void drawTextLine(const QTextLayout& layout, int line, const QPointF& position) override;
  void drawLine(const QPointF& from, const QPointF& to, qreal width) override;
  void drawPicture(const QRectF& target, const std::function<void(QPainter&, const QRectF&)>& paint) override;
  void beginClip(const QRectF& rect) override;
  void endClip() override;

private:
  QPagedPaintDevice& device_;
  QPainter painter_;
};
