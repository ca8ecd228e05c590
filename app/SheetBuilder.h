#pragma once

#include <gmpxx.h>

#include <QCoreApplication>
#include <QString>
#include <optional>

#include "app/SolutionSheet.h"
#include "engine/core/Polynomial.h"
#include "engine/solve/Solution.h"

// The worked solution (numbers only) as the sheet «Resolución paso a paso»
// shows it: its steps in titled sections, in the order of the work, with
// the same words and numbers as the plain text of the command line
// (report/), but each division a table, and minus signs as U+2212.
class SheetBuilder {
  Q_DECLARE_TR_FUNCTIONS(SheetBuilder)

public:
  // The sheet of `solution`.
  static SolutionSheet write(const factorix::Solution& solution);

  // The sheet for `polynomial`: from `root` on, the root of a result line,
  // or the whole solution when there is none. Throws EngineError(kOverflow)
  // when the work is too large to find or to show.
  static SolutionSheet build(const factorix::Polynomial& polynomial, const std::optional<mpz_class>& root);

  // A text of the plain form as the window shows it: U+2212 for minus.
  static QString shown(QString text);
};
