#pragma once

#include <QString>

#include <optional>

namespace korvex::xlsx {

// Number format 14: the short date of the reader's locale.
inline constexpr int kShortDateFormatId = 14;
// Number format 21: "h:mm:ss".
inline constexpr int kTimeFormatId = 21;
// Custom number formats take ids from here on.
inline constexpr int kFirstCustomFormatId = 164;

// The id of a built-in number format with this code ("0.00" gives 2).
std::optional<int> builtInFormatId(const QString& code);
bool isBuiltInDateFormat(int id);
// True when a format code shows a date or a time (holds d, m, y, h or s outside quotes and brackets).
bool isDateFormatCode(const QString& code);

}  // namespace korvex::xlsx
