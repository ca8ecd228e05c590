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

  // Makes every GraphView use this interface; later calls do nothing.
  static void installFactory();
};
