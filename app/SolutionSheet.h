#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class GraphData;

// What «Resolución paso a paso» shows, as the texts a person reads, apart
// from the widgets that show it: the same sheet can be copied, saved or
// printed. Numbers and polynomials are already written for people (U+2212
// for minus, superscript exponents, fractions p/q).

// One division with Ruffini's rule as it is written in class:
//
//          | dividend[0]  dividend[1]  ...  dividend[n]
//     root |              products[0]  ...  products[n-1]
//     -----+-------------------------------------------------
//            quotient[0]  quotient[1]  ...  | remainder
struct SheetTable {
  QString caption;       // "División entre (x−2)": what the table divides by
  QString root;          // left of the vertical rule
  QStringList dividend;  // n + 1 numbers, from x^n down to the constant term
  QStringList products;  // n numbers, under dividend[1..n]
  QStringList quotient;  // n numbers
  QString remainder;

  int degree() const { return int(dividend.size()) - 1; }
};

// One piece of a section: lines of text, or a table.
struct SheetItem {
  QString text;                     // one or more lines, "\n" between them; empty for a table
  std::optional<SheetTable> table;  // set for a table
};

// A section of the work, named as it is headed ("Raíces enteras").
struct SheetSection {
  QString name;
  QList<SheetItem> items;
};

struct SolutionSheet {
  QString polynomial;  // "P(x) = 2x³ − 16", above the sections
  QList<SheetSection> sections;
  std::shared_ptr<const GraphData> graph;  // the section «Gráfica», after the others; null when none
  QString plainText;  // the whole solution as plain text, as the command line prints it
};
