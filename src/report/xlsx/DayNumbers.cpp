#include "report/xlsx/DayNumbers.h"

namespace korvex::xlsx {

namespace {

// Day 0 of the 1900 system; days before 1 March 1900 count one less there (the application takes
// 1900 for a leap year).
QDate epoch1900() {
    return {1899, 12, 30};
}
QDate firstDayWithoutLeapError() {
    return {1900, 3, 1};
}
QDate firstDay1900() {
    return {1900, 1, 1};
}
// Day 0 of the 1904 system, which has no such error.
QDate epoch1904() {
    return {1904, 1, 1};
}

}  // namespace

std::optional<double> dayNumberOf(const QDate& date, DateSystem system) {
    if (!date.isValid()) {
        return std::nullopt;
    }
    if (system == DateSystem::From1904) {
        return date < epoch1904() ? std::nullopt : std::optional<double>(epoch1904().daysTo(date));
    }
    if (date < firstDay1900()) {
        return std::nullopt;
    }
    return static_cast<double>(epoch1900().daysTo(date) - (date < firstDayWithoutLeapError() ? 1 : 0));
}

}  // namespace korvex::xlsx
