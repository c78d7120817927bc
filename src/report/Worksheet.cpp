#include "report/Worksheet.h"

namespace korvex {

void Worksheet::writeBlock(CellRef topLeft, int columnCount, std::span<const CellValue> values) {
    for (std::size_t index = 0; index < values.size(); ++index) {
        const auto offset = static_cast<int>(index);
        const CellRef cell{.row = topLeft.row + offset / columnCount,
                           .column = topLeft.column + offset % columnCount};
        if (const auto* text = std::get_if<QString>(&values[index])) {
            writeText(cell, *text);
        } else if (const auto* number = std::get_if<double>(&values[index])) {
            writeNumber(cell, *number);
        }
    }
}

}  // namespace korvex
