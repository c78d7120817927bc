#pragma once

#include "settings/SettingsStore.h"
#include "util/LanguageTables.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

namespace korvex::test {

// korvex-tabulor on the test program's session bus, with a program folder and settings of its own,
// writing its result files into a folder of the test, started as a part program's batch file starts it.
class TabulorRunFixture : public ::testing::Test {
  protected:
    TabulorRunFixture();

    QString programFolder() const { return dir_.filePath(QStringLiteral("program")); }
    QString resultFolder() const { return dir_.filePath(QStringLiteral("results")); }
    QStringList resultFiles() const;
    QString machineSettings() const { return dir_.filePath(QStringLiteral("machine.ini")); }
    QString userSettings() const { return dir_.filePath(QStringLiteral("user.ini")); }

    void startTabulor(const QStringList& arguments);
    // The program as a batch file the generator wrote starts it.
    void startBatchFile(const QString& script);
    // The exit status, or -1 when the program did not end by itself in time. The messages it showed
    // are in messages_ then.
    int waitForExit();
    // Starts the program and waits for its end.
    int runTabulor(const QStringList& arguments);

    void start(const QString& program, const QStringList& arguments);

    QTemporaryDir dir_;
    SettingsStore settings_{{machineSettings(), userSettings()}};
    LanguageTables language_;
    QProcess tabulor_;
    QString messages_;
};

// A part program of examples/.
QString exampleFile(const char* name);

}  // namespace korvex::test
