#pragma once

#include "output/ResultFileName.h"

#include <QString>

#include <vector>

namespace korvex {

class HeaderDataValues;
class HostPartProgram;
class LanguageTables;
class SettingsStore;
class UserInteraction;
class ValueTables;

// The part program the results belong to, read from the host just before the output: the texts of
// the file name and the folder that holds the part program's file.
struct PartProgramFacts {
    PartProgramNames names;
    QString folder;
};

// Reads them from the host's active part program (a failed host call throws HostCallError).
PartProgramFacts readPartProgramFacts(HostPartProgram& partProgram);

// What one ASCII output writes.
struct AsciiOutputSources {
    // The results of the last gathering. A comment whose first line starts with "<<" loses that mark
    // here for good (the main window shows it so from then on).
    ValueTables& tables;
    // The marking: the selection of the main window's characteristic list, entry i - 1 showing row i;
    // its size is the number of list entries.
    const std::vector<bool>& selectedEntries;
    const HeaderDataValues& headerData;
    PartProgramFacts partProgram;
};

// What the writer reads and tells besides.
struct AsciiOutputContext {
    const SettingsStore& settings;
    const LanguageTables& language;
    UserInteraction& user;
    QString programFolder;
    // The moment the file is named for; its locale gives the short date and the decimal separator.
    NamingMoment moment;
};

// Writes the marked PROTOKOLL and BEIDE rows into one delimited text file named and placed by the
// output file settings: header-data lines (when HEADER is on), the title line, one line per row,
// CR LF line ends, the active language's code page (characters it cannot hold become '?' and are
// named to the user). The file is replaced as a whole, so a failure never leaves a
// half-written file nor touches an earlier one. Tells the user why nothing was written and keeps the
// status bar informed. True when the file was written.
bool writeAsciiFile(const AsciiOutputSources& sources, const AsciiOutputContext& context);

}  // namespace korvex
