#include "graphview/GraphView.h"

#include <QMouseEvent>
#include <QToolTip>
#include <QWheelEvent>

#include <cmath>

#include "graphview/GraphChart.h"
#include "graphview/GraphData.h"
#include "graphview/GraphDescription.h"
#include "graphview/NumberText.h"

namespace {

constexpr double kZoomPerNotch = 0.8;  // one wheel notch in shows 80% of the view
constexpr double kLog10Of2 = 0.30102999566398120;

// P(x) as the tool tip writes it, "−2,25" or "1,5·10⁴⁰⁰".
QString valueText(const factorix::ScaledValue& value) {
  if (value.Sign() == 0) return QStringLiteral("0");
  const double log10 = value.Log2Magnitude() * kLog10Of2;
  if (std::abs(log10) < 300) return NumberText::decimal(std::ldexp(value.significand, static_cast<int>(value.exponent)));
  const double power = std::floor(log10);
  const double mantissa = value.Sign() * std::pow(10.0, log10 - power);
  return NumberText::decimal(mantissa) + QChar(0x00B7) + QStringLiteral("10") +
         NumberText::superscript(static_cast<int>(power));
}

}  // namespace

GraphView::GraphView(std::shared_ptr<const GraphData> graphData, QWidget* parent)
    : QChartView(new GraphChart(graphData), parent), graph_(static_cast<GraphChart*>(chart())) {
  graph_->setColors(palette());
  setRenderHint(QPainter::Antialiasing);
  setMouseTracking(true);
  setRubberBand(QChartView::NoRubberBand);
  setFocusPolicy(Qt::StrongFocus);
  setAccessibleName(tr("Gráfica"));
  setAccessibleDescription(GraphDescription::text(*graphData));
}

void GraphView::changeEvent(QEvent* event) {
  if (event->type() == QEvent::PaletteChange) graph_->setColors(palette());
  QChartView::changeEvent(event);
}

void GraphView::showValueAt(const QPoint& position) {
  double x = 0;
  if (!graph_->xAt(mapToScene(position), x)) {
    QToolTip::hideText();
    return;
  }
  const QString text = tr("(%1; %2)").arg(NumberText::decimal(x), valueText(graph_->data().valueAt(x)));
  QToolTip::showText(mapToGlobal(position), text, this);
}

void GraphView::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_) {
    graph_->panBy(event->position() - lastDrag_);
    lastDrag_ = event->position().toPoint();
  }
  showValueAt(event->position().toPoint());
  event->accept();
}

void GraphView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QChartView::mousePressEvent(event);
  dragging_ = true;
  lastDrag_ = event->position().toPoint();
  setCursor(Qt::ClosedHandCursor);
  event->accept();
}

void GraphView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QChartView::mouseReleaseEvent(event);
  dragging_ = false;
  unsetCursor();
  event->accept();
}

void GraphView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QChartView::mouseDoubleClickEvent(event);
  graph_->resetView();
  event->accept();
}

void GraphView::wheelEvent(QWheelEvent* event) {
  const double notches = event->angleDelta().y() / 120.0;
  if (notches == 0) return QChartView::wheelEvent(event);
  graph_->zoomAt(mapToScene(event->position().toPoint()), std::pow(kZoomPerNotch, notches));
  event->accept();
}
