#include "report/xlsx/XlsxApplication.h"

namespace korvex::xlsx {

Workbook* XlsxApplication::keep(std::unique_ptr<XlsxWorkbook> workbook) {
    workbooks_.push_back(std::move(workbook));
    return workbooks_.back().get();
}

SpreadsheetResult<Workbook*> XlsxApplication::open(const QString& path) {
    SpreadsheetResult<std::unique_ptr<XlsxWorkbook>> workbook = XlsxWorkbook::open(path);
    if (!workbook) {
        return SpreadsheetError{workbook.error(), workbook.errorKind()};
    }
    return keep(std::move(*workbook));
}

SpreadsheetResult<Workbook*> XlsxApplication::addWorkbook() {
    return keep(XlsxWorkbook::createEmpty());
}

SpreadsheetStatus XlsxApplication::closeAll() {
    workbooks_.clear();
    return {};
}

Workbook* XlsxApplication::activeWorkbook() {
    return workbooks_.empty() ? nullptr : workbooks_.back().get();
}

SpreadsheetStatus XlsxApplication::quit() {
    return closeAll();
}

}  // namespace korvex::xlsx
