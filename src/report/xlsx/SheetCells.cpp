#include "report/xlsx/SheetCells.h"

#include "report/xlsx/XmlPart.h"

#include <algorithm>
#include <string>

namespace korvex::xlsx {

std::optional<CellRef> parseCellReference(const char* text) {
    CellRef cell{0, 0};
    const char* position = text;
    for (; *position >= 'A' && *position <= 'Z'; ++position) {
        cell.column = cell.column * 26 + (*position - 'A' + 1);
        if (cell.column > CellRef::kMaxColumn) {
            return std::nullopt;
        }
    }
    for (; *position >= '0' && *position <= '9'; ++position) {
        cell.row = cell.row * 10 + (*position - '0');
        if (cell.row > CellRef::kMaxRow) {
            return std::nullopt;
        }
    }
    return *position == '\0' && cell.isValid() ? std::optional(cell) : std::nullopt;
}

SpreadsheetStatus SheetCells::index(pugi::xml_node sheetData) {
    sheetData_ = sheetData;
    rows_.clear();
    int previousRow = 0;
    for (pugi::xml_node row : sheetData.children("row")) {
        const int number = row.attribute("r") ? row.attribute("r").as_int() : previousRow + 1;
        if (number <= previousRow || number > CellRef::kMaxRow) {
            return SpreadsheetError{QStringLiteral("row %1 is out of order or out of range").arg(number)};
        }
        previousRow = number;
        row.remove_attribute("spans");
        if (!row.attribute("r")) {
            row.append_attribute("r") = number;
        }
        Row& entry = rows_[number];
        entry.node = row;
        int previousColumn = 0;
        for (pugi::xml_node cell : row.children("c")) {
            const pugi::xml_attribute reference = cell.attribute("r");
            const auto parsed = reference ? parseCellReference(reference.value())
                                          : std::optional(CellRef{number, previousColumn + 1});
            if (!parsed || parsed->row != number || parsed->column <= previousColumn) {
                return SpreadsheetError{
                    QStringLiteral("a cell of row %1 is out of order or out of range").arg(number)};
            }
            if (!reference) {
                cell.append_attribute("r") = toUtf8(parsed->address()).constData();
            }
            previousColumn = parsed->column;
            entry.cells.insert(entry.cells.end(), parsed->column, cell);
        }
    }
    return {};
}

pugi::xml_node SheetCells::find(CellRef cell) const {
    const auto row = rows_.find(cell.row);
    if (row == rows_.end()) {
        return {};
    }
    const auto found = row->second.cells.find(cell.column);
    return found == row->second.cells.end() ? pugi::xml_node() : found->second;
}

SheetCells::Row& SheetCells::obtainRow(int row) {
    auto next = rows_.lower_bound(row);
    if (next != rows_.end() && next->first == row) {
        return next->second;
    }
    pugi::xml_node node = next == rows_.end() ? sheetData_.append_child("row")
                                              : sheetData_.insert_child_before("row", next->second.node);
    node.append_attribute("r") = row;
    return rows_.emplace_hint(next, row, Row{node, {}})->second;
}

SheetCells::Obtained SheetCells::obtain(CellRef cell) {
    Row& row = obtainRow(cell.row);
    const auto next = row.cells.lowerBound(cell.column);
    if (next != row.cells.end() && next->first == cell.column) {
        return {next->second, false};
    }
    pugi::xml_node node = next == row.cells.end() ? row.node.append_child("c")
                                                  : row.node.insert_child_before("c", next->second);
    node.append_attribute("r") = toUtf8(cell.address()).constData();
    row.cells.insert(next, cell.column, node);
    return {node, true};
}

std::optional<CellRange> SheetCells::usedRange() const {
    std::optional<CellRange> used;
    for (const auto& [number, row] : rows_) {
        if (row.cells.empty()) {
            continue;
        }
        const CellRange rowRange{{number, row.cells.front().first}, {number, row.cells.back().first}};
        if (!used) {
            used = rowRange;
            continue;
        }
        used->last.row = number;
        used->first.column = std::min(used->first.column, rowRange.first.column);
        used->last.column = std::max(used->last.column, rowRange.last.column);
    }
    return used;
}

}  // namespace korvex::xlsx
