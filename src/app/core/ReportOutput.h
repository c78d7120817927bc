#pragma once

#include "app/core/CharacteristicSelection.h"

#include <QString>

namespace korvex {

// The report output of the run control: importing a report layout file into the settings and
// filling the marked characteristics into a workbook.
class ReportOutput {
  public:
    virtual ~ReportOutput() = default;

    // False when the layout file cannot be loaded.
    virtual bool importLayout(const QString& layoutFile) = 0;
    // False when the report was not filled; the user has been told why.
    virtual bool fillReport(const QString& workbook, bool onlySelected, const Selection& selection) = 0;
};

}  // namespace korvex
