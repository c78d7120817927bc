#include "util/SignificantDigits.h"

#include <charconv>
#include <string_view>

namespace korvex {

SignificantDigits significantDigits(double magnitude) {
    std::array<char, 32> scientific{};
    const auto end = std::to_chars(scientific.data(), scientific.data() + scientific.size(), magnitude,
                                   std::chars_format::scientific, SignificantDigits::kMost - 1)
                         .ptr;
    const std::string_view text(scientific.data(), static_cast<std::size_t>(end - scientific.data()));
    const std::size_t exponentAt = text.find('e');
    SignificantDigits parts;
    for (const char ch : text.substr(0, exponentAt)) {
        if (ch != '.') {
            parts.digits[static_cast<std::size_t>(parts.count++)] = ch;
        }
    }
    while (parts.count > 1 && parts.digits[static_cast<std::size_t>(parts.count - 1)] == '0') {
        --parts.count;
    }
    const std::string_view exponent = text.substr(exponentAt + 1);
    const char* first = exponent.data() + (exponent.front() == '+' ? 1 : 0);
    std::from_chars(first, exponent.data() + exponent.size(), parts.exponent);
    return parts;
}

}  // namespace korvex
