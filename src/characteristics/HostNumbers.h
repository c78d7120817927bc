#pragma once

#include <QString>

#include <optional>

namespace korvex {

// A real read from the host as the tables keep it: rounded to five decimals the way the fixed
// format "0.00000" writes it, and read back (-0 becomes 0). Infinities and NaN pass unchanged.
double roundHostValue(double value);

// A number written as text by the host or typed into a setting: blanks around it are ignored, and
// the decimal separator may be a point or a comma, whatever the locale ("12.5" and "12,5" are both
// 12.5). Empty when the text is not a number.
std::optional<double> parseDecimalText(const QString& text);

}  // namespace korvex
