#pragma once

#include <QString>
#include <QStringList>

// A division with Ruffini's rule as plain text, one line per row, numbers
// right-aligned in their columns, the root left of a vertical rule, a rule
// above the quotient and one before the remainder:
//
//       |  2  0  0   -16
//     2 |     4  8    16
//     --+---------------
//          2  4  8 |   0
//
// `dividend` has n + 1 numbers, `products` and `quotient` n each, all
// already written (integers or fractions); every line ends with "\n".
QString RuffiniTableText(const QString& root, const QStringList& dividend, const QStringList& products,
                         const QStringList& quotient, const QString& remainder);
