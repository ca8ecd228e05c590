#include "graphview/GraphDescription.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <cmath>

#include "graphview/GraphData.h"
#include "graphview/NumberText.h"

namespace {

QString tr(const char* text) { return QCoreApplication::translate("GraphDescription", text); }

// " (doble)" for a root that touches the axis twice over, and so on.
QString multiplicity(unsigned count) {
  if (count == 2) return tr(" (doble)");
  if (count == 3) return tr(" (triple)");
  return count > 3 ? tr(" (multiplicidad %1)").arg(count) : QString();
}

// "x = −1", "x = −1, x = 1/2 (doble) y x = 2".
QString rootList(const GraphData& data) {
  QStringList items;
  const QVector<RootLabel>& roots = data.rootLabels();
  for (qsizetype i = 0; i < roots.size(); ++i)
    items << (roots[i].exact ? tr("x = %1") : tr("x ≈ %1")).arg(roots[i].text) +
                 multiplicity(data.plot().roots[static_cast<std::size_t>(i)].multiplicity);
  if (items.size() == 1) return items.first();
  const QString last = items.takeLast();
  return tr("%1 y %2").arg(items.join(QStringLiteral(", ")), last);
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
  const QString range = tr("Gráfica de P(x) en [%1; %2]")
                            .arg(rangeEnd(data.plot().xMin, data.plot().xMin, data.plot().xMax),
                                 rangeEnd(data.plot().xMax, data.plot().xMin, data.plot().xMax));
  if (data.polynomial().empty()) return tr("%1; coincide con el eje X").arg(range);
  if (data.rootLabels().isEmpty()) return tr("%1; no corta el eje X").arg(range);
  return tr("%1; corta el eje X en %2").arg(range, rootList(data));
}
