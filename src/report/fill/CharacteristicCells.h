#pragma once

#include "characteristics/CharacteristicRecord.h"
#include "report/CellRange.h"

#include <QString>

namespace korvex {

struct ReportLayout;
class Worksheet;

// One characteristic as the report writes it.
struct ReportEntry {
    const CharacteristicRecord& row;
    // The text of its list entry: its ID in the report.
    QString text;
    bool selected = false;
    QString commentLine;
    int runningNumber = 0;
};

// Writes the cells of one characteristic at the positions of the layout: ID, nominal, running
// number, tolerances, deviation, amount out of tolerance, symbol, comment, feature names, datums and
// unit on the characteristic's line, and its measured value at the measurement place. With the
// negative-nominal rule a negative nominal is written mirrored (positive, tolerances swapped and
// negated, deviation negated).
class CharacteristicCells {
  public:
    CharacteristicCells(const ReportLayout& layout, bool negativeNominalRule)
        : layout_(layout), negativeNominalRule_(negativeNominalRule) {}

    // `line` is the characteristic's sheet row (rows layout) or sheet column (columns layout).
    void write(Worksheet& sheet, int line, const ReportEntry& entry) const;
    void writeMeasured(Worksheet& sheet, CellRef cell, const ReportEntry& entry) const;

  private:
    CellRef cellAt(int line, int position) const;
    void writeTolerances(Worksheet& sheet, int line, const ReportEntry& entry, bool mirrored) const;
    void writeResults(Worksheet& sheet, int line, const ReportEntry& entry, bool mirrored) const;
    void writeTexts(Worksheet& sheet, int line, const ReportEntry& entry) const;

    const ReportLayout& layout_;
    bool negativeNominalRule_;
};

}  // namespace korvex
