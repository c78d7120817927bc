#include "app/core/SpreadsheetVersion.h"

#include "report/SpreadsheetBackend.h"

namespace korvex {

QString probeSpreadsheetVersion(SpreadsheetBackend& backend) {
    auto application = backend.create();
    const QString version = application ? application.value()->version() : QString();
    return version.isEmpty() ? QStringLiteral("andere") : version;
}

}  // namespace korvex
