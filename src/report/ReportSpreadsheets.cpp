#include "report/ReportSpreadsheets.h"

#include <QFileInfo>

namespace korvex {
namespace {

bool needsOfficeSuite(const QString& templatePath) {
    const QString suffix = QFileInfo(templatePath).suffix();
    return suffix.compare(u"xls", Qt::CaseInsensitive) == 0 ||
           suffix.compare(u"ods", Qt::CaseInsensitive) == 0;
}

}  // namespace

ReportSpreadsheets::ReportSpreadsheets(SpreadsheetBackend& engine, SpreadsheetBackend* office,
                                       const QString& noOfficeReason)
    : engine_(engine), missing_(noOfficeReason) {
    if (office != nullptr) {
        office_.emplace(*office);
    }
}

SpreadsheetBackend& ReportSpreadsheets::forTemplate(const QString& templatePath) {
    if (!needsOfficeSuite(templatePath)) {
        return engine_;
    }
    if (office_) {
        return *office_;
    }
    return missing_;
}

}  // namespace korvex
