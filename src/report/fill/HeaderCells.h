#pragma once

#include "report/CellRange.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace korvex {

class HeaderDataValues;
struct ReportLayout;

// A cell on a report page next to the measurement place: a part left empty is taken from the cell
// that receives this run's measured value (the measurement column in the rows layout, the
// measurement row in the columns layout).
struct PlaceNearMeasurement {
    std::optional<int> row;
    std::optional<int> column;

    CellRef at(CellRef measured) const {
        return {row.value_or(measured.row), column.value_or(measured.column)};
    }
};

// Where a header variable's value goes, with the value.
struct HeaderCell {
    PlaceNearMeasurement place;
    QString value;
};

// Why a placed header variable is not written: it lacks a position in the other direction, or its
// position names no cell.
enum class HeaderPlaceFault { Incomplete, NoCell };
using HeaderPlaceFaultReport = std::function<void(HeaderPlaceFault fault, int variable)>;

// The cells of the header variables that the layout places, each with its value. "NotUsed" in the
// layout's own direction leaves a variable out; "VM" in the other direction is the measurement place.
std::vector<HeaderCell> headerCells(const ReportLayout& layout, const HeaderDataValues& headerData,
                                    const HeaderPlaceFaultReport& report);

}  // namespace korvex
