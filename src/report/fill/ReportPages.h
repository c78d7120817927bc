#pragma once

#include "report/CellRange.h"
#include "report/SpreadsheetResult.h"

#include <QString>

#include <optional>

namespace korvex {

class Workbook;
class Worksheet;

inline constexpr QStringView kMasterSheetName = u"Master";

// The page sheets of the report being filled: "Bericht"n"_Seite"p, each a copy of "Master" taken when
// the page is first needed and kept by later fills. A fresh page gets its page number into the page
// number cell (when the layout has one).
class ReportPages {
  public:
    ReportPages(Workbook& workbook, std::optional<CellRef> pageNumberCell)
        : workbook_(workbook), pageNumberCell_(pageNumberCell) {}

    static QString pageName(int report, int page);

    bool hasMaster() const;
    // Page 1 of report `report` becomes the current page.
    SpreadsheetStatus openReport(int report);
    // The next page of the current report becomes the current page.
    SpreadsheetStatus openNextPage();

    Worksheet& current() const { return *current_; }
    int report() const { return report_; }
    int pageNumber() const { return page_; }
    // True when the current page was copied from "Master" by this fill.
    bool currentIsFresh() const { return fresh_; }

    // Writes the number of pages of the current report into `cell` on each of its pages.
    void writePageCount(CellRef cell) const;

  private:
    SpreadsheetStatus openPage(int page, const QString& after);

    Workbook& workbook_;
    std::optional<CellRef> pageNumberCell_;
    Worksheet* current_ = nullptr;
    int report_ = 0;
    int page_ = 0;
    bool fresh_ = false;
};

}  // namespace korvex
