#pragma once

#include <QString>

class GraphData;

// What a screen reader says of the graph, and what --descripcion prints:
// "Gráfica de P(x) en [−3; 3]; corta el eje X en x = −1 y x = 2", or
// "...; no corta el eje X". An approximate root is written "x ≈ 1,324718".
class GraphDescription {
public:
  static QString text(const GraphData& data);
  // The ends of an x-range as the description writes them: "−2,5".
  static QString rangeEnd(double value);
};
