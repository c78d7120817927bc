#include "report/xlsx/NumberFormats.h"

#include <array>
#include <utility>

namespace korvex::xlsx {

namespace {

constexpr std::array<std::pair<int, const char16_t*>, 13> kBuiltInCodes{{
    {0, u"General"},
    {1, u"0"},
    {2, u"0.00"},
    {3, u"#,##0"},
    {4, u"#,##0.00"},
    {9, u"0%"},
    {10, u"0.00%"},
    {11, u"0.00E+00"},
    {14, u"mm-dd-yy"},
    {20, u"h:mm"},
    {21, u"h:mm:ss"},
    {22, u"m/d/yy h:mm"},
    {49, u"@"},
}};

}  // namespace

std::optional<int> builtInFormatId(const QString& code) {
    for (const auto& [id, builtIn] : kBuiltInCodes) {
        if (code == QStringView(builtIn)) {
            return id;
        }
    }
    return std::nullopt;
}

bool isBuiltInDateFormat(int id) {
    return (id >= 14 && id <= 22) || (id >= 27 && id <= 36) || (id >= 45 && id <= 47) ||
           (id >= 50 && id <= 58);
}

bool isDateFormatCode(const QString& code) {
    bool inQuotes = false;
    bool inBrackets = false;
    for (qsizetype position = 0; position < code.size(); ++position) {
        const QChar character = code[position];
        if (inQuotes) {
            inQuotes = character != u'"';
        } else if (inBrackets) {
            inBrackets = character != u']';
        } else if (character == u'"') {
            inQuotes = true;
        } else if (character == u'[') {
            inBrackets = true;
        } else if (character == u'\\' || character == u'_' || character == u'*') {
            ++position;
        } else if (QStringView(u"dmyhsDMYHS").contains(character)) {
            return true;
        }
    }
    return false;
}

}  // namespace korvex::xlsx
