#pragma once

#include <QChart>
#include <QPalette>
#include <QVector>

#include <memory>

class GraphData;
class QGraphicsRectItem;
class QGraphicsSimpleTextItem;
class QLineSeries;
class QValueAxis;
class RootMarks;

// The chart of P(x): the curve, the x-axis with every real root marked and
// labelled, axes with ticks and labels, coloured from a palette. Its view
// moves by zoomAt, panBy and resetView; the curve is sampled again for
// every view, so it stays smooth at any zoom.
class GraphChart : public QChart {
  Q_OBJECT

public:
  explicit GraphChart(std::shared_ptr<const GraphData> data, QGraphicsItem* parent = nullptr);

  const GraphData& data() const { return *data_; }
  void setColors(const QPalette& palette);

  // The first view.
  void resetView();
  // Zooms by `factor` (below 1 zooms in) about a point of the plot area.
  void zoomAt(QPointF position, double factor);
  // Moves the view with the pointer by `pixels`.
  void panBy(QPointF pixels);
  // The x of a point of the plot area; false outside it.
  bool xAt(QPointF position, double& x);

private:
  void setView(double x0, double x1, double y0, double y1);
  void resample();
  void placeRootLabels();
  QString yTitle() const;

  std::shared_ptr<const GraphData> data_;
  QLineSeries* curve_;
  QLineSeries* xAxisLine_;
  RootMarks* rootMarks_;
  QValueAxis* xAxis_;
  QValueAxis* yAxis_;
  QVector<QGraphicsRectItem*> rootLabels_;  // each a background holding its text
  double x0_ = -5, x1_ = 5, y0_ = -1, y1_ = 1;
};
