#include "characteristics/HostNumbers.h"

#include <array>
#include <charconv>
#include <cmath>

namespace korvex {
namespace {

constexpr int kDecimals = 5;

}  // namespace

double roundHostValue(double value) {
    if (!std::isfinite(value))
        return value;
    // Fixed notation of the largest double needs 309 digits before the point.
    std::array<char, 400> text{};
    const auto written =
        std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed, kDecimals);
    double rounded = 0;
    std::from_chars(text.data(), written.ptr, rounded);
    return rounded + 0.0;
}

std::optional<double> parseDecimalText(const QString& text) {
    QString normalized = text.trimmed();
    if (!normalized.contains(u'.') && normalized.count(u',') == 1)
        normalized.replace(u',', u'.');
    bool ok = false;
    const double value = normalized.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

}  // namespace korvex
