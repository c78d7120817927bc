#pragma once

#include "report/Worksheet.h"

#include <span>
#include <vector>

namespace korvex::calc {

// A rectangle of a block write in which every value is set, in cells counted from the block's
// top-left cell (0, 0).
struct BlockPiece {
    int row = 0;
    int column = 0;
    int rowCount = 0;
    int columnCount = 0;
    friend bool operator==(const BlockPiece&, const BlockPiece&) = default;
};

// The rectangles that cover every set value of a block `columnCount` cells wide and no empty one:
// the runs of set values in each row, joined with the run below when it spans the same columns. A
// block without empty values is one rectangle.
std::vector<BlockPiece> filledPieces(int columnCount, std::span<const CellValue> values);

}  // namespace korvex::calc
