#include "app/AccessibleInterfaces.h"

#include <QAccessible>

#include "app/ClickLabelAccessible.h"
#include "formulapad/FormulaPadAccessible.h"

void AccessibleInterfaces::install() {
  static const bool installed = [] {
    QAccessible::installFactory(&FormulaPadAccessible::create);
    QAccessible::installFactory(&ClickLabelAccessible::create);
    return true;
  }();
  Q_UNUSED(installed);
}
