#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace korvex {

// One cell, rows and columns counted from 1 as the spreadsheet application counts them.
struct CellRef {
    int row = 1;
    int column = 1;

    static constexpr int kMaxRow = 1048576;
    static constexpr int kMaxColumn = 16384;

    bool isValid() const { return row >= 1 && row <= kMaxRow && column >= 1 && column <= kMaxColumn; }
    // "B12".
    QString address() const;
    friend bool operator==(const CellRef&, const CellRef&) = default;
};

// The letters of a column: 1 = "A", 27 = "AA".
QString columnLetters(int column);

// A rectangle of cells. Whole columns ("B:H") run over every row, the whole sheet over every row and
// column.
struct CellRange {
    CellRef first;
    CellRef last;

    static CellRange cell(int row, int column) { return {{row, column}, {row, column}}; }
    static CellRange columns(int firstColumn, int lastColumn) {
        return {{1, firstColumn}, {CellRef::kMaxRow, lastColumn}};
    }
    static CellRange wholeSheet() { return columns(1, CellRef::kMaxColumn); }
    // "B12", "A1:H1", "$A$2", "B:H"; nothing when the text is no address.
    static std::optional<CellRange> parse(QStringView address);

    bool isValid() const;
    bool coversWholeColumns() const { return first.row == 1 && last.row == CellRef::kMaxRow; }
    bool contains(CellRef cell) const;
    bool intersects(const CellRange& other) const;
    // "A1:H1", or "B12" for one cell.
    QString address() const;
    friend bool operator==(const CellRange&, const CellRange&) = default;
};

}  // namespace korvex
