#include "characteristics/HostNumbers.h"

#include "util/SignificantDigits.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace korvex {
namespace {

constexpr int kHostDecimals = 5;

// The first `kept` digits (fewer than 15) rounded half away from zero at the next one: a count of
// steps of the last decimal kept.
std::int64_t roundedDigits(const SignificantDigits& decimal, int kept) {
    std::int64_t steps = 0;
    for (int i = 0; i < kept; ++i) {
        steps = steps * 10 + (decimal.at(i) - '0');
    }
    return decimal.at(kept) >= '5' ? steps + 1 : steps;
}

// The decimal text read back; text beyond the largest double (its 15 digits round up) keeps the value.
double readBack(const SignificantDigits& decimal, double magnitude) {
    std::array<char, 32> text{};
    char* end = std::copy_n(decimal.digits.begin(), decimal.count, text.begin());
    *end++ = 'e';
    end = std::to_chars(end, text.data() + text.size(), decimal.exponent - (decimal.count - 1)).ptr;
    double value = magnitude;
    std::from_chars(text.data(), end, value);
    return value;
}

// steps * 10^-decimals as the nearest double, exactly as the text "<steps>e-<decimals>" reads.
double fromSteps(std::int64_t steps, int decimals) {
    std::array<char, 32> text{};
    char* end = std::to_chars(text.data(), text.data() + text.size(), steps).ptr;
    *end++ = 'e';
    *end++ = '-';
    *end++ = static_cast<char>('0' + decimals);
    double value = 0;
    std::from_chars(text.data(), end, value);
    return value;
}

}  // namespace

double roundHostValue(double value) {
    return roundDecimalsHalfAway(value, kHostDecimals);
}

double roundDecimalsHalfAway(double value, int decimals) {
    if (!std::isfinite(value) || value == 0) {
        return 0;
    }
    const SignificantDigits decimal = significantDigits(std::abs(value));
    const int kept = decimal.exponent + 1 + decimals;
    double magnitude = 0;
    if (kept >= SignificantDigits::kMost) {
        magnitude = readBack(decimal, std::abs(value));
    } else if (kept >= 0) {
        magnitude = fromSteps(roundedDigits(decimal, kept), decimals);
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
