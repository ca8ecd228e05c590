#pragma once

#include <QAccessibleWidget>

#include <optional>

class FormulaPad;

// What assistive technology sees of a pad: an editable text whose content is
// the formula as drawn (raised characters as superscripts, roots as "√"),
// named after the pad's tool tip.
class FormulaPadAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
  explicit FormulaPadAccessible(FormulaPad* pad);

  // Makes the accessibility framework use this class for every pad; safe to
  // call any number of times.
  static void installFactory();

  // The name used when the pad has neither an accessible name nor a tool tip.
  static QString defaultName();

  // How the spoken formula changed: at `position`, `removed` gave way to
  // `inserted` (the common start and end left out). Empty when equal.
  struct TextChange {
    int position = 0;
    QString removed;
    QString inserted;
    friend bool operator==(const TextChange&, const TextChange&) = default;
  };
  static std::optional<TextChange> textChange(const QString& before, const QString& after);

  // Tells assistive technology, when any listens, that a redraw of `pad`
  // changed its spoken formula and caret.
  static void announce(FormulaPad* pad, const QString& before, const QString& after,
                       int caretBefore, int caretAfter);

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
