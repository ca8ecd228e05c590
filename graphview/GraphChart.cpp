#include "graphview/GraphChart.h"

#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QLineSeries>
#include <QLocale>
#include <QPen>
#include <QValueAxis>

#include <cmath>

#include "graphview/GraphData.h"
#include "graphview/NumberText.h"
#include "graphview/RootMarks.h"

namespace {

constexpr double kFarthest = 1e300;     // the view never leaves [-1e300, 1e300]
constexpr double kNarrowest = 1e-12;    // nor gets narrower than this part of its centre's size
constexpr double kClampHeights = 10;    // curve values beyond this many view heights are clamped
constexpr int kTicks = 8;               // about this many ticks along an axis
constexpr qreal kLabelGap = 6;          // pixels between the axis and a root's label
constexpr qreal kLabelPadding = 2;      // pixels of background left and right of a label's text
constexpr qreal kMarkDepth = 99;        // above the series, which the chart draws at small depths
constexpr qreal kLabelDepth = 100;      // above the marks

// A step of 1, 2 or 5 times a power of ten giving about kTicks ticks.
double tickStep(double width) {
  const double raw = width / kTicks;
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  for (double m : {1.0, 2.0, 5.0})
    if (m * power >= raw) return m * power;
  return 10 * power;
}

void setTicks(QValueAxis* axis, double from, double to) {
  axis->setRange(from, to);
  axis->setTickType(QValueAxis::TicksDynamic);
  axis->setTickAnchor(0);
  axis->setTickInterval(tickStep(to - from));
}

}  // namespace

GraphChart::GraphChart(std::shared_ptr<const GraphData> data, QGraphicsItem* parent)
    : QChart(parent),
      data_(std::move(data)),
      curve_(new QLineSeries(this)),
      xAxisLine_(new QLineSeries(this)),
      rootMarks_(new RootMarks(this)),
      xAxis_(new QValueAxis(this)),
      yAxis_(new QValueAxis(this)) {
  legend()->hide();
  setLocalizeNumbers(true);
  setLocale(QLocale(QLocale::Spanish, QLocale::Spain));
  addAxis(xAxis_, Qt::AlignBottom);
  addAxis(yAxis_, Qt::AlignLeft);
  xAxis_->setTitleText(QStringLiteral("x"));
  xAxis_->setLabelFormat(QStringLiteral("%.6g"));
  yAxis_->setLabelFormat(QStringLiteral("%.6g"));
  yAxis_->setTitleText(yTitle());
  for (QLineSeries* series : {xAxisLine_, curve_}) {
    addSeries(series);
    series->attachAxis(xAxis_);
    series->attachAxis(yAxis_);
  }
  rootMarks_->setZValue(kMarkDepth);
  for (const RootLabel& root : data_->rootLabels()) {
    auto background = new QGraphicsRectItem(this);
    auto text = new QGraphicsSimpleTextItem(root.axisText, background);
    text->setPos(kLabelPadding, 0);
    background->setRect(text->boundingRect().adjusted(0, 0, 2 * kLabelPadding, 0));
    background->setPen(Qt::NoPen);
    background->setZValue(kLabelDepth);
    rootLabels_.append(background);
  }
  connect(this, &QChart::plotAreaChanged, this, &GraphChart::placeRootLabels);
  setColors(QPalette());
  resetView();
}

QString GraphChart::yTitle() const {
  const factorix::CurvePlot& plot = data_->plot();
  QString title = plot.yPower10 == 0 ? tr("P(x)") : tr("P(x) (×10%1)").arg(NumberText::superscript(plot.yPower10));
  if (plot.clipped) title = tr("%1, recortada").arg(title);
  return title;
}

