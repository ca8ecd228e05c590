#include "app/ClickLabel.h"

#include <QMouseEvent>

ClickLabel::ClickLabel(const QString& text, Role role, QWidget* parent) : QLabel(text, parent), role_(role) {}

void ClickLabel::click() { emit clicked(); }

void ClickLabel::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
  event->accept();
}

// A click is a press and a release of the left button on the label.
void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  event->accept();
  if (click) emit clicked();
}
