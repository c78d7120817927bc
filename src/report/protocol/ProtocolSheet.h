#pragma once

#include "report/protocol/ProtocolLine.h"

#include <span>

namespace korvex {

class Worksheet;

// The live protocol's sheet: a bold light-blue header row A1:H1 frozen above the rows, thin lines
// round every cell, Arial 9, and below the header one row per protocol line.
class ProtocolSheet {
  public:
    // Column A and the seven value columns B to H.
    static constexpr int kColumns = 8;

    explicit ProtocolSheet(Worksheet& sheet) : sheet_(sheet) {}

    // Writes the header row and formats the sheet; the rows start below it.
    void layOut();
    // Writes the lines below the last row written, in one block. Lines that would pass the sheet's
    // last row are left out; returns how many were written.
    std::size_t append(std::span<const ProtocolLine> lines);
    // Fits column A to its texts and gives B to H the number format with four decimals, as after
    // every host event (the operator may have changed them meanwhile).
    void refreshColumns();

    // The row of the last line written; 1 (the header) before the first.
    int lastRow() const { return lastRow_; }
    bool isFull() const;

  private:
    void formatTitleRow(int row);

    Worksheet& sheet_;
    int lastRow_ = 1;
};

}  // namespace korvex
