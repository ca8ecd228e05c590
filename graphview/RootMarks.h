#pragma once

#include <QBrush>
#include <QGraphicsItem>
#include <QPen>
#include <QVector>

// The marks of the real roots on the x-axis: one small circle at each,
// drawn by a single item however many roots there are.
class RootMarks : public QGraphicsItem {
public:
  static constexpr qreal kDiameter = 9;  // pixels

  explicit RootMarks(QGraphicsItem* parent = nullptr);

  // The centres of the marks to draw, in the parent's coordinates.
  void setCentres(QVector<QPointF> centres);
  void setColors(const QColor& border, const QColor& fill);

  QRectF boundingRect() const override;
  void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
  QVector<QPointF> centres_;
  QRectF bounds_;  // of every mark, border included
  QPen pen_;
  QBrush brush_;
};
