#pragma once

namespace korvex {
class Workbook;
}

namespace korvex::bench {

inline constexpr int kPageCopies = 34;
inline constexpr int kCellCount = 15000;

// The report filler's heaviest job on an open template: 34 page sheets copied from "Master" and
// renamed, then 15,000 cells written over them, every tenth filled red and every seventh a red
// underlined number. openpyxl_report.py does the same for the comparison.
void fillReport(Workbook& workbook);

}  // namespace korvex::bench
