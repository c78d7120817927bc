#pragma once

#include <QString>

namespace korvex {

class SpreadsheetBackend;

// The version text of the spreadsheet application, asked for once at start-up; it chooses the
// workbook file filters. "andere" when no application can be created or it tells no version.
QString probeSpreadsheetVersion(SpreadsheetBackend& backend);

// The open-file dialog's filter for report workbooks by that version: *.xls for "8.0" to "11.0" and
// "andere", *.xls* for "12.0", and none (empty) for any other version.
QString workbookFileFilter(const QString& spreadsheetVersion);

}  // namespace korvex
