#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QRectF>
#include <QSize>
#include <QString>

class GraphData;
class QPainter;

// The graph as a picture file, drawn without a window: SVG (with the
// description as its title and desc) or PNG, chosen by the name's ending.
class GraphImage {
  Q_DECLARE_TR_FUNCTIONS(GraphImage)

public:
  static constexpr QSize kDefaultSize{800, 600};

  // True when `path` ends in .svg or .png (any case).
  static bool knownFormat(const QString& path);

  // Writes the picture, whole or not at all. Returns an empty string on
  // success, else the reason it could not be written.
  static QString write(const GraphData& data, const QString& path, QSize size = kDefaultSize);

  // The picture as SVG bytes, with the description as its title and desc.
  static QByteArray svg(const GraphData& data, QSize size = kDefaultSize);
  // The picture as PNG bytes, `scale` device pixels to each of `size`'s.
  static QByteArray png(const GraphData& data, QSize size = kDefaultSize, int scale = 1);
  // Draws the chart laid out at `size` onto `painter`, scaled into
  // `target` (painter units): vectors on a PDF or a printer.
  static void draw(const GraphData& data, QPainter& painter, const QRectF& target, QSize size = kDefaultSize);
};
