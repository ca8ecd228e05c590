#pragma once

#include <gmpxx.h>

#include <QString>

#include "engine/solve/Solution.h"

// Numbers and roots of a worked solution written out, as the plain text,
// the JSON form and the window all write them: minus as "-", fractions
// "p/q", surds "√d", the imaginary unit "i" after its coefficient, and the
// decimal separator the caller gives ("," for people, "." for JSON).
class RootText {
public:
  // "2", "-1/2".
  static QString number(const mpq_class& value);
  // "2", "-1-√3i", "(-1+√3i)/2", "√2/2", "-3√2", "2i", "(1+√5)/2".
  static QString exact(const factorix::ExactRoot& root);
  // The pair of roots rational ± surd·√d in one: "-1 ± √3i", "(1 ± √5)/2",
  // "±√2/2"; `root` is either of the two.
  static QString plusMinus(const factorix::ExactRoot& root);
  // An approximation to 6 decimals: "1,324718", "-0,662359+0,562280i",
  // "0,5i"-style parts always with their 6 places.
  static QString approximate(const factorix::Root& root, QChar separator);
  // The root as the list of roots writes it: exact when it is, else its
  // approximation.
  static QString value(const factorix::Root& root, QChar separator);
  // re or im to 10 significant digits: "-1.732050808".
  static QString significant(const mpq_class& value, QChar separator);
};
