#include "report/OfficePluginEntry.h"
#include "report/calc/CalcBackend.h"
#include "report/calc/OfficeVersion.h"

#include <QFileInfo>

// The plugin's entry points, looked up by name when the program loads it.

extern "C" Q_DECL_EXPORT korvex::SpreadsheetBackend* korvexCreateOfficeBackend() {
    const QString folder = korvex::calc::officeProgramFolder();
    if (!QFileInfo(folder + QStringLiteral("/soffice.bin")).isExecutable()) {
        return nullptr;
    }
    return new korvex::calc::CalcBackend(korvex::calc::installedOfficeVersion(folder));
}

extern "C" Q_DECL_EXPORT void korvexReadOfficeVersion(QString& version) {
    version = korvex::calc::installedOfficeVersion(korvex::calc::officeProgramFolder());
}
