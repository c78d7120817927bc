#pragma once

#include <QString>

namespace korvex::calc {

// Where the office suite is installed; KORVEX_TABULOR_OFFICE_PROGRAM overrides it.
QString officeProgramFolder();

// The installed office's product and version, such as "LibreOffice 7.4", read from its bootstrap
// file without starting it; empty when the file tells none.
QString installedOfficeVersion(const QString& programFolder);

}  // namespace korvex::calc
