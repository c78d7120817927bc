#pragma once

#include "app/core/ReportOutput.h"

namespace korvex {

class UserInteraction;

// The report output of a build without a report filler: every request is refused with a message,
// so an unattended run asked for a report ends with a failure instead of pretending success.
class UnavailableReportOutput : public ReportOutput {
  public:
    explicit UnavailableReportOutput(UserInteraction& user) : user_(user) {}

    bool importLayout(const QString& layoutFile) override;
    bool fillReport(const QString& workbook, bool onlySelected, const Selection& selection) override;

  private:
    UserInteraction& user_;
};

}  // namespace korvex
