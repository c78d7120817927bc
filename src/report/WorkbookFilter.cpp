#include "report/WorkbookFilter.h"

#include <QStringList>

namespace korvex {

QString workbookFilter(const QString& spreadsheetVersion) {
    static const QStringList kClassicVersions = {QStringLiteral("8.0"), QStringLiteral("9.0"),
                                                 QStringLiteral("10.0"), QStringLiteral("11.0"),
                                                 QStringLiteral("andere")};
    if (kClassicVersions.contains(spreadsheetVersion)) {
        return QStringLiteral("Excel Workbook (*.xls)");
    }
    if (spreadsheetVersion == u"12.0") {
        return QStringLiteral("Excel Workbook (*.xls; *.xlsx) (*.xls*)");
    }
    // With the office suite installed the embedded engine fills .xlsx and .xlsm, the office .xls and .ods.
    if (spreadsheetVersion.startsWith(u"LibreOffice ")) {
        return QStringLiteral("Workbook (*.xlsx *.xlsm *.xls *.ods)");
    }
    return {};
}

}  // namespace korvex
