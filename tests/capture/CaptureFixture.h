#pragma once

#include "capture/OnlineCapture.h"
#include "characteristics/CharacteristicReader.h"
#include "characteristics/HeaderDataValues.h"
#include "characteristics/ValueTables.h"
#include "host/HostSession.h"
#include "host/sim/SimProgram.h"
#include "settings/SettingsStore.h"
#include "support/RecordingUserInteraction.h"
#include "util/LanguageTables.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <memory>
#include <vector>

namespace korvex::test {

// What a gathering produced, to compare an online capture with an offline read.
struct Gathered {
    std::vector<CharacteristicRecord> rows;
    std::vector<CommentRecord> comments;
    std::vector<HeaderDataValues::Variable> headerData;

    friend bool operator==(const Gathered&, const Gathered&) = default;
};

// What an online capture and an offline read work with: settings of their own (header data and
// multi-line comments on), the English texts, a user that records every message, the tables and
// the header data with the variables the examples assign.
class CaptureFixture : public ::testing::Test {
  protected:
    CaptureFixture();

    ReaderEnvironment environment() { return {settings_, language_, user_}; }
    ReaderTargets targets() { return {tables_, headerData_}; }

    // A capture whose run ends are recorded in runEnds_.
    std::unique_ptr<OnlineCapture> makeCapture();
    // Switches the capture on for the connected session (making the capture first if need be).
    void switchOn();
    // What the offline read of the connected part program gathers, in the fixture's tables.
    Gathered offline(HostSession& session);
    // What the offline read of the program gathers, read from a host in the same process.
    Gathered offline(const SimProgram& program);
    // What the capture gathered, evaluated as the end of a run evaluates it.
    Gathered captured();

    QTemporaryDir dir_;
    SettingsStore settings_;
    LanguageTables language_;
    RecordingUserInteraction user_;
    ValueTables tables_;
    HeaderDataValues headerData_;
    std::vector<RunEnd> runEnds_;
    HostSession session_;
    std::unique_ptr<OnlineCapture> capture_;
};

Gathered gathered(const ValueTables& tables, const HeaderDataValues& headerData);

// The housing example. Its comment "EEK" ends a captured run before the last dimension.
SimProgram housing();
// The position of the housing's comment "EEK".
int housingEndOfRunPosition();
// The housing example without its comment "EEK", so that a captured run goes to the end.
SimProgram housingWithoutEndOfRun();
// The first `count` commands of the program.
SimProgram firstCommands(SimProgram program, int count);

}  // namespace korvex::test
