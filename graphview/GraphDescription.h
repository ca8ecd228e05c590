#pragma once

#include <QCoreApplication>
#include <QString>

class GraphData;

// What a screen reader says of the graph, and what --descripcion prints:
// "Gráfica de P(x) en [−3; 3]; corta el eje X en x = −1 y x = 2", or
// "...; no corta el eje X". An approximate root is written "x ≈ 1,324718";
// a multiple root says so: "x = 1 (doble)".
class GraphDescription {
  Q_DECLARE_TR_FUNCTIONS(GraphDescription)

public:
  static QString text(const GraphData& data);
  // An end of the x-range [from, to] as the description writes it, with
  // the digits that tell a thousandth of the range apart: "−2,5".
  static QString rangeEnd(double value, double from, double to);
};
