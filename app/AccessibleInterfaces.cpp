#include "app/AccessibleInterfaces.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "app/ClickLabelAccessible.h"
#include "app/Form1.h"
#include "app/ResultLineAccessible.h"
#include "app/ResultsNotice.h"
#include "app/RuffiniTableAccessible.h"
#include "formulapad/FormulaPadAccessible.h"
#include "graphview/GraphViewAccessible.h"

namespace {

// Screen readers announce a top-level window by its role: the main window is
// a frame (a plain widget would be a "filler"), named after its caption.
QAccessibleInterface* createForMainWindow(const QString& className, QObject* object) {
  if (className == QLatin1String(Form1::staticMetaObject.className())) {
    if (auto* form = qobject_cast<Form1*>(object)) return new QAccessibleWidget(form, QAccessible::Window);
  }
  return nullptr;
}

}  // namespace

void AccessibleInterfaces::install() {
  static const bool installed = [] {
    QAccessible::installFactory(&createForMainWindow);
    QAccessible::installFactory(&FormulaPadAccessible::create);
    QAccessible::installFactory(&ResultLineAccessible::create);  // asked before the pads' own
    QAccessible::installFactory(&ClickLabelAccessible::create);
    QAccessible::installFactory(&RuffiniTableAccessible::create);
    QAccessible::installFactory(&GraphViewAccessible::create);
    QAccessible::installFactory(&ResultsNotice::create);
    return true;
  }();
  Q_UNUSED(installed);
}
