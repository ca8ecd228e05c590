#pragma once

#include <gmpxx.h>

#include <QObject>
#include <QPointer>
#include <map>
#include <optional>

#include "engine/core/Polynomial.h"

class FormulaPad;
class QWidget;
class RuffiniDialog;

// Opens the Ruffini window for a result line: on a double-click on the
// line's pad, or on Return or keypad Enter while that pad has the focus.
// It knows the polynomial of the calculation whose lines it watches and the
// root the search found for each line, so that a line opens its root's
// work whatever its text says by then; lines of a text that is no sum of
// terms are never watched, nor is the heading.
class RuffiniOpener : public QObject {
  Q_OBJECT

public:
  // The window opens over `window`.
  explicit RuffiniOpener(QWidget* window);

  // A new calculation of the formula text `text`: read once here.
  void setCalculation(const QString& text);
  // Whether the lines of the current calculation open the window.
  bool hasWork() const { return polynomial_.has_value(); }
  // Opens the window for `line`, the result line of `root`, when there is
  // work to show.
  void watch(FormulaPad* line, const mpz_class& root);

  // Opens the window for a watched result line; nullptr, after the error
  // message, when the work is too large to show, or when the line is not
  // watched.
  RuffiniDialog* open(FormulaPad* line);

  // The window open now, if any.
  RuffiniDialog* dialog() const;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  QWidget* window_;
  std::optional<factorix::Polynomial> polynomial_;
  std::map<const QObject*, mpz_class> roots_;  // of the watched lines
  QPointer<RuffiniDialog> dialog_;
};
