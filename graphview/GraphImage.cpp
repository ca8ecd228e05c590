#include "graphview/GraphImage.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QGraphicsScene>
#include <QGraphicsLayout>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <memory>

#include "documents/DocumentFiles.h"
#include "graphview/GraphChart.h"
#include "graphview/GraphData.h"
#include "graphview/GraphDescription.h"

namespace {

// Zlib's fastest compression: a graph of many points is written in a
// third of the default's time, for files about a sixth larger.
constexpr int kPngQuality = 80;

bool isSvg(const QString& path) { return path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive); }

// Paints a chart of `data` laid out at `size` onto `painter`, scaled into
// `target`.
void paint(const GraphData& data, QSize size, QPainter& painter, const QRectF& target) {
  QGraphicsScene scene;
  // The chart shares the data only for the length of this call.
  auto chart = new GraphChart(std::shared_ptr<const GraphData>(&data, [](const GraphData*) {}));
  scene.addItem(chart);
  chart->setGeometry(QRectF(QPointF(0, 0), size));
  // The chart has its first view already; laying it out places its marks.
  chart->layout()->activate();
  scene.render(&painter, target, QRectF(QPointF(0, 0), size));
}

void paint(const GraphData& data, QSize size, QPainter& painter) {
  paint(data, size, painter, QRectF(QPointF(0, 0), size));
}

}  // namespace

bool GraphImage::knownFormat(const QString& path) {
  return isSvg(path) || path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive);
}

QString GraphImage::write(const GraphData& data, const QString& path, QSize size) {
  const QByteArray bytes = isSvg(path) ? svg(data, size) : png(data, size);
  if (bytes.isEmpty()) return GraphImage::tr("no se pudo escribir la imagen");
  return DocumentFiles::writeBytes(path, bytes);
}

QByteArray GraphImage::svg(const GraphData& data, QSize size) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(size);
  svg.setViewBox(QRect(QPoint(0, 0), size));
  svg.setTitle(GraphImage::tr("Gráfica"));
  svg.setDescription(GraphDescription::text(data));
  QPainter painter(&svg);
  painter.setRenderHint(QPainter::Antialiasing);
  paint(data, size, painter);
  return painter.end() ? bytes : QByteArray();
}

QByteArray GraphImage::png(const GraphData& data, QSize size, int scale) {
  // Opaque: the chart paints its whole background.
  QImage image(size * scale, QImage::Format_RGB32);
  image.setDevicePixelRatio(scale);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(data, size, painter);
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG", kPngQuality)) return {};
  return bytes;
}

void GraphImage::draw(const GraphData& data, QPainter& painter, const QRectF& target, QSize size) {
  paint(data, size, painter, target);
}
