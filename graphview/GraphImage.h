#pragma once

#include <QCoreApplication>
#include <QSize>
#include <QString>

class GraphData;

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
};
