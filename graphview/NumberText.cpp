#include "graphview/NumberText.h"

#include <cmath>

namespace {

const QChar kMinus(0x2212);

QString spanish(QString text) {
  text.replace(QLatin1Char('.'), QLatin1Char(','));
  text.replace(QLatin1Char('-'), kMinus);
  return text;
}

QString dropTrailingZeros(QString text) {
  if (!text.contains(QLatin1Char('.'))) return text;
  while (text.endsWith(QLatin1Char('0'))) text.chop(1);
  if (text.endsWith(QLatin1Char('.'))) text.chop(1);
  return text;
}

}  // namespace

namespace NumberText {

QString superscript(int exponent) {
  static const char16_t digits[] = u"⁰¹²³⁴⁵⁶⁷⁸⁹";
  QString text = QString::number(exponent);
  QString out;
  for (QChar c : text) out += c == QLatin1Char('-') ? QChar(0x207B) : QChar(digits[c.unicode() - '0']);
  return out;
}

QString decimal(double value, int significant) {
  if (!std::isfinite(value)) return QString();
  if (value == 0) return QStringLiteral("0");
  const int power = static_cast<int>(std::floor(std::log10(std::abs(value))));
  if (power >= significant || power < -4) {
    const double mantissa = value / std::pow(10.0, power);
    return spanish(dropTrailingZeros(QString::number(mantissa, 'f', significant - 1))) + QChar(0x00B7) +
           QStringLiteral("10") + superscript(power);
  }
  const int decimals = std::max(0, significant - 1 - power);
  return spanish(dropTrailingZeros(QString::number(value, 'f', decimals)));
}

}  // namespace NumberText
