#pragma once

#include <QString>

// The values a formula pad takes when its stored data lacks them, and which
// saving leaves out: also how the command line lays out a result line, so
// that it reads a formula as a result pad shows it.
namespace FormulaDefaults {

inline constexpr double kCellWidthTwips = 120;
inline constexpr double kNormPoints = 10;  // ordinary characters
inline constexpr double kSupPoints = 8;    // raised characters; a root's index is 2 smaller
inline QString fontName() { return QStringLiteral("Arial"); }

}  // namespace FormulaDefaults
