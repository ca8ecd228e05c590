#pragma once

#include <QString>
#include <memory>

#include "engine/solve/Solution.h"

class GraphData;
class QGroupBox;
class QWidget;

// The section «Gráfica» of «Resolución paso a paso»: the graph of P(x)
// under its title, an accessible group named "Gráfica" holding the image.
class GraphSection {
public:
  // The graph's numbers for the worked solution's polynomial, its roots
  // labelled as the solution writes them; null when it is too large to plan
  // in time, and the work then shows no graph.
  static std::shared_ptr<const GraphData> data(const factorix::Solution& solution);
  // "Gráfica": the section's name, in the window and in documents.
  static QString title();
  // The titled section showing `graph`, a child of `parent`.
  static QGroupBox* make(std::shared_ptr<const GraphData> graph, QWidget* parent);
};
