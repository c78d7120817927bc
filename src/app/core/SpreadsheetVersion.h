#pragma once

#include <QString>

namespace korvex {

class SpreadsheetBackend;

// The version text of the spreadsheet application, asked for once at start-up; it chooses the
// workbook file filters. "andere" when no application can be created or it tells no version.
QString probeSpreadsheetVersion(SpreadsheetBackend& backend);

}  // namespace korvex
