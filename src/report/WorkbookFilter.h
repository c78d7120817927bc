#pragma once

#include <QString>

namespace korvex {

// The workbook file dialogs' filter for the spreadsheet application's version; none for a version
// the program does not know.
QString workbookFilter(const QString& spreadsheetVersion);

}  // namespace korvex
