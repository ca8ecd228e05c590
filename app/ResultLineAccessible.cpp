#include "app/ResultLineAccessible.h"

#include <QCoreApplication>

#include "app/ResultList.h"
#include "formulapad/FormulaPad.h"

ResultLineAccessible::ResultLineAccessible(FormulaPad* pad, int line) : FormulaPadAccessible(pad), line_(line) {}

QAccessibleInterface* ResultLineAccessible::create(const QString& className, QObject* object) {
  if (className != QLatin1String(FormulaPad::staticMetaObject.className())) return nullptr;
  auto* pad = qobject_cast<FormulaPad*>(object);
  const int line = ResultList::lineNumber(object);
  return pad && line > 0 ? new ResultLineAccessible(pad, line) : nullptr;
}

QString ResultLineAccessible::text(QAccessible::Text t) const {
  if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
    return QCoreApplication::translate("ResultList", "Resultado %1").arg(line_);
  return FormulaPadAccessible::text(t);
}
