#pragma once

#include <QAccessibleWidget>

class GraphView;

// The graph as a screen reader meets it: an image (the Graphic role) with
// the view's accessible name and description, and no children.
class GraphViewAccessible : public QAccessibleWidget {
public:
  explicit GraphViewAccessible(GraphView* view);

  int childCount() const override { return 0; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }

  // The accessibility framework's factory for graphs: the interface of a
  // GraphView, null for any other object. Whoever hosts graphs installs it.
  static QAccessibleInterface* create(const QString& className, QObject* object);
};
