#include "app/core/ReportOutput.h"
#include "app/core/Session.h"
#include "app/window/MainWindow.h"
#include "app/window/report/WorkbookDialogs.h"
#include "report/WorkbookFilter.h"
#include "report/fill/ReportFill.h"
#include "util/MessageBoxen.h"

#include <QFileInfo>

namespace korvex {

// Toolbar button 6: a workbook from the open dialog, in the folder chosen last, then the report.
void MainWindow::fillReportFromToolbar() {
    const QString folder =
        session_.settings.readSetting(keys::kLastUsedFolder, session_.programFolder.writable());
    const std::optional<WorkbookChoice> choice =
        chooseWorkbookToFill(this, session_.language, folder, workbookFilter(session_.spreadsheetVersion));
    if (!choice) {
        return;
    }
    if (!session_.settings.writeSetting(keys::kLastUsedFolder, QFileInfo(choice->path).absolutePath())) {
        tellSettingsNotStored(*user_, session_.language);
    }
    report_->setReadOnlyChoice(choice->readOnly);
    report_->fillReport(choice->path, false, selection());
}

}  // namespace korvex
