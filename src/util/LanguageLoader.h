#pragma once

#include "util/ProgramFolder.h"

#include <QString>

namespace korvex {

class LanguageTables;
class UserInteraction;

// The active language file, a copy of the chosen language's file that is the only one ever read. It
// is written to the program folder's writable side.
QString activeLanguageFilePath(const ProgramFolder& folder);

// The file of a language, LanguageFiles/<language>.dll: the user's copy first, then the shipped one.
QString languageFilePath(const ProgramFolder& folder, const QString& language);

// Reads a language file, in the tables' code page, into the tables. Sections the file lacks keep what they
// held; a section read twice keeps its last occurrence. False when the file cannot be read or a section
// exceeds LanguageTables::kMaxEntries entries (what was read up to then stays).
bool loadLanguageFile(const QString& path, LanguageTables& tables);

// Makes the language's file the active language file and loads it in the language's code page, which from
// then on is the tables' code page. A missing file or a failed load is told to the user; the texts in
// force then stay as they are. True when the file was read whole.
bool changeLanguage(const QString& language, const ProgramFolder& folder, LanguageTables& tables,
                    UserInteraction& user);

}  // namespace korvex
