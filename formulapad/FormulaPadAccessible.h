#pragma once

#include <QAccessibleWidget>

class FormulaPad;

// What assistive technology sees of a pad: an editable text whose content is
// the formula as drawn (raised characters as superscripts, roots as "√"),
// named after the pad's tool tip.
class FormulaPadAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
  explicit FormulaPadAccessible(FormulaPad* pad);

  // The accessibility framework's factory for pads: the interface of a
  // FormulaPad, null for any other object. Whoever hosts pads installs it
  // (QAccessible::installFactory) before it creates them.
  static QAccessibleInterface* create(const QString& className, QObject* object);

  // The name used when the pad has neither an accessible name nor a tool tip.
  static QString defaultName();

  QString text(QAccessible::Text t) const override;
  QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType t) override;

  // QAccessibleTextInterface: the drawn formula, read-only, no selection.
  void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
  int selectionCount() const override;
  void addSelection(int startOffset, int endOffset) override;
  void removeSelection(int selectionIndex) override;
  void setSelection(int selectionIndex, int startOffset, int endOffset) override;
  int cursorPosition() const override;
  void setCursorPosition(int position) override;
  QString text(int startOffset, int endOffset) const override;
  int characterCount() const override;
  QRect characterRect(int offset) const override;
  int offsetAtPoint(const QPoint& point) const override;
  void scrollToSubstring(int startIndex, int endIndex) override;
  QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
  FormulaPad* pad() const;
};
