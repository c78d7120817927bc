#pragma once

#include "report/xlsx/ZipPackage.h"

#include <QByteArray>

namespace korvex::xlsx {

// The parts of a new workbook with one empty sheet "Sheet1".
ZipPackage emptyWorkbookPackage();
// A worksheet part without cells, for a new sheet.
QByteArray emptyWorksheetPart();
// A styles part with the default font and format, for a workbook that has none.
QByteArray defaultStylesPart();

}  // namespace korvex::xlsx
