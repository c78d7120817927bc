#include "characteristics/HostNumbers.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace korvex {
namespace {

constexpr int kDecimals = 5;
constexpr int kSignificantDigits = 15;

// The value's decimal text with 15 significant digits: its digits, the power of ten of the first
// and the value it reads back as.
struct DecimalText {
    std::array<char, kSignificantDigits> digits{};
    int exponent = 0;
    double value = 0;
};

DecimalText decimalText(double magnitude) {
    std::array<char, 32> text{};
    const char* end = std::to_chars(text.data(), text.data() + text.size(), magnitude,
                                    std::chars_format::scientific, kSignificantDigits - 1)
                          .ptr;
    // Text beyond the largest double (its 15 digits round up) does not read back: keep the value.
    DecimalText decimal{.value = magnitude};
    std::from_chars(text.data(), end, decimal.value);
    std::size_t count = 0;
    const char* at = text.data();
    for (; *at != 'e'; ++at) {
        if (*at != '.') {
            decimal.digits[count++] = *at;
        }
    }
    std::from_chars(at + (at[1] == '+' ? 2 : 1), end, decimal.exponent);
    return decimal;
}

// The first `kept` digits (fewer than 15) rounded half away from zero at the next one: a count of
// 0.00001 steps when `kept` reaches the fifth decimal.
std::int64_t roundedDigits(const DecimalText& decimal, int kept) {
    std::int64_t steps = 0;
    for (int i = 0; i < kept; ++i) {
        steps = steps * 10 + (decimal.digits[static_cast<std::size_t>(i)] - '0');
    }
    return decimal.digits[static_cast<std::size_t>(kept)] >= '5' ? steps + 1 : steps;
}

// steps * 0.00001 as the nearest double, exactly as the text "<steps>e-5" reads.
double fromSteps(std::int64_t steps) {
    std::array<char, 32> text{};
    char* end = std::to_chars(text.data(), text.data() + text.size(), steps).ptr;
    *end++ = 'e';
    *end++ = '-';
    *end++ = static_cast<char>('0' + kDecimals);
    double value = 0;
    std::from_chars(text.data(), end, value);
    return value;
}

}  // namespace

double roundHostValue(double value) {
    if (!std::isfinite(value) || value == 0) {
        return 0;
    }
    const DecimalText decimal = decimalText(std::abs(value));
    const int kept = decimal.exponent + 1 + kDecimals;
    double magnitude = 0;
    if (kept >= kSignificantDigits) {
        magnitude = decimal.value;
    } else if (kept >= 0) {
        magnitude = fromSteps(roundedDigits(decimal, kept));
    }
    return std::copysign(magnitude, value) + 0.0;
}

std::optional<double> parseDecimalText(const QString& text) {
    QString normalized = text.trimmed();
    if (!normalized.contains(u'.') && normalized.count(u',') == 1)
        normalized.replace(u',', u'.');
    bool ok = false;
    const double value = normalized.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

}  // namespace korvex
