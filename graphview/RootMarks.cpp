#include "graphview/RootMarks.h"

#include <QPainter>
#include <QPolygonF>

namespace {

constexpr qreal kBorderWidth = 2;  // pixels

}  // namespace

RootMarks::RootMarks(QGraphicsItem* parent) : QGraphicsItem(parent), pen_(Qt::black, kBorderWidth), brush_(Qt::white) {}

void RootMarks::setCentres(QVector<QPointF> centres) {
  prepareGeometryChange();
  centres_ = std::move(centres);
  bounds_ = QRectF();
  if (centres_.isEmpty()) return;
  const qreal reach = kDiameter / 2 + kBorderWidth;
  bounds_ = QPolygonF(centres_).boundingRect().adjusted(-reach, -reach, reach, reach);
}

void RootMarks::setColors(const QColor& border, const QColor& fill) {
  pen_.setColor(border);
  brush_ = QBrush(fill);
  update();
}

QRectF RootMarks::boundingRect() const { return bounds_; }

// Each mark in its own coordinates, its corner at the origin, so that a
// picture file holds one positioned circle per root.
void RootMarks::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
  painter->setPen(pen_);
  painter->setBrush(brush_);
  const QTransform base = painter->transform();
  const QRectF mark(0, 0, kDiameter, kDiameter);
  for (const QPointF& centre : centres_) {
    painter->setTransform(QTransform::fromTranslate(centre.x() - kDiameter / 2, centre.y() - kDiameter / 2) * base);
    painter->drawEllipse(mark);
  }
  painter->setTransform(base);
}
