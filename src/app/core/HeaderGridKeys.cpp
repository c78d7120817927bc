#include "app/core/HeaderGridKeys.h"

namespace korvex {
namespace {

GridCell rightOf(GridCell cell, int rows, int columns) {
    const int lastColumn = columns - 1;
    if (cell.column >= lastColumn) {
        return cell.row < rows - 1 ? GridCell{cell.row + 1, 1} : cell;
    }
    return {cell.row, cell.column + 1};
}

GridCell leftOf(GridCell cell, int columns) {
    if (cell.column <= 1) {
        return cell.row > 1 ? GridCell{cell.row - 1, columns - 1} : cell;
    }
    return {cell.row, cell.column - 1};
}

}  // namespace

GridCell nextHeaderGridCell(GridCell cell, GridKey key, int rows, int columns) {
    if (rows < 2 || columns < 2) {
        return cell;
    }
    switch (key) {
        case GridKey::Up:
            return cell.row > 1 ? GridCell{cell.row - 1, cell.column} : cell;
        case GridKey::Down:
            return cell.row < rows - 1 ? GridCell{cell.row + 1, cell.column} : cell;
        case GridKey::Right:
            return rightOf(cell, rows, columns);
        case GridKey::Left:
            return leftOf(cell, columns);
    }
    return cell;
}

}  // namespace korvex
