#pragma once

#include "report/SpreadsheetResult.h"
#include "report/Workbook.h"

#include <QRect>
#include <QString>

namespace korvex {

// The spreadsheet application: a set of open workbooks. An embedded engine, an office suite over
// its automation bridge and the Windows spreadsheet automation all fit behind it. Destroying the object
// releases the application: a visible one stays open for the operator, a hidden one ends.
class SpreadsheetApplication {
  public:
    virtual ~SpreadsheetApplication() = default;

    // The application's version text, such as "12.0"; it chooses the save dialog's filter.
    virtual QString version() const = 0;
    virtual bool isVisible() const = 0;
    virtual void setVisible(bool visible) = 0;
    // False once the application has ended or can no longer be reached: the operator closed it, or
    // it crashed. Every later call on it fails or does nothing.
    virtual bool isRunning() const = 0;

    // The application's main window; an application without a window ignores these.
    virtual void setCaption(const QString& caption) = 0;
    // Restores the window from minimised or maximised.
    virtual void showNormal() = 0;
    // Places the window's frame, in screen pixels.
    virtual void setWindowGeometry(const QRect& frame) = 0;
    // Off, the windows stop repainting after every change; many changes in a row then cost far less.
    // Switched on again, they show everything changed meanwhile.
    virtual void setScreenUpdating(bool on) = 0;

    // Open errors (missing file, damaged or unsupported format) come back as an error text.
    virtual SpreadsheetResult<Workbook*> open(const QString& path) = 0;
    // A new empty workbook with one sheet, not saved yet.
    virtual SpreadsheetResult<Workbook*> addWorkbook() = 0;
    // Closes every open workbook without saving it.
    virtual SpreadsheetStatus closeAll() = 0;
    virtual Workbook* activeWorkbook() = 0;
    // Ends the application; open workbooks are closed without saving.
    virtual SpreadsheetStatus quit() = 0;
};

}  // namespace korvex
