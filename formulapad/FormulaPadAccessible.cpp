#include "formulapad/FormulaPadAccessible.h"

#include <QAccessible>
#include <QCoreApplication>

#include "formulapad/FormulaPad.h"

FormulaPadAccessible::FormulaPadAccessible(FormulaPad* pad)
    : QAccessibleWidget(pad, QAccessible::EditableText) {}

QAccessibleInterface* FormulaPadAccessible::create(const QString& className, QObject* object) {
  if (className == QLatin1String(FormulaPad::staticMetaObject.className())) {
    if (auto* pad = qobject_cast<FormulaPad*>(object)) return new FormulaPadAccessible(pad);
  }
  return nullptr;
}

QString FormulaPadAccessible::defaultName() { return QCoreApplication::translate("FormulaPadAccessible", "Fórmula"); }

FormulaPad* FormulaPadAccessible::pad() const { return static_cast<FormulaPad*>(widget()); }

QString FormulaPadAccessible::text(QAccessible::Text t) const {
  switch (t) {
    case QAccessible::Name: {
      QString name = widget()->accessibleName();
      if (name.isEmpty()) name = widget()->toolTip();
      if (name.isEmpty()) name = defaultName();
      return name;
    }
    case QAccessible::Value:
      return pad()->accessibleText();
    default:
      return QAccessibleWidget::text(t);
  }
}

QAccessible::State FormulaPadAccessible::state() const {
  QAccessible::State s = QAccessibleWidget::state();
  s.editable = true;
  s.selectableText = true;
  return s;
}

void* FormulaPadAccessible::interface_cast(QAccessible::InterfaceType t) {
  if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
  return QAccessibleWidget::interface_cast(t);
}

void FormulaPadAccessible::selection(int, int* startOffset, int* endOffset) const {
  *startOffset = 0;
  *endOffset = 0;
}
int FormulaPadAccessible::selectionCount() const { return 0; }
void FormulaPadAccessible::addSelection(int, int) {}
void FormulaPadAccessible::removeSelection(int) {}
void FormulaPadAccessible::setSelection(int, int, int) {}

int FormulaPadAccessible::cursorPosition() const { return pad()->accessibleCursorPosition(); }

// The cursor is moved only by the arrow keys.
void FormulaPadAccessible::setCursorPosition(int) {}

QString FormulaPadAccessible::text(int startOffset, int endOffset) const {
  const QString all = pad()->accessibleText();
  if (startOffset < 0 || endOffset < startOffset || startOffset > all.size()) return {};
  return all.mid(startOffset, endOffset - startOffset);
}

int FormulaPadAccessible::characterCount() const { return int(pad()->accessibleText().size()); }

QRect FormulaPadAccessible::characterRect(int offset) const {
  const QRect cell = pad()->accessibleCharacterRect(offset);
  if (cell.isNull()) return {};
  return QRect(pad()->mapToGlobal(cell.topLeft()), cell.size());
}

int FormulaPadAccessible::offsetAtPoint(const QPoint& point) const {
  const QPoint local = pad()->mapFromGlobal(point);
  const int count = characterCount();
  for (int i = 0; i < count; ++i) {
    if (pad()->accessibleCharacterRect(i).contains(local)) return i;
  }
  return -1;
}

void FormulaPadAccessible::scrollToSubstring(int, int) {}

QString FormulaPadAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
  *startOffset = offset;
  *endOffset = offset;
  return {};
}
