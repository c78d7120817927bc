#pragma once

#include "app/core/ReportOutput.h"

#include <QStringList>

#include <vector>

namespace korvex::test {

// A report output that records what it is asked to do and fills nothing; the layout file
// "broken.cfg" cannot be loaded.
class RecordingReport : public ReportOutput {
  public:
    struct Fill {
        QString workbook;
        bool onlySelected = false;
        Selection selection;
        bool readOnlyChoice = false;
    };

    bool importLayout(const QString& layoutFile) override {
        layouts.append(layoutFile);
        return layoutFile != u"broken.cfg";
    }
    bool fillReport(const QString& workbook, bool onlySelected, const Selection& selection) override {
        reports.push_back({workbook, onlySelected, selection, readOnlyChoice_});
        return true;
    }
    void setReadOnlyChoice(bool readOnly) override { readOnlyChoice_ = readOnly; }

    QStringList layouts;
    std::vector<Fill> reports;

  private:
    bool readOnlyChoice_ = false;
};

}  // namespace korvex::test
