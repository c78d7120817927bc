#pragma once

#include "characteristics/CharacteristicRecord.h"
#include "report/SpreadsheetResult.h"

#include <QStringList>

#include <span>

namespace korvex {

class Workbook;

inline constexpr QStringView kUniqueIdSheetName = u"UniqueIDs";

// The record of the characteristics a workbook was made for, on the sheet "UniqueIDs": each list
// entry's text in column A and its unique id in column B, written by the first fill. A later fill
// writes the current ids into column C and marks in red every row where they differ from column B
// (rows beyond the current list are not compared). True when any row differed: the part program has
// changed since the workbook was started.
SpreadsheetResult<bool> recordUniqueIds(Workbook& workbook, const QStringList& entryTexts,
                                        std::span<const CharacteristicRecord> rows);

}  // namespace korvex
