#pragma once

#include <QString>

namespace korvex {

class LanguageTables;
class UserInteraction;

// The active language file, a copy of the chosen language's file that is the only one ever read.
QString activeLanguageFilePath(const QString& programFolderPath);

// The file of a language: LanguageFiles/<language>.dll.
QString languageFilePath(const QString& programFolderPath, const QString& language);

// Reads a language file into the tables. Sections the file lacks keep what they held; a section
// read twice keeps its last occurrence. False when the file cannot be read or a section exceeds
// LanguageTables::kMaxEntries entries (what was read up to then stays).
bool loadLanguageFile(const QString& path, LanguageTables& tables);

// Makes LanguageFiles/<language>.dll the active language file and loads it. A missing file or a
// failed load is told to the user; the texts in force then stay as they are. True when the file was
// read whole.
bool changeLanguage(const QString& language, const QString& programFolderPath, LanguageTables& tables,
                    UserInteraction& user);

}  // namespace korvex
