#pragma once

#include "report/CellRange.h"
#include "report/SpreadsheetResult.h"
#include "report/xlsx/RowCells.h"

#include <pugixml.hpp>

#include <map>
#include <optional>

namespace korvex::xlsx {

// The rows and cells of a worksheet's <sheetData>, indexed by row and column number so that a cell
// is found or added in logarithmic time. New rows and cells go to their place in order.
class SheetCells {
  public:
    struct Row {
        pugi::xml_node node;
        RowCells cells;
    };
    struct Obtained {
        pugi::xml_node cell;
        bool created = false;
    };

    // Fails when a row or cell reference is out of range or out of order.
    SpreadsheetStatus index(pugi::xml_node sheetData);

    pugi::xml_node find(CellRef cell) const;
    Obtained obtain(CellRef cell);
    const std::map<int, Row>& rows() const { return rows_; }
    // The smallest range that holds every cell; nothing for a sheet without cells.
    std::optional<CellRange> usedRange() const;

  private:
    Row& obtainRow(int row);

    pugi::xml_node sheetData_;
    std::map<int, Row> rows_;
};

// The row and column of a reference such as "B12"; nothing when it is none.
std::optional<CellRef> parseCellReference(const char* text);

}  // namespace korvex::xlsx
