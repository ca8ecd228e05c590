#include "graphview/GraphDescription.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <cmath>

#include "graphview/GraphData.h"
#include "graphview/NumberText.h"
#include "report/SolutionText.h"

namespace {

// "x = −1", "x = −1, x = 1/2 (doble) y x = 2".
QString rootList(const GraphData& data) {
  QStringList items;
  const QVector<RootLabel>& roots = data.rootLabels();
  for (qsizetype i = 0; i < roots.size(); ++i)
    items << (roots[i].exact ? GraphDescription::tr("x = %1") : GraphDescription::tr("x ≈ %1")).arg(roots[i].text) +
                 SolutionText::multiplicitySuffix(data.plot().roots[static_cast<std::size_t>(i)].multiplicity);
  if (items.size() == 1) return items.first();
  const QString last = items.takeLast();
  return GraphDescription::tr("%1 y %2").arg(items.join(QStringLiteral(", ")), last);
}

}  // namespace

QString GraphDescription::rangeEnd(double value, double from, double to) {
  const double largest = std::max(std::abs(from), std::abs(to));
  const double resolution = (to - from) / 1000;
  int digits = 4;
  if (largest > 0 && resolution > 0)
    digits = static_cast<int>(std::floor(std::log10(largest)) - std::floor(std::log10(resolution))) + 1;
  return NumberText::decimal(value, std::clamp(digits, 4, 15));
}

QString GraphDescription::text(const GraphData& data) {
  const QString range = GraphDescription::tr("Gráfica de P(x) en [%1; %2]")
                            .arg(rangeEnd(data.plot().xMin, data.plot().xMin, data.plot().xMax),
                                 rangeEnd(data.plot().xMax, data.plot().xMin, data.plot().xMax));
  if (data.polynomial().empty()) return GraphDescription::tr("%1; coincide con el eje X").arg(range);
  if (data.rootLabels().isEmpty()) return GraphDescription::tr("%1; no corta el eje X").arg(range);
  return GraphDescription::tr("%1; corta el eje X en %2").arg(range, rootList(data));
}
