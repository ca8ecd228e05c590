#include "graphview/GraphViewAccessible.h"

#include "graphview/GraphView.h"

GraphViewAccessible::GraphViewAccessible(GraphView* view) : QAccessibleWidget(view, QAccessible::Graphic) {}

QAccessibleInterface* GraphViewAccessible::create(const QString& className, QObject* object) {
  if (className == QLatin1String(GraphView::staticMetaObject.className())) {
    if (auto* view = qobject_cast<GraphView*>(object)) return new GraphViewAccessible(view);
  }
  return nullptr;
}
