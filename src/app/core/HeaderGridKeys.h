#pragma once

namespace korvex {

// A cell of the layout editor's header data grid, counted as the grid shows it: row 0 is the heading
// and column 0 the variable names, so the editable cells start at (1, 1).
struct GridCell {
    int row = 1;
    int column = 1;

    friend bool operator==(const GridCell&, const GridCell&) = default;
};

// The keys that move the grid's in-place editor. Enter moves as Down, Tab as Right.
enum class GridKey { Up, Down, Right, Left };

// The cell the editor moves to from `cell` in a grid of `rows` × `columns` (heading row and name column
// included). Right runs on to the first editable column of the next row and Left back to the last
// column of the previous row; at the grid's edges the editor stays where it is.
GridCell nextHeaderGridCell(GridCell cell, GridKey key, int rows, int columns);

}  // namespace korvex
