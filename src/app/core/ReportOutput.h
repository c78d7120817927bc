#pragma once

#include "app/core/CharacteristicSelection.h"

#include <QString>

namespace korvex {

// The report output of the run control and toolbar button 6: importing a report layout file into
// the settings and filling the marked characteristics into a workbook.
class ReportOutput {
  public:
    virtual ~ReportOutput() = default;

    // False when the layout file cannot be loaded.
    virtual bool importLayout(const QString& layoutFile) = 0;
    // False when the report was not filled; the user has been told why.
    virtual bool fillReport(const QString& workbook, bool onlySelected, const Selection& selection) = 0;
    // The read-only choice of the last workbook dialog: the next fills save under a name the user
    // picks and leave the chosen workbook as it was. An unattended run leaves it as it is.
    virtual void setReadOnlyChoice(bool readOnly) = 0;
};

}  // namespace korvex
