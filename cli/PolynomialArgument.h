#pragma once

#include <QString>
#include <QStringView>
#include <string>

// The polynomial a text command runs on, from its TEXTO (an argument or a
// line of standard input), or why there is none. Every text command and
// every line read from standard input takes its text from here.
struct PolynomialArgument {
  // UTF-8 pad text, when neither `error` nor `message` is set.
  std::string padText;
  // An engine error number (factorix::ErrorNumber) that ends the text with
  // the window's message for it; kNoError (0) for none.
  int error = 0;
  // A message of its own for standard error, without its line end, in the
  // language of the run; empty for none.
  QString message;
  // The same message in Spanish whatever the language, for JSON.
  QString messageAsWritten;

  // A TEXTO that the pad could hold (only characters the pad's keys write,
  // in the pad's encoding or with raised characters as the superscripts the
  // window shows; no blanks) is taken as it is, as the window takes what
  // was typed: x-1-1 keeps its constant 1. Any other text is read as people
  // write polynomials ("x^2 - 5x + 6", "X**3-8", "x²−1") and taken in the
  // pad's canonical form; a text that is no polynomial in x gets a message
  // naming the first character that could not be read, one too large the
  // overflow error. Bytes that were no UTF-8 (U+FFFD) get the syntax error.
  static PolynomialArgument read(const QString& texto);

  // Whether every character of `padText` is one that a pad's keys write.
  static bool padCouldHold(QStringView padText);
};
