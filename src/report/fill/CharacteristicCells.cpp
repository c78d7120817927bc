#include "report/fill/CharacteristicCells.h"

#include "report/Worksheet.h"
#include "report/fill/SymbolText.h"
#include "report/layout/ReportLayout.h"

namespace korvex {
namespace {

constexpr int kRedPaletteIndex = 3;

// A cell that is left for good: two blanks in the measured-value cell of a characteristic that is
// not selected (so later fills move on past it), three in other cells.
const QString kSkippedMeasurement = QStringLiteral("  ");
const QString kNoValue = QStringLiteral("   ");
const QString kNotMeasured = QStringLiteral("n.g.");

}  // namespace

CellRef CharacteristicCells::cellAt(int line, int position) const {
    return layout_.characteristicsInRows ? CellRef{line, position} : CellRef{position, line};
}

void CharacteristicCells::write(Worksheet& sheet, int line, const ReportEntry& entry) const {
    const bool mirrored = negativeNominalRule_ && entry.row.nominal < 0;
    sheet.writeText(cellAt(line, *layout_.id), entry.text);
    sheet.writeNumber(cellAt(line, *layout_.nominal), mirrored ? -entry.row.nominal : entry.row.nominal);
    if (layout_.runningNumber) {
        sheet.writeNumber(cellAt(line, *layout_.runningNumber), entry.runningNumber);
    }
    writeTolerances(sheet, line, entry, mirrored);
    writeResults(sheet, line, entry, mirrored);
    sheet.writeText(cellAt(line, *layout_.symbol), symbolText(entry.row.typeName));
    writeTexts(sheet, line, entry);
}

void CharacteristicCells::writeTolerances(Worksheet& sheet, int line, const ReportEntry& entry,
                                          bool mirrored) const {
    const CellRef upper = cellAt(line, *layout_.upperTol);
    const CellRef lower = cellAt(line, *layout_.lowerTol);
    if (isTruePositionCoordinate(entry.row.typeName)) {
        sheet.writeText(upper, kNoValue);
        sheet.writeText(lower, kNoValue);
        return;
    }
    sheet.writeNumber(upper, mirrored ? -entry.row.lowerTol : entry.row.upperTol);
    sheet.writeNumber(lower, mirrored ? -entry.row.upperTol : entry.row.lowerTol);
}

void CharacteristicCells::writeResults(Worksheet& sheet, int line, const ReportEntry& entry,
                                       bool mirrored) const {
    const CellRef deviation = cellAt(line, *layout_.deviation);
    const CellRef outOfTol = cellAt(line, *layout_.outOfTol);
    if (!entry.selected) {
        const QString empty = layout_.characteristicsInRows ? kNoValue : kNotMeasured;
        sheet.writeText(deviation, empty);
        sheet.writeText(outOfTol, empty);
        return;
    }
    sheet.writeNumber(deviation, mirrored ? -entry.row.deviation : entry.row.deviation);
    sheet.writeNumber(outOfTol, entry.row.outTol);
}

void CharacteristicCells::writeTexts(Worksheet& sheet, int line, const ReportEntry& entry) const {
    const auto writeIfPlaced = [&](const ReportLayout::Position& position, const QString& text) {
        if (position) {
            sheet.writeText(cellAt(line, *position), text);
        }
    };
    writeIfPlaced(layout_.comment, entry.commentLine.left(layout_.commentLength));
    const CharacteristicRecord& row = entry.row;
    const std::array<const QString*, 3> elements = {&row.element1, &row.element2, &row.element3};
    const std::array<const QString*, 3> datums = {&row.datum1, &row.datum2, &row.datum3};
    for (std::size_t i = 0; i < elements.size(); ++i) {
        writeIfPlaced(layout_.elements[i], *elements[i]);
        writeIfPlaced(layout_.datums[i], *datums[i]);
    }
    writeIfPlaced(layout_.unit, row.unit);
}

void CharacteristicCells::writeMeasured(Worksheet& sheet, CellRef cell, const ReportEntry& entry) const {
    if (!entry.selected) {
        sheet.writeText(cell, kSkippedMeasurement);
        return;
    }
    const double measured = entry.row.measured;
    sheet.writeNumber(cell, negativeNominalRule_ && measured < 0 ? -measured : measured);
    if (entry.row.outTol != 0) {
        FormatChange change;
        change.font.underline = Underline::Single;
        change.font.color = PaletteColor{kRedPaletteIndex};
        sheet.format(CellRange::cell(cell.row, cell.column), change);
    }
}

}  // namespace korvex
