#pragma once

#include <QString>

#include <optional>

namespace korvex {

// A real read from the host as the tables keep it: rounded to five decimals the way the host's fixed
// format "0.00000" writes it, and read back (-0 becomes 0). That format rounds the value's decimal
// text of 15 significant digits half away from zero, so 0.515625 becomes 0.51563. Infinities and NaN
// are not numbers here and become 0.
double roundHostValue(double value);

// The value rounded to `decimals` (0 to 9) decimals by the same rule as roundHostValue.
double roundDecimalsHalfAway(double value, int decimals);

// A number written as text by the host or typed into a setting: blanks around it are ignored, and
// the decimal separator may be a point or a comma, whatever the locale ("12.5" and "12,5" are both
// 12.5). Empty when the text is not a number; "nan" and "inf" are none.
std::optional<double> parseDecimalText(const QString& text);

}  // namespace korvex
