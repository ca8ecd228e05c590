#pragma once

namespace factorix {

// An ASCII decimal digit, whatever the locale.
inline constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace factorix
