#pragma once

#include "report/SpreadsheetResult.h"
#include "report/Worksheet.h"

#include <QString>
#include <QStringList>

namespace korvex {

// An open workbook. Worksheets belong to it and live as long as it is open.
class Workbook {
  public:
    virtual ~Workbook() = default;

    // The file it was opened from or last saved to; empty for a new workbook never saved.
    virtual QString path() const = 0;
    virtual QStringList sheetNames() const = 0;
    // The worksheet of that name (compared ignoring case); nullptr when there is none.
    virtual Worksheet* sheet(const QString& name) = 0;
    virtual Worksheet* activeSheet() = 0;
    // A new empty worksheet before the active sheet, which becomes the active sheet.
    virtual SpreadsheetResult<Worksheet*> addSheet(const QString& name) = 0;
    // A copy of `source` right after `after`. The copy is named as the spreadsheet application names
    // a fresh copy ("Master (2)"); the caller renames it.
    virtual SpreadsheetResult<Worksheet*> copySheetAfter(const QString& source, const QString& after) = 0;

    // Saving replaces the file atomically: a failed save leaves the old file as it was.
    virtual SpreadsheetStatus save() = 0;
    virtual SpreadsheetStatus saveAs(const QString& path) = 0;
};

}  // namespace korvex
