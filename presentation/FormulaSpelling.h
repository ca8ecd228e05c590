#pragma once

#include <QString>

#include <string>
#include <string_view>

// The two spellings of a formula outside the pad: what a screen reader reads
// of a drawn pad (raised characters as Unicode superscripts, no markers) and
// the pad's own text (a raised character stored as "e" and the character).
class FormulaSpelling {
public:
  // The pad text of `shown`: every Unicode superscript that the pad draws
  // for a character c becomes "e" followed by c, so "2x³-16" reads as
  // "2xe3-16". Everything else, pad text included, is kept as it is.
  static QString toPadText(const QString& shown);

  // What a screen reader reads of a pad that drew `padText`: the pad's own
  // layout of the text, so that the command line and the window never
  // disagree. "(x-2) (+2xe2+4x+8)" reads "(x-2) (+2x²+4x+8)".
  static QString toSpoken(const QString& padText);

  // Appends toSpoken(padText) to `out`, both in UTF-8. A text of printable
  // ASCII without the root markers (every result line is one) is spelt
  // byte by byte, so that tens of megabytes of lines take a moment.
  static void appendSpoken(std::string_view padText, std::string& out);
};
