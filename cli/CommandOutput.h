#pragma once

#include <string>
#include <vector>

#include "engine/core/EngineError.h"

// What a command leaves for the command line to print.
struct CommandOutput {
  // Formula lines in the pad's text encoding, in the order the window
  // shows them.
  std::vector<std::string> lines;
  // True when each line still begins with the result pad's blank, which is
  // not printed (left in place rather than copying every line without it).
  bool leadingBlank = false;
  // The engine's error number (factorix::ErrorNumber) that ended the work;
  // kNoError (0) when it ran to the end.
  int error = 0;
  // True when `lines` are plain text (tables, captions) printed as they
  // are, rather than formula lines in the pad's encoding.
  bool plainText = false;
  // A message of the command's own for standard error, without its line
  // end; it ends the text as an error does. Empty for none.
  std::string message;
};

// What the command line says when a text is not a sum of terms and the
// command needs a polynomial, in the language of the run.
std::string NoFactorizationMessage();

// The output of `report` (bool(CommandOutput&), false for a text that is
// not a sum of terms), which ends with the engine's error, and no lines,
// when the polynomial is too large to show.
template <typename Report>
CommandOutput ReportOutput(Report report) {
  CommandOutput output;
  output.error = factorix::RunGuarded([&report, &output] {
    if (!report(output)) output.message = NoFactorizationMessage();
  });
  if (output.error != factorix::kNoError) output.lines.clear();
  return output;
}
