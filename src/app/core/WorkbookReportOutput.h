#pragma once

#include "app/core/ReportOutput.h"
#include "report/fill/ReportFill.h"

namespace korvex {

struct Session;
class SpreadsheetBackend;
class UserInteraction;

// The report output that fills workbooks through a spreadsheet backend: the layout file of an
// unattended run goes into the settings, and the characteristics of the main window's list into the
// template workbook.
class WorkbookReportOutput : public ReportOutput {
  public:
    struct Parts {
        Session& session;
        UserInteraction& user;
        // The embedded engine, for .xlsx and .xlsm templates.
        SpreadsheetBackend& spreadsheets;
        // Asked for a name when the workbook was chosen read-only.
        SavePathChooser chooseSavePath;
        // The office suite, for .xls and .ods templates; null when none is installed.
        SpreadsheetBackend* office = nullptr;
    };

    explicit WorkbookReportOutput(Parts parts) : parts_(std::move(parts)) {}

    bool importLayout(const QString& layoutFile) override;
    bool fillReport(const QString& workbook, bool onlySelected, const Selection& selection) override;
    void setReadOnlyChoice(bool readOnly) override { readOnlyChoice_ = readOnly; }

  private:
    bool fillWith(SpreadsheetBackend& spreadsheets, const QString& workbook, bool onlySelected,
                  const Selection& selection);

    Parts parts_;
    bool readOnlyChoice_ = false;
};

}  // namespace korvex
