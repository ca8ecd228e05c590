#pragma once

#include <chrono>

namespace factorix {

// The moment past which a long computation gives up with kOverflow rather
// than keep the window waiting.
using Deadline = std::chrono::steady_clock::time_point;

}  // namespace factorix