void GraphChart::setColors(const QPalette& palette) {
  const QColor text = palette.color(QPalette::WindowText), base = palette.color(QPalette::Base);
  setBackgroundBrush(palette.brush(QPalette::Window));
  setPlotAreaBackgroundBrush(base);
  setPlotAreaBackgroundVisible(true);
  for (QValueAxis* axis : {xAxis_, yAxis_}) {
    axis->setLabelsBrush(text);
    axis->setTitleBrush(text);
    axis->setLinePenColor(text);
    axis->setGridLineColor(palette.color(QPalette::Mid));
  }
  curve_->setPen(QPen(palette.color(QPalette::Highlight), 2));
  xAxisLine_->setPen(QPen(text, 1));
  rootMarks_->setColors(text, base);
  for (QGraphicsRectItem* label : rootLabels_) {
    label->setBrush(base);
    static_cast<QGraphicsSimpleTextItem*>(label->childItems().first())->setBrush(text);
  }
}

void GraphChart::resetView() {
  const factorix::CurvePlot& plot = data_->plot();
  setView(plot.xMin, plot.xMax, plot.yMin, plot.yMax);
}

void GraphChart::setView(double x0, double x1, double y0, double y1) {
  auto keep = [](double& lo, double& hi) {
    const double least = kNarrowest * std::max(1.0, std::abs(lo + hi) / 2);
    if (!(hi - lo >= least)) return false;
    return std::abs(lo) <= kFarthest && std::abs(hi) <= kFarthest;
  };
  if (!keep(x0, x1) || !keep(y0, y1)) return;
  x0_ = x0, x1_ = x1, y0_ = y0, y1_ = y1;
  setTicks(xAxis_, x0, x1);
  setTicks(yAxis_, y0, y1);
  resample();
  placeRootLabels();
}

void GraphChart::zoomAt(QPointF position, double factor) {
  const QPointF centre = mapToValue(position, curve_);
  setView(centre.x() + (x0_ - centre.x()) * factor, centre.x() + (x1_ - centre.x()) * factor,
          centre.y() + (y0_ - centre.y()) * factor, centre.y() + (y1_ - centre.y()) * factor);
}

void GraphChart::panBy(QPointF pixels) {
  const QRectF area = plotArea();
  if (area.width() <= 0 || area.height() <= 0) return;
  const double dx = -pixels.x() / area.width() * (x1_ - x0_);
  const double dy = pixels.y() / area.height() * (y1_ - y0_);
  setView(x0_ + dx, x1_ + dx, y0_ + dy, y1_ + dy);
}

bool GraphChart::xAt(QPointF position, double& x) {
  if (!plotArea().contains(position)) return false;
  x = mapToValue(position, curve_).x();
  return std::isfinite(x);
}

void GraphChart::resample() {
  const double height = y1_ - y0_;
  curve_->replace(data_->sample(x0_, x1_, y0_ - kClampHeights * height, y1_ + kClampHeights * height));
  xAxisLine_->replace({QPointF(x0_, 0), QPointF(x1_, 0)});
}

// A mark on every root inside the plot area. Each label under its mark,
// centred; one that would overlap the label before it, or fall outside the
// plot area, is hidden.
void GraphChart::placeRootLabels() {
  const QRectF area = plotArea();
  const auto& roots = data_->plot().roots;
  QVector<QPointF> marks;
  marks.reserve(static_cast<qsizetype>(roots.size()));
  qreal lastRight = -1e9;
  for (qsizetype i = 0; i < rootLabels_.size(); ++i) {  // a label per root, in order
    QGraphicsRectItem* label = rootLabels_[i];
    const QPointF mark = mapToPosition(QPointF(roots[static_cast<std::size_t>(i)].value, 0), curve_);
    if (area.contains(mark)) marks.append(mark);
    const QRectF box = label->boundingRect();
    const QPointF topLeft(mark.x() - box.width() / 2, mark.y() + kLabelGap);
    const bool fits = area.contains(mark) && topLeft.x() > lastRight && topLeft.y() + box.height() <= area.bottom();
    label->setVisible(fits);
    if (!fits) continue;
    label->setPos(topLeft);
    lastRight = topLeft.x() + box.width() + kLabelGap;
  }
  rootMarks_->setCentres(std::move(marks));
}
