#include "app/core/UnavailableReportOutput.h"

#include "util/UserInteraction.h"

namespace korvex {

bool UnavailableReportOutput::importLayout(const QString& /*layoutFile*/) {
    // The layout is only read by the report filler; without it the fill below tells the user.
    return true;
}

bool UnavailableReportOutput::fillReport(const QString& workbook, bool /*onlySelected*/,
                                         const Selection& /*selection*/) {
    user_.showMessage(
        {.text = QStringLiteral("The report into %1 was not filled: this version of the program "
                                "cannot fill report workbooks yet.")
                     .arg(workbook),
         .icon = MessageIcon::Critical});
    return false;
}

}  // namespace korvex
