#include "app/core/SpreadsheetVersion.h"

#include "report/SpreadsheetBackend.h"

#include <QStringList>

namespace korvex {

QString probeSpreadsheetVersion(SpreadsheetBackend& backend) {
    auto application = backend.create();
    const QString version = application ? application.value()->version() : QString();
    return version.isEmpty() ? QStringLiteral("andere") : version;
}

QString workbookFileFilter(const QString& spreadsheetVersion) {
    static const QStringList kClassicVersions = {QStringLiteral("8.0"), QStringLiteral("9.0"),
                                                 QStringLiteral("10.0"), QStringLiteral("11.0"),
                                                 QStringLiteral("andere")};
    if (kClassicVersions.contains(spreadsheetVersion)) {
        return QStringLiteral("Excel Workbook (*.xls)");
    }
    if (spreadsheetVersion == u"12.0") {
        return QStringLiteral("Excel Workbook (*.xls*)");
    }
    return {};
}

}  // namespace korvex
