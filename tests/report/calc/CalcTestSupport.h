#pragma once

#include "report/SpreadsheetBackend.h"

#include <QList>
#include <QString>
#include <QTemporaryDir>

#include <memory>

#include <sys/types.h>

namespace korvex::test {

// The Calc plugin of this build, loaded as the program loads it. Its offices keep their profiles in
// a temporary folder of the test's own, so the test sees its offices and no others.
class CalcPluginFixture {
  public:
    CalcPluginFixture();
    ~CalcPluginFixture();

    SpreadsheetBackend& backend() { return *backend_; }
    QString version() const { return version_; }
    // The "soffice.bin" processes whose profile lies in this test's folder.
    QList<pid_t> offices() const;
    // Waits up to a few seconds for every office of the test to end.
    bool officesEnd() const;
    QString file(const QString& name) const { return work_.filePath(name); }

  private:
    QTemporaryDir temporary_;
    QTemporaryDir work_;
    std::unique_ptr<SpreadsheetBackend> backend_;
    QString version_;
};

}  // namespace korvex::test
