#pragma once

#include "report/CellFormat.h"
#include "report/CellRange.h"
#include "report/SpreadsheetResult.h"

#include <QDate>
#include <QString>
#include <QTime>

#include <span>
#include <variant>

namespace korvex {

// One cell's value in a block write: nothing, a text or a number.
using CellValue = std::variant<std::monostate, QString, double>;

// One worksheet of an open workbook. Cell values are typed: a text is always stored as a text, also
// when it begins with "=" (no formula is ever made from a written text).
class Worksheet {
  public:
    virtual ~Worksheet() = default;

    virtual QString name() const = 0;
    // Fails when the name breaks the sheet-name rules or another sheet has it (ignoring case).
    virtual SpreadsheetStatus rename(const QString& newName) = 0;
    // Makes this the active sheet of its workbook.
    virtual void select() = 0;
    // The cells the sheet shows selected (the active cell is the range's first cell).
    virtual void selectRange(const CellRange& range) = 0;

    // The cell's content as text: the formula with its "=" for a formula cell, otherwise the value;
    // the empty text for an empty cell.
    virtual QString readText(CellRef cell) const = 0;
    virtual void writeText(CellRef cell, const QString& text) = 0;
    virtual void writeNumber(CellRef cell, double value) = 0;
    // Dates and times are stored as day numbers with a date or time number format.
    virtual void writeDate(CellRef cell, const QDate& date) = 0;
    virtual void writeTime(CellRef cell, const QTime& time) = 0;
    // Writes `values` row by row into the block `columnCount` cells wide that starts at `topLeft`;
    // an empty value leaves its cell as it is. An application behind a slow bridge writes the block
    // in a few calls instead of one call per cell.
    virtual void writeBlock(CellRef topLeft, int columnCount, std::span<const CellValue> values);

    virtual void format(const CellRange& range, const FormatChange& change) = 0;
    // Merged ranges that overlap the new one are dissolved first.
    virtual void merge(const CellRange& range) = 0;
    virtual void unmerge(const CellRange& range) = 0;
    // Width in characters of the default font.
    virtual void setColumnWidth(int firstColumn, int lastColumn, double width) = 0;
    // Fits the column's width to the longest content it holds.
    virtual void autofitColumn(int column) = 0;
    // Freezes the rows above `row` and the columns left of `column` (row 2, column 1 freezes the
    // first row only).
    virtual void freezePanes(CellRef topLeftOfScrollingPart) = 0;
};

}  // namespace korvex
