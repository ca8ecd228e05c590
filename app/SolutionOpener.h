#pragma once

#include <gmpxx.h>

#include <QObject>
#include <QPointer>
#include <map>
#include <optional>

#include "engine/core/Polynomial.h"

class FormulaPad;
class QWidget;
class SolutionDialog;

// Opens «Resolución paso a paso» on a double-click on a result pad, or on
// Return or keypad Enter while it has the focus. A result line opens the
// work from the root the search found for it, whatever its text says by
// then; the heading opens the whole solution of the last calculation's
// polynomial (before any, of the text in the input pad), roots or none.
// The polynomial is read once per calculation; a text that is no sum of
// terms has no worked solution, and its pads open nothing.
class SolutionOpener : public QObject {
  Q_OBJECT

public:
  // The window opens over `window`; `input` is the polynomial's pad.
  SolutionOpener(QWidget* window, FormulaPad* input);

  // A new calculation of the formula text `text`.
  void setCalculation(const QString& text);
  // Whether the lines of the last calculation open the window.
  bool hasWork() const { return polynomial_.has_value() || tooLarge_; }
  // The heading opens the whole solution.
  void watchHeading(FormulaPad* heading);
  // `line` is the result line of `root`; it opens the work from there when
  // the calculation has a worked solution.
  void watch(FormulaPad* line, const mpz_class& root);

  // Opens the window for the heading or a watched line; nullptr for any
  // other pad, while the window is open, or, after the error message, when
  // the work is too large to find or show.
  SolutionDialog* open(FormulaPad* pad);
  // The window open now, if any.
  SolutionDialog* dialog() const;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  // The polynomial of a text, or nullopt; sets `tooLarge` for a sum of
  // terms beyond the reader's limits.
  static std::optional<factorix::Polynomial> read(const QString& text, bool& tooLarge);
  SolutionDialog* show(const std::optional<factorix::Polynomial>& polynomial, bool tooLarge,
                       const std::optional<mpz_class>& root);

  QWidget* window_;
  FormulaPad* input_;
  FormulaPad* heading_ = nullptr;
  bool calculated_ = false;  // whether a calculation has been made
  std::optional<factorix::Polynomial> polynomial_;  // of the last calculation
  bool tooLarge_ = false;                             // its text was too large to read
  std::map<const QObject*, mpz_class> roots_;         // of the watched lines
  QPointer<SolutionDialog> dialog_;
};
