#pragma once

#include "report/OwnInstanceBackend.h"
#include "report/UnavailableSpreadsheet.h"

#include <optional>

namespace korvex {

// Which spreadsheet application fills a report template: the embedded engine reads and writes .xlsx
// and .xlsm itself; .xls and .ods go to the office suite, which saves them in their own format. Without
// an office suite those templates fail to open with the reason given.
class ReportSpreadsheets {
  public:
    ReportSpreadsheets(SpreadsheetBackend& engine, SpreadsheetBackend* office, const QString& noOfficeReason);

    SpreadsheetBackend& forTemplate(const QString& templatePath);

  private:
    SpreadsheetBackend& engine_;
    std::optional<OwnInstanceBackend> office_;
    UnavailableSpreadsheetBackend missing_;
};

}  // namespace korvex
