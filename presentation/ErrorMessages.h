#pragma once

#include <QString>

// The text of the message box, or of the command line's line on standard
// error, for the engine error number that ended a calculation: the
// evaluator's syntax error has its own, every other error the general one.
QString ErrorMessage(int number);
