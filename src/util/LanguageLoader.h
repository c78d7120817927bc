#pragma once

#include <QString>

namespace korvex {

class LanguageTables;
class UserInteraction;

// The active language file, a copy of the chosen language's file that is the only one ever read.
QString activeLanguageFilePath(const QString& programFolderPath);

// Reads a language file, in the tables' code page, into the tables. Sections the file lacks keep what they
// held; a section read twice keeps its last occurrence. False when the file cannot be read or a section
// exceeds LanguageTables::kMaxEntries entries (what was read up to then stays).
bool loadLanguageFile(const QString& path, LanguageTables& tables);

// Makes LanguageFiles/<language>.dll the active language file and loads it in the language's code
// page, which from then on is the tables' code page. A missing file is told to the user and changes
// nothing; a failed load is told too.
void changeLanguage(const QString& language, const QString& programFolderPath, LanguageTables& tables,
                    UserInteraction& user);

}  // namespace korvex
