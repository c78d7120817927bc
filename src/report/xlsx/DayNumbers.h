#pragma once

#include <QDate>

#include <optional>

namespace korvex::xlsx {

// Where a workbook's day numbers start (`date1904` of the workbook part): most workbooks count from
// the end of 1899, workbooks made on old Macs from 1 January 1904.
enum class DateSystem { From1900, From1904 };

// The day number that shows `date` in a workbook of that date system; nothing for a date the system
// cannot show (before 1 January 1900, or before 1 January 1904).
std::optional<double> dayNumberOf(const QDate& date, DateSystem system);

}  // namespace korvex::xlsx
