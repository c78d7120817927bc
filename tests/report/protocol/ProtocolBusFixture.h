#pragma once

#include "host/HostSession.h"
#include "host/dbus/BusHostConnector.h"
#include "support/HostSimProcess.h"
#include "support/RecordingUserInteraction.h"
#include "util/LanguageTables.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <memory>

namespace korvex {
class LiveProtocol;
class SpreadsheetBackend;
}  // namespace korvex

namespace korvex::test {

// The live protocol of korvex-host-sim's runs over the bus: the simulator on a bus of the test's own
// with a program of location groups, single dimensions, distances, a blank feature name, an unmarked
// executed dimension and a TRUE_DIAM_LOCATION axis.
class ProtocolBusFixture : public ::testing::Test {
  protected:
    void SetUp() override;

    // Opens the protocol in `spreadsheets`, runs the program, adds a command, runs it paused and
    // resumed, then saves the protocol and has openpyxl read it back cell by cell. The value columns
    // are 20 characters wide; the saved file gives that width in the spreadsheet's own reckoning.
    void recordRunsAndCheckTheSavedProtocol(SpreadsheetBackend& spreadsheets, double savedValueColumnWidth);

  private:
    // Counts the host's run ends and added commands as they come over the bus.
    void countEvents();
    // Runs the program and waits until its end has come over the bus, and every event before it.
    void run();
    void addCommand(const char* json);
    static bool catchesUp(const LiveProtocol& protocol, int lastRow);

    QTemporaryDir dir_;
    LanguageTables language_;
    RecordingUserInteraction user_;
    std::unique_ptr<HostSimProcess> host_;
    BusHostConnector connector_;
    HostSession session_;
    int runEnds_ = 0;
    int added_ = 0;
};

}  // namespace korvex::test
