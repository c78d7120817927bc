#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace korvex {

class LanguageTables;

// The workbook chosen for a report, and whether it was chosen read-only.
struct WorkbookChoice {
    QString path;
    bool readOnly = false;
};

// The open dialog of toolbar button 6: Qt's own file dialog (the platform's has no room for it) with
// a read-only check box below the file list. Nothing when the user cancels.
std::optional<WorkbookChoice> chooseWorkbookToFill(QWidget* parent, const LanguageTables& language,
                                                   const QString& folder, const QString& filter);

// The save dialog of a report whose workbook was chosen read-only; it asks before replacing a file.
std::optional<QString> chooseReportSavePath(QWidget* parent, const LanguageTables& language,
                                            const QString& filter);

}  // namespace korvex
