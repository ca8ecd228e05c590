#include "app/ClickLabel.h"

#include <QMouseEvent>

#include "formulapad/PaletteTone.h"

ClickLabel::ClickLabel(const QString& text, Role role, QWidget* parent) : QLabel(text, parent), role_(role) {}

void ClickLabel::click() { emit clicked(); }

void ClickLabel::setDesignColour(const QColor& colour) {
  designColour_ = colour;
  followPalette();
}

void ClickLabel::changeEvent(QEvent* event) {
  QLabel::changeEvent(event);
  if (event->type() == QEvent::PaletteChange) followPalette();
}

void ClickLabel::followPalette() {
  if (!designColour_.isValid()) return;
  const QColor window = palette().color(QPalette::Window);
  const QColor wanted = PaletteTone::isDark(window)
                            ? PaletteTone::readableOn(palette().color(QPalette::Link), window)
                            : designColour_;
  if (palette().color(QPalette::WindowText) == wanted) return;  // also ends the change this causes
  QPalette own = palette();
  own.setColor(QPalette::WindowText, wanted);
  setPalette(own);
}

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
