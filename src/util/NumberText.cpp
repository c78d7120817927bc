#include "util/NumberText.h"

#include "util/SignificantDigits.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

namespace korvex {
namespace {

constexpr int kSmallestPlainExponent = -5;
constexpr int kLargestPlainExponent = SignificantDigits::kMost - 1;
// The point written first and swapped for the caller's separator when that differs.
constexpr char kPoint = '.';

// Room for a sign, "0.0000" and 15 digits, or for the exponent form.
using Buffer = std::array<char, 40>;

class Writer {
  public:
    void put(char ch) { buffer_[size_++] = ch; }
    void repeat(char ch, int times) {
        for (int i = 0; i < times; ++i) {
            put(ch);
        }
    }
    void digits(const SignificantDigits& parts, int from, int to) {
        for (int i = from; i < to; ++i) {
            put(parts.digits[static_cast<std::size_t>(i)]);
        }
    }
    std::string_view text() const { return {buffer_.data(), size_}; }

  private:
    Buffer buffer_{};
    std::size_t size_ = 0;
};

void writePlain(const SignificantDigits& parts, Writer& out) {
    if (parts.exponent < 0) {
        out.put('0');
        out.put(kPoint);
        out.repeat('0', -parts.exponent - 1);
        out.digits(parts, 0, parts.count);
        return;
    }
    const int integerDigits = parts.exponent + 1;
    if (parts.count <= integerDigits) {
        out.digits(parts, 0, parts.count);
        out.repeat('0', integerDigits - parts.count);
        return;
    }
    out.digits(parts, 0, integerDigits);
    out.put(kPoint);
    out.digits(parts, integerDigits, parts.count);
}

void writeExponentForm(const SignificantDigits& parts, Writer& out) {
    out.digits(parts, 0, 1);
    if (parts.count > 1) {
        out.put(kPoint);
        out.digits(parts, 1, parts.count);
    }
    out.put('E');
    out.put(parts.exponent < 0 ? '-' : '+');
    const int exponent = std::abs(parts.exponent);
    if (exponent < 10) {
        out.put('0');
    }
    std::array<char, 8> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), exponent).ptr;
    for (const char* at = digits.data(); at != end; ++at) {
        out.put(*at);
    }
}

}  // namespace

void appendNumberText(QString& text, double value, QChar decimalPoint) {
    if (value == 0.0) {
        text.append(u'0');
        return;
    }
    if (!std::isfinite(value)) {
        text.append(QString::number(value));
        return;
    }
    const SignificantDigits parts = significantDigits(std::abs(value));
    Writer out;
    if (value < 0) {
        out.put('-');
    }
    if (parts.exponent >= kSmallestPlainExponent && parts.exponent <= kLargestPlainExponent) {
        writePlain(parts, out);
    } else {
        writeExponentForm(parts, out);
    }
    const qsizetype start = text.size();
    const std::string_view written = out.text();
    text.append(QLatin1StringView(written.data(), static_cast<qsizetype>(written.size())));
    if (decimalPoint != QLatin1Char(kPoint)) {
        const qsizetype point = text.indexOf(QLatin1Char(kPoint), start);
        if (point >= 0) {
            text[point] = decimalPoint;
        }
    }
}

QString numberText(double value, QChar decimalPoint) {
    QString text;
    appendNumberText(text, value, decimalPoint);
    return text;
}

}  // namespace korvex
