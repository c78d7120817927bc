#pragma once

#include "characteristics/HeaderDataValues.h"
#include "characteristics/ValueTables.h"
#include "output/AsciiWriter.h"
#include "settings/SettingsStore.h"
#include "util/LanguageTables.h"
#include "util/UserInteraction.h"

#include <QTemporaryDir>

#include <vector>

namespace korvex::bench {

// The most rows a part program can give.
inline constexpr int kRows = 32767;

// Answers every message with its default, as nobody is there to read it.
class SilentUser : public UserInteraction {
  public:
    MessageAnswer showMessage(const Message& message) override { return message.defaultAnswer; }
    void setStatusText(const QString&) override {}
    void setProgress(int, int) override {}
};

// kRows reported X_LOCATION rows with every field filled, a two-line comment for every ten rows.
ValueTables largestTable();

// A result file output of the largest table, every row marked, for part HOUSING, with settings files
// of its own in a temporary folder; "DIR" is the folder's "results" folder.
class LargestTableOutput {
  public:
    LargestTableOutput();

    const SettingsStore& settings() const { return settings_; }
    QString folder() const { return dir_.path(); }
    QString resultFolder() const { return dir_.filePath(QStringLiteral("results")); }
    HeaderDataValues& headerData() { return headerData_; }
    AsciiOutputSources sources() {
        return {tables_,
                selected_,
                headerData_,
                {.names = {.partName = QStringLiteral("HOUSING")}, .folder = folder()}};
    }
    AsciiOutputContext context() { return {settings_, language_, user_, folder(), moment_}; }

  private:
    QTemporaryDir dir_;
    SettingsStore settings_;
    ValueTables tables_ = largestTable();
    std::vector<bool> selected_ = std::vector<bool>(kRows, true);
    HeaderDataValues headerData_;
    LanguageTables language_;
    SilentUser user_;
    NamingMoment moment_{.now = QDateTime::currentDateTime(), .locale = QLocale::c()};
};

}  // namespace korvex::bench
