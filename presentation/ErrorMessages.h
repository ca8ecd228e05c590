#pragma once

#include <QString>

// The text of the message box, or of the command line's line on standard
// error, for the engine error number that ended a calculation: the
// evaluator's syntax error has its own, every other error the general one.
// In the language of the run.
QString ErrorMessage(int number);

// The same message as written, in Spanish whatever the language: for
// machine-read output (JSON), which reads the same in every language.
QString ErrorMessageAsWritten(int number);
