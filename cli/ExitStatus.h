#pragma once

// The exit statuses of the command line.
enum ExitStatus : int {
  kLinesOnly = 0,  // every text ended with its lines
  kMessage = 1,    // some text ended with a message on standard error
  kUsage = 2,      // the arguments could not be understood
};
