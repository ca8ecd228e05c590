#include "graphview/GraphViewAccessible.h"

#include "graphview/GraphView.h"

namespace {

QAccessibleInterface* graphViewFactory(const QString& className, QObject* object) {
  if (className == QLatin1String("GraphView") && object && object->isWidgetType())
    return new GraphViewAccessible(static_cast<GraphView*>(object));
  return nullptr;
}

}  // namespace

GraphViewAccessible::GraphViewAccessible(GraphView* view) : QAccessibleWidget(view, QAccessible::Graphic) {}

void GraphViewAccessible::installFactory() {
  static const bool installed = [] {
    QAccessible::installFactory(graphViewFactory);
    return true;
  }();
  (void)installed;
}
