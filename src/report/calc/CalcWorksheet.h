#pragma once

#include "report/Worksheet.h"

#include <com/sun/star/sheet/XSpreadsheet.hpp>
#include <com/sun/star/table/XCellRange.hpp>

#include <functional>

namespace korvex::calc {

class CalcWorkbook;

// One sheet of a workbook open in the office. Every change is a few bridge calls on a whole range;
// a failed call changes nothing further and is not reported (the interface's writes have no result).
class CalcWorksheet final : public Worksheet {
  public:
    CalcWorksheet(CalcWorkbook& workbook, css::uno::Reference<css::sheet::XSpreadsheet> sheet, QString name)
        : workbook_(workbook), sheet_(std::move(sheet)), knownName_(std::move(name)) {}

    const css::uno::Reference<css::sheet::XSpreadsheet>& unoSheet() const { return sheet_; }
    // The name the sheet had when this program last named or found it: the office gives a new object
    // for every look-up, so the workbook finds its worksheets by name.
    const QString& knownName() const { return knownName_; }

    QString name() const override;
    SpreadsheetStatus rename(const QString& newName) override;
    void select() override;
    void selectRange(const CellRange& range) override;

    QString readText(CellRef cell) const override;
    void writeText(CellRef cell, const QString& text) override;
    void writeNumber(CellRef cell, double value) override;
    void writeDate(CellRef cell, const QDate& date) override;
    void writeTime(CellRef cell, const QTime& time) override;
    void writeBlock(CellRef topLeft, int columnCount, std::span<const CellValue> values) override;

    void format(const CellRange& range, const FormatChange& change) override;
    void merge(const CellRange& range) override;
    void unmerge(const CellRange& range) override;
    void setColumnWidth(int firstColumn, int lastColumn, double width) override;
    void autofitColumn(int column) override;
    void freezePanes(CellRef topLeftOfScrollingPart) override;

  private:
    // Runs bridge calls; a failure is dropped, as the writes have no result to carry it.
    bool run(const std::function<void()>& calls) const;
    // The office's range for `range`, cut to the sheet's own size.
    css::uno::Reference<css::table::XCellRange> rangeOf(const CellRange& range) const;
    // The range grown to take in whole every merged range it touches.
    CellRange mergedAreaAround(const CellRange& range) const;
    void writeDayNumber(CellRef cell, double days, const QString& formatCode);

    CalcWorkbook& workbook_;
    css::uno::Reference<css::sheet::XSpreadsheet> sheet_;
    QString knownName_;
};

}  // namespace korvex::calc
