#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace korvex::xlsx {

inline constexpr int kMaxSheetNameLength = 31;

// Why a text cannot name a sheet (empty, longer than 31 characters, one of []:*?/\, an apostrophe at
// either end, the reserved "History"); nothing when it can. Uniqueness is the workbook's concern.
std::optional<QString> sheetNameProblem(const QString& name);

// The name the spreadsheet application gives a copy of `source`: "Master (2)", or "Master (3)" when
// that is taken; `source` is shortened so that the name keeps to 31 characters.
QString copyNameFor(const QString& source, const std::function<bool(const QString&)>& isTaken);

// A sheet name as formulas write it before "!": quoted ('Master (2)') unless it is a plain word.
QString sheetReference(const QString& name);

// The formula with every reference to the sheet `oldName` ("Master!A1", "'Master'!$A$1") pointing to
// `newName`; texts in double quotes are left alone.
QString renameSheetReferences(const QString& formula, const QString& oldName, const QString& newName);

}  // namespace korvex::xlsx
