#pragma once

#include <QChartView>

#include <memory>

class GraphChart;
class GraphData;

// «Gráfica»: the chart of P(x) on screen. The pointer shows (x; P(x)) in a
// tool tip, the wheel zooms about the pointer, a drag pans, a double-click
// returns to the first view. Assistive technology sees an image named
// "Gráfica" whose description names the range and the real roots.
class GraphView : public QChartView {
  Q_OBJECT

public:
  explicit GraphView(std::shared_ptr<const GraphData> graphData, QWidget* parent = nullptr);

  GraphChart* graph() const { return graph_; }

protected:
  void changeEvent(QEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

private:
  void showValueAt(const QPoint& position);

  GraphChart* graph_;
  QPoint lastDrag_;
  bool dragging_ = false;
};
