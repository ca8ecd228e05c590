#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>
#include <string_view>

// What --factorizar and --ruffini print for a formula text (UTF-8 pad
// text). Both give nullopt for a text that is not a sum of terms, which has
// no factorisation to give, and throw EngineError(kOverflow) for a
// polynomial too large to show, including a sum of terms beyond what the
// reader takes.
class WorkReport {
  Q_DECLARE_TR_FUNCTIONS(WorkReport)

public:
  // The complete factorisation on one line, in the pad's encoding:
  // "2(x-2)(xe2+2x+4)".
  static std::optional<QString> factorizationLine(std::string_view text);

  // Plain-text lines: "P(x) = ...", the Ruffini tables of the first result
  // line's root, each with "Cociente: ..." and "Resto: ..." and an empty
  // line, then "Factorización: ...". Exponents as superscript digits.
  static std::optional<QStringList> ruffiniLines(std::string_view text);
};
