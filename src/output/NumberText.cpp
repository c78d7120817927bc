#include "output/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace korvex {
namespace {

constexpr int kSignificantDigits = 15;
constexpr int kSmallestPlainExponent = -5;
constexpr int kLargestPlainExponent = kSignificantDigits - 1;

// The significant digits (trailing zeros removed) and the decimal exponent of a finite, non-zero
// magnitude, rounded to 15 significant digits.
struct Decomposed {
    std::string digits;
    int exponent = 0;
};

Decomposed decompose(double magnitude) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                      std::chars_format::scientific, kSignificantDigits - 1);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const std::size_t exponentAt = text.find('e');
    Decomposed parts;
    for (const char ch : text.substr(0, exponentAt)) {
        if (ch != '.') {
            parts.digits.push_back(ch);
        }
    }
    while (parts.digits.size() > 1 && parts.digits.back() == '0') {
        parts.digits.pop_back();
    }
    const std::string_view exponent = text.substr(exponentAt + 1);
    const char* first = exponent.data() + (exponent.front() == '+' ? 1 : 0);
    std::from_chars(first, exponent.data() + exponent.size(), parts.exponent);
    return parts;
}

std::string plainForm(const Decomposed& parts, char point) {
    const int digitCount = static_cast<int>(parts.digits.size());
    if (parts.exponent < 0) {
        return std::string("0") + point + std::string(static_cast<std::size_t>(-parts.exponent - 1), '0') +
               parts.digits;
    }
    const int integerDigits = parts.exponent + 1;
    if (digitCount <= integerDigits) {
        return parts.digits + std::string(static_cast<std::size_t>(integerDigits - digitCount), '0');
    }
    return parts.digits.substr(0, static_cast<std::size_t>(integerDigits)) + point +
           parts.digits.substr(static_cast<std::size_t>(integerDigits));
}

std::string exponentForm(const Decomposed& parts, char point) {
    std::string text = parts.digits.substr(0, 1);
    if (parts.digits.size() > 1) {
        text += point + parts.digits.substr(1);
    }
    const int exponent = std::abs(parts.exponent);
    text += parts.exponent < 0 ? "E-" : "E+";
    if (exponent < 10) {
        text += '0';
    }
    return text + std::to_string(exponent);
}

}  // namespace

QString numberText(double value, QChar decimalPoint) {
    if (value == 0.0) {
        return QStringLiteral("0");
    }
    if (!std::isfinite(value)) {
        return QString::number(value);
    }
    // A placeholder point that no digit or sign can be mistaken for; swapped for the real one below.
    constexpr char kPoint = '.';
    const Decomposed parts = decompose(std::abs(value));
    const bool plain = parts.exponent >= kSmallestPlainExponent && parts.exponent <= kLargestPlainExponent;
    std::string text = plain ? plainForm(parts, kPoint) : exponentForm(parts, kPoint);
    if (value < 0) {
        text.insert(text.begin(), '-');
    }
    QString result = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    if (decimalPoint != QLatin1Char(kPoint)) {
        result.replace(QLatin1Char(kPoint), decimalPoint);
    }
    return result;
}

}  // namespace korvex
