#include "report/RuffiniTableText.h"

#include <QList>

#include <algorithm>

QString RuffiniTableText(const QString& root, const QStringList& dividend, const QStringList& products,
                         const QStringList& quotient, const QString& remainder) {
  // Column 0 holds the root; columns 1 to n + 1 the powers from the highest.
  const qsizetype columns = dividend.size() + 1;
  QStringList top(columns), middle(columns), bottom(columns);
  middle[0] = root;
  for (qsizetype i = 0; i < dividend.size(); ++i) top[i + 1] = dividend[i];
  for (qsizetype i = 0; i < products.size(); ++i) middle[i + 2] = products[i];
  for (qsizetype i = 0; i < quotient.size(); ++i) bottom[i + 1] = quotient[i];
  bottom[columns - 1] = remainder;

  QList<qsizetype> width(columns);
  for (qsizetype c = 0; c < columns; ++c) width[c] = std::max({top[c].size(), middle[c].size(), bottom[c].size()});

  // Every number column is led by two blanks; the remainder's by three, or
  // " | " in the bottom row.
  QString out;
  const auto row = [&](const QStringList& cells, bool rule, bool quotientRow) {
    out += cells[0].rightJustified(width[0]);
    out += rule ? QStringLiteral(" |") : QStringLiteral("  ");
    for (qsizetype c = 1; c < columns; ++c) {
      if (c == columns - 1) {
        out += quotientRow ? QStringLiteral(" | ") : QStringLiteral("   ");
      } else {
        out += QStringLiteral("  ");
      }
      out += cells[c].rightJustified(width[c]);
    }
    out += u'\n';
  };
  row(top, true, false);
  row(middle, true, false);
  qsizetype numbersWidth = 0;
  for (qsizetype c = 1; c < columns; ++c) numbersWidth += 2 + width[c];
  ++numbersWidth;  // the remainder's third blank
  out += QString(width[0] + 1, u'-') + u'+' + QString(numbersWidth, u'-') + u'\n';
  row(bottom, false, true);
  return out;
}
