#pragma once

#include <string>
#include <string_view>

namespace factorix {

// Tidies a quotient text: a lone raised 0 ("xe0") goes, a lone raised 1
// ("xe1" not followed by another raised digit) becomes "x". Everything else,
// signs and coefficients included, stays.
std::string Chunga(std::string_view texto);

}  // namespace factorix
