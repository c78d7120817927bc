#pragma once

#include "report/SpreadsheetBackend.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <variant>

namespace korvex {

// The environment variable that names the one folder the office-suite plugin is looked for in (for
// tests, and for a plugin of one's own); an empty folder means "no plugin".
inline constexpr const char* kOfficePluginFolderVariable = "KORVEX_TABULOR_OFFICE_PLUGIN_DIR";

// The office suite's spreadsheets, from the plugin loaded at run time.
struct OfficeSuite {
    std::unique_ptr<SpreadsheetBackend> backend;
    // The installed office's version text.
    QString version;
};

// Why no office suite could be loaded: the plugin's loader error, or that none was found.
struct OfficeSuiteMissing {
    QString reason;
};

// The folders the plugin is looked for in: the override alone when it is set, else the program's own
// folder and the installed plugin folder beside it.
QStringList officePluginFolders();

// Loads the first plugin found in `folders`. The plugin stays loaded for the rest of the program.
std::variant<OfficeSuite, OfficeSuiteMissing> loadOfficeSuite(const QStringList& folders);

}  // namespace korvex
