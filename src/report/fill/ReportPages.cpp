#include "report/fill/ReportPages.h"

#include "report/Workbook.h"

namespace korvex {

QString ReportPages::pageName(int report, int page) {
    return QStringLiteral("Bericht%1_Seite%2").arg(report).arg(page);
}

bool ReportPages::hasMaster() const {
    return workbook_.sheet(kMasterSheetName.toString()) != nullptr;
}

SpreadsheetStatus ReportPages::openReport(int report) {
    report_ = report;
    return openPage(1, kMasterSheetName.toString());
}

SpreadsheetStatus ReportPages::openNextPage() {
    return openPage(page_ + 1, current_->name());
}

SpreadsheetStatus ReportPages::openPage(int page, const QString& after) {
    const QString name = pageName(report_, page);
    Worksheet* sheet = workbook_.sheet(name);
    fresh_ = sheet == nullptr;
    if (fresh_) {
        SpreadsheetResult<Worksheet*> copy = workbook_.copySheetAfter(kMasterSheetName.toString(), after);
        if (!copy) {
            return SpreadsheetError{copy.error(), copy.errorKind()};
        }
        if (SpreadsheetStatus renamed = (*copy)->rename(name); !renamed) {
            return renamed;
        }
        sheet = *copy;
        if (pageNumberCell_) {
            sheet->writeNumber(*pageNumberCell_, page);
        }
    }
    sheet->select();
    current_ = sheet;
    page_ = page;
    return {};
}

void ReportPages::writePageCount(CellRef cell) const {
    for (int page = 1; page <= page_; ++page) {
        if (Worksheet* sheet = workbook_.sheet(pageName(report_, page))) {
            sheet->writeNumber(cell, page_);
        }
    }
}

}  // namespace korvex
