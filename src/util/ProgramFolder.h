#pragma once

#include <QString>

namespace korvex {

// The environment variable that moves the program folder (for tests, and for installs where the
// executable's folder is read-only).
inline constexpr const char* kProgramFolderVariable = "KORVEX_TABULOR_HOME";

// The folder that holds LanguageFiles/, HeaderData.cfg, ASCII_Settings.cfg and
// OutputFile_Settings.cfg: $KORVEX_TABULOR_HOME when set, else the executable's folder.
// Returned without a trailing separator.
QString programFolder();

// The folder of the language files below the program folder.
QString languageFolder(const QString& programFolderPath);

}  // namespace korvex
