#include "util/AnsiCodec.h"

#include <QStringView>

#include <algorithm>
#include <array>
#include <optional>

namespace korvex {
namespace {

using UpperHalf = std::array<char16_t, 128>;

// Bytes 0x80..0xFF of each code page; the bytes below are ASCII in both.
constexpr UpperHalf kWindows1250 = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, 0x0088, 0x2030, 0x0160, 0x2039, 0x015A,
    0x0164, 0x017D, 0x0179, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0098, 0x2122,
    0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6,
    0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, 0x00B0, 0x00B1, 0x02DB, 0x0142,
    0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, 0x0154,
    0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, 0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD,
    0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA,
    0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, 0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4,
    0x0151, 0x00F6, 0x00F7, 0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9};

// Windows-1252 differs from Latin-1 only in 0x80..0x9F.
constexpr UpperHalf kWindows1252 = [] {
    constexpr std::array<char16_t, 32> kHighControlBlock = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    UpperHalf half{};
    for (std::size_t i = 0; i < half.size(); ++i) {
        half[i] = i < kHighControlBlock.size() ? kHighControlBlock[i] : static_cast<char16_t>(0x80 + i);
    }
    return half;
}();

constexpr char kReplacement = '?';

const UpperHalf& upperHalfOf(AnsiCodePage codePage) {
    return codePage == AnsiCodePage::Windows1250 ? kWindows1250 : kWindows1252;
}

char16_t unicodeOf(unsigned char byte, const UpperHalf& upper) {
    return byte < 0x80 ? byte : upper[byte - 0x80];
}

std::optional<char> ansiOf(char16_t unit, const UpperHalf& upper) {
    if (unit < 0x80) {
        return static_cast<char>(unit);
    }
    const auto* found = std::find(upper.begin(), upper.end(), unit);
    if (found == upper.end()) {
        return std::nullopt;
    }
    return static_cast<char>(0x80 + (found - upper.begin()));
}

}  // namespace

AnsiCodePage codePageOfLanguage(const QString& language) {
    return language == u"Czech" || language == u"Hungary" ? AnsiCodePage::Windows1250
                                                          : AnsiCodePage::Windows1252;
}

QString codePageName(AnsiCodePage codePage) {
    return codePage == AnsiCodePage::Windows1250 ? QStringLiteral("Windows-1250")
                                                 : QStringLiteral("Windows-1252");
}

QString decodeAnsi(const QByteArray& bytes, AnsiCodePage codePage) {
    const UpperHalf& upper = upperHalfOf(codePage);
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) {
        *out++ = QChar(unicodeOf(static_cast<unsigned char>(byte), upper));
    }
    return text;
}

EncodedAnsi encodeAnsi(const QString& text, AnsiCodePage codePage) {
    const UpperHalf& upper = upperHalfOf(codePage);
    EncodedAnsi encoded;
    encoded.bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (const auto byte = ansiOf(text.at(i).unicode(), upper)) {
            encoded.bytes.append(*byte);
            continue;
        }
        // A character beyond the 16-bit plane is a surrogate pair: one character, one '?'.
        const bool pair =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        const QStringView character = QStringView(text).mid(i, pair ? 2 : 1);
        if (!encoded.unmappable.contains(character)) {
            encoded.unmappable.append(character.toString());
        }
        encoded.bytes.append(kReplacement);
        i += pair ? 1 : 0;
    }
    return encoded;
}

}  // namespace korvex
