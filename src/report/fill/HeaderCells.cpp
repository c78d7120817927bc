#include "report/fill/HeaderCells.h"

#include "characteristics/HeaderDataValues.h"
#include "report/layout/ColumnNames.h"
#include "report/layout/ReportLayout.h"

namespace korvex {
namespace {

enum class Axis { Row, Column };

// The coordinate a position text gives: nothing for the measurement place where "VM" may stand, 0 when
// the text names no row or column.
std::optional<int> coordinateOf(const QString& text, Axis axis, bool measurementPlaceAllowed) {
    if (measurementPlaceAllowed && text == layout::kMeasurementPlace) {
        return std::nullopt;
    }
    return axis == Axis::Row ? rowNumber(text).value_or(0) : columnNumber(text).number;
}

}  // namespace

std::vector<HeaderCell> headerCells(const ReportLayout& layout, const HeaderDataValues& headerData,
                                    const HeaderPlaceFaultReport& report) {
    std::vector<HeaderCell> cells;
    if (!layout.headerPlaced) {
        return cells;
    }
    const bool inRows = layout.characteristicsInRows;
    const auto& variables = headerData.variables();
    const std::size_t count = std::min(layout.headerPlaces.size(), variables.size());
    for (std::size_t index = 0; index < count; ++index) {
        const int variable = static_cast<int>(index) + 1;
        const ReportLayout::HeaderPlace& place = layout.headerPlaces[index];
        if ((inRows ? place.row : place.column) == layout::kNotUsed) {
            continue;
        }
        if ((inRows ? place.column : place.row) == layout::kNotUsed) {
            report(HeaderPlaceFault::Incomplete, variable);
            continue;
        }
        const std::optional<int> row = coordinateOf(place.row, Axis::Row, !inRows);
        const std::optional<int> column = coordinateOf(place.column, Axis::Column, inRows);
        if (row == 0 || column == 0) {
            report(HeaderPlaceFault::NoCell, variable);
            continue;
        }
        cells.push_back({{row, column}, variables[index].value});
    }
    return cells;
}

}  // namespace korvex
