#pragma once

#include <array>

namespace korvex {

// The decimal digits of a finite, non-zero magnitude correctly rounded to 15 significant digits, as
// its decimal text shows them: the digits without trailing zeros and the power of ten of the first.
struct SignificantDigits {
    static constexpr int kMost = 15;

    std::array<char, kMost> digits{};
    int count = 0;
    int exponent = 0;

    // Digit i (from 0), '0' past the last one kept.
    char at(int i) const { return i < count ? digits[static_cast<std::size_t>(i)] : '0'; }
};

SignificantDigits significantDigits(double magnitude);

}  // namespace korvex
