#include "engine/factor/RuffiniText.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace factorix {

namespace {

std::string RightAligned(const std::string& text, std::size_t width) {
  return std::string(width - std::min(width, text.size()), ' ') + text;
}

}  // namespace

std::string RuffiniTableText(const RuffiniTable& table) {
  // Column 0 holds the root; columns 1 to n + 1 the powers from the highest.
  const std::size_t columns = table.dividend.size() + 1;
  std::vector<std::string> top(columns), middle(columns), bottom(columns);
  middle[0] = table.root.get_str();
  for (std::size_t i = 0; i < table.dividend.size(); ++i) top[i + 1] = table.dividend[i].get_str();
  for (std::size_t i = 0; i < table.products.size(); ++i) middle[i + 2] = table.products[i].get_str();
  for (std::size_t i = 0; i < table.quotient.size(); ++i) bottom[i + 1] = table.quotient[i].get_str();
  bottom[columns - 1] = table.remainder.get_str();

  std::vector<std::size_t> width(columns);
  for (std::size_t c = 0; c < columns; ++c) width[c] = std::max({top[c].size(), middle[c].size(), bottom[c].size()});

  // Every number column is led by two blanks; the remainder's by three, or
  // " | " in the bottom row.
  std::string out;
  const auto row = [&](const std::vector<std::string>& cells, bool rule, bool quotientRow) {
    out += RightAligned(cells[0], width[0]);
    out += rule ? " |" : "  ";
    for (std::size_t c = 1; c < columns; ++c) {
      if (c == columns - 1) {
        out += quotientRow ? " | " : "   ";
      } else {
        out += "  ";
      }
      out += RightAligned(cells[c], width[c]);
    }
    out += '\n';
  };
  row(top, true, false);
  row(middle, true, false);
  std::size_t numbersWidth = 0;
  for (std::size_t c = 1; c < columns; ++c) numbersWidth += 2 + width[c];
  ++numbersWidth;  // the remainder's third blank
  out += std::string(width[0] + 1, '-') + '+' + std::string(numbersWidth, '-') + '\n';
  row(bottom, false, true);
  return out;
}

}  // namespace factorix
