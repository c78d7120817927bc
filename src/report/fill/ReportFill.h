#pragma once

#include "output/ResultFileName.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

namespace korvex {

class HeaderDataValues;
class LanguageTables;
class SettingsStore;
class SpreadsheetBackend;
class UserInteraction;
class ValueTables;

// What a report is filled from: the characteristic list of the main window and the results behind it.
struct ReportSources {
    // The results; a comment whose first line starts with "<<" loses that mark here for good.
    ValueTables& tables;
    // The list entries: entry i shows row i + 1, its text is the characteristic's ID in the report.
    QStringList entryTexts;
    std::vector<bool> selected;
    const HeaderDataValues& headerData;
    // The host part program's name, drawing number and revision.
    PartProgramNames partProgram;
};

// Asks the user for the name to save a workbook under, offering the file filter given (empty: no
// filter) and confirming an overwrite; nothing when the user cancels.
using SavePathChooser = std::function<std::optional<QString>(const QString& filter)>;

struct ReportEnvironment {
    const SettingsStore& settings;
    const LanguageTables& language;
    UserInteraction& user;
    SpreadsheetBackend& spreadsheets;
    // The moment of the fill: its date and time go into the report and the generated file name.
    NamingMoment moment;
    SavePathChooser chooseSavePath;
};

struct ReportRequest {
    QString templatePath;
    // Only selected characteristics get a line; the result is saved under a generated name.
    bool onlySelected = false;
    // The workbook was chosen read-only: the result is saved under a name the user picks.
    bool readOnlyChoice = false;
};

struct ReportFillResult {
    bool saved = false;
    // Where the report was saved.
    QString path;
};

// Fills the characteristics into the template workbook's report pages and saves it. Everything it
// reports is shown to the user; a report that was not saved leaves every file as it was.
ReportFillResult fillReport(const ReportRequest& request, ReportSources& sources,
                            const ReportEnvironment& environment);

// The name an "only selected" report is saved under: the template's path without its extension,
// "__", the short date, "__", the time as "hh.mm.ss" and the template's extension when it is .xls,
// .xlsm or .ods (".xlsx" otherwise), every character a file name cannot hold replaced by "-".
QString generatedReportName(const QString& templatePath, const NamingMoment& moment);

}  // namespace korvex
