#include "app/FlatContainer.h"

#include <QPainter>
#include <QPaintEvent>

#include "presentation/Twips.h"

FlatContainer::FlatContainer(QWidget* parent) : QWidget(parent) {
  setBackgroundRole(QPalette::Button);
}

QSize FlatContainer::sizeHint() const { return {twips::toPixels(4800), twips::toPixels(3600)}; }

void FlatContainer::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().brush(QPalette::Button));

  // The edge is one device pixel wide at any scale: draw in device pixels.
  const qreal ratio = devicePixelRatioF();
  painter.scale(1.0 / ratio, 1.0 / ratio);
  const int w = qRound(width() * ratio);   // device pixels
  const int h = qRound(height() * ratio);  // device pixels
  if (w <= 0 || h <= 0) return;

  // Each segment leaves out its end point, as a line does; only the right
  // edge runs the full height, so three corners are white.
  painter.fillRect(0, 0, w - 1, 1, edgeDark());       // top: columns 0 .. w-2
  painter.fillRect(0, 0, 1, h - 1, edgeDark());       // left: rows 0 .. h-2
  painter.fillRect(0, h - 1, w - 1, 1, edgeLight());  // bottom: columns 0 .. w-2
  painter.fillRect(w - 1, 0, 1, h, edgeLight());      // right: rows 0 .. h-1
}
