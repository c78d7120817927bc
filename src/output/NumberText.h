#pragma once

#include <QString>

namespace korvex {

// A number as the result files show it: up to 15 significant digits, no trailing zeros, the given
// decimal separator and no group separators. Values from 1e-5 up to below 1e15 are written out in
// full ("0.00001", "123456789012345"); others in exponent form ("1E-06", "1.5E+20").
QString numberText(double value, QChar decimalPoint);

// The same appended to text, for writers that build a whole file at once.
void appendNumberText(QString& text, double value, QChar decimalPoint);

}  // namespace korvex
