#include "graphview/GraphDescription.h"

#include <QCoreApplication>
#include <QStringList>

#include "graphview/GraphData.h"
#include "graphview/NumberText.h"

namespace {

QString tr(const char* text) { return QCoreApplication::translate("GraphDescription", text); }

// "x = −1", "x = −1, x = 1/2 y x = 2".
QString rootList(const QVector<RootText>& roots) {
  QStringList items;
  for (const RootText& root : roots)
    items << (root.exact ? tr("x = %1") : tr("x ≈ %1")).arg(root.text);
  if (items.size() == 1) return items.first();
  const QString last = items.takeLast();
  return tr("%1 y %2").arg(items.join(QStringLiteral(", ")), last);
}

}  // namespace

QString GraphDescription::rangeEnd(double value) { return NumberText::decimal(value, 4); }

QString GraphDescription::text(const GraphData& data) {
  const QString range = tr("Gráfica de P(x) en [%1; %2]")
                            .arg(rangeEnd(data.plot().xMin), rangeEnd(data.plot().xMax));
  if (data.polynomial().empty()) return tr("%1; coincide con el eje X").arg(range);
  if (data.rootTexts().isEmpty()) return tr("%1; no corta el eje X").arg(range);
  return tr("%1; corta el eje X en %2").arg(range, rootList(data.rootTexts()));
}
