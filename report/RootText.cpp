#include "report/RootText.h"

#include "engine/solve/Decimal.h"

using factorix::ExactRoot;
using factorix::Root;

namespace {

// Places of an approximate root, and significant digits of re and im.
constexpr int kPlaces = 6;
constexpr int kSignificantDigits = 10;

QString fromDigits(const std::string& digits, QChar separator) {
  return QString::fromStdString(digits).replace(u'.', separator);
}

// The surd part coefficient·√d (·i), the coefficient a whole number: "√3",
// "-2√3", "√3i", "-i", "2i".
QString surdText(const mpz_class& coefficient, const mpz_class& radicand, bool imaginary) {
  QString out = coefficient < 0 ? QStringLiteral("-") : QString();
  const mpz_class size = abs(coefficient);
  const bool unitRadicand = radicand == 1;
  if (size != 1 || (unitRadicand && !imaginary)) out += QString::fromStdString(size.get_str());
  if (!unitRadicand) out += u'√' + QString::fromStdString(radicand.get_str());
  if (imaginary) out += u'i';
  return out;
}

// rational and surd over their least common denominator: A, B and C with
// rational = A/C and surd = B/C.
struct CommonDenominator {
  mpz_class a, b, c;
};

CommonDenominator overCommon(const ExactRoot& root) {
  CommonDenominator out;
  mpz_lcm(out.c.get_mpz_t(), root.rational.get_den_mpz_t(), root.surd.get_den_mpz_t());
  out.a = root.rational.get_num() * (out.c / root.rational.get_den());
  out.b = root.surd.get_num() * (out.c / root.surd.get_den());
  return out;
}

// "x/C" with the numerator in parentheses when it is a sum.
QString overDenominator(const QString& numerator, const mpz_class& c, bool sum) {
  if (c == 1) return numerator;
  return (sum ? u'(' + numerator + u')' : numerator) + u'/' + QString::fromStdString(c.get_str());
}

}  // namespace

QString RootText::number(const mpq_class& value) { return QString::fromStdString(value.get_str()); }

QString RootText::exact(const ExactRoot& root) {
  if (root.IsRational()) return number(root.rational);
  const CommonDenominator parts = overCommon(root);
  QString surd = surdText(parts.b, root.radicand, root.imaginary);
  if (parts.a == 0) return overDenominator(surd, parts.c, false);
  if (parts.b > 0) surd.prepend(u'+');
  return overDenominator(QString::fromStdString(parts.a.get_str()) + surd, parts.c, true);
}

QString RootText::plusMinus(const ExactRoot& root) {
  const CommonDenominator parts = overCommon(root);
  const QString surd = surdText(abs(parts.b), root.radicand, root.imaginary);
  if (parts.a == 0) return u'±' + overDenominator(surd, parts.c, false);
  return overDenominator(QString::fromStdString(parts.a.get_str()) + QStringLiteral(" ± ") + surd, parts.c, true);
}

QString RootText::approximate(const Root& root, QChar separator) {
  const QString re = fromDigits(factorix::FixedDecimal(root.re, kPlaces), separator);
  if (root.IsReal()) return re;
  const QString im = fromDigits(factorix::FixedDecimal(abs(root.im), kPlaces), separator);
  if (root.re == 0) return (root.im < 0 ? QStringLiteral("-") : QString()) + im + u'i';
  return re + (root.im < 0 ? u'-' : u'+') + im + u'i';
}

QString RootText::value(const Root& root, QChar separator) {
  return root.exact ? exact(*root.exact) : approximate(root, separator);
}

QString RootText::significant(const mpq_class& value, QChar separator) {
  return fromDigits(factorix::SignificantDecimal(value, kSignificantDigits), separator);
}
