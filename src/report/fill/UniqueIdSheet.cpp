#include "report/fill/UniqueIdSheet.h"

#include "report/Workbook.h"

namespace korvex {
namespace {

constexpr int kEntryColumn = 1;
constexpr int kRecordedColumn = 2;
constexpr int kCurrentColumn = 3;
constexpr int kRedPaletteIndex = 3;
// Entry i of the list (from 0) is on this row plus i.
constexpr int kFirstEntryRow = 2;

QString uniqueIdText(std::span<const CharacteristicRecord> rows, qsizetype entry) {
    return entry < static_cast<qsizetype>(rows.size()) ? rows[static_cast<std::size_t>(entry)].uniqueId.text()
                                                       : QString();
}

void writeFirstRecord(Worksheet& sheet, const QStringList& entryTexts,
                      std::span<const CharacteristicRecord> rows) {
    sheet.writeText({1, kEntryColumn}, QStringLiteral("ID"));
    sheet.writeText({1, kRecordedColumn}, QStringLiteral("Unique-ID"));
    for (qsizetype entry = 0; entry < entryTexts.size(); ++entry) {
        const int row = kFirstEntryRow + static_cast<int>(entry);
        sheet.writeText({row, kEntryColumn}, entryTexts[entry]);
        sheet.writeText({row, kRecordedColumn}, uniqueIdText(rows, entry));
    }
}

bool compareWithRecord(Worksheet& sheet, const QStringList& entryTexts,
                       std::span<const CharacteristicRecord> rows) {
    sheet.writeText({1, kCurrentColumn}, QStringLiteral("New Unique-ID"));
    bool changed = false;
    for (qsizetype entry = 0; entry < entryTexts.size(); ++entry) {
        const int row = kFirstEntryRow + static_cast<int>(entry);
        const QString current = uniqueIdText(rows, entry);
        sheet.writeText({row, kCurrentColumn}, current);
        const bool differs = sheet.readText({row, kRecordedColumn}) != current;
        FormatChange fill;
        fill.fill = differs ? CellFill::solid(kRedPaletteIndex) : CellFill::none();
        sheet.format(CellRange::cell(row, kCurrentColumn), fill);
        changed = changed || differs;
    }
    return changed;
}

}  // namespace

SpreadsheetResult<bool> recordUniqueIds(Workbook& workbook, const QStringList& entryTexts,
                                        std::span<const CharacteristicRecord> rows) {
    const QString name = kUniqueIdSheetName.toString();
    if (Worksheet* existing = workbook.sheet(name)) {
        return compareWithRecord(*existing, entryTexts, rows);
    }
    SpreadsheetResult<Worksheet*> added = workbook.addSheet(name);
    if (!added) {
        return SpreadsheetError{added.error(), added.errorKind()};
    }
    writeFirstRecord(**added, entryTexts, rows);
    return false;
}

}  // namespace korvex
