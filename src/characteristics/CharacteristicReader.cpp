#include "characteristics/CharacteristicReader.h"

#include "characteristics/CommandCapture.h"
#include "characteristics/HeaderDataValues.h"
#include "characteristics/HostFailureMessage.h"
#include "characteristics/ValueTables.h"
#include "host/HostApplication.h"
#include "host/HostCallError.h"
#include "host/HostCommandCollection.h"
#include "host/HostFailureText.h"
#include "util/LanguageTables.h"
#include "util/UserInteraction.h"

#include <algorithm>
#include <optional>

namespace korvex {
namespace {

// Commands fetched per host call: few round trips for a remote host, little memory for a large program.
constexpr int kSnapshotBatch = 256;
constexpr int kReadingStatus = 4;

void walkCommands(HostCommandCollection& commands, const CaptureOptions& options,
                  const ReaderTargets& targets, UserInteraction& user) {
    const int commandCount = targets.tables.commandCount();
    for (int first = 0; first < commandCount; first += kSnapshotBatch) {
        const int requested = std::min(kSnapshotBatch, commandCount - first);
        const std::vector<CommandSnapshot> batch = commands.snapshots(first, requested);
        for (const CommandSnapshot& command : batch) {
            captureCommand(command, options, targets.tables, targets.headerData);
            user.setProgress(targets.tables.capture().commandIndex, commandCount);
        }
        if (static_cast<int>(batch.size()) < requested)
            return;
    }
}

// The host's display-update switch, off for the duration of a walk and put back afterwards, also
// when the walk fails (a host that has gone cannot be told any more).
class DisplayUpdatesOff {
  public:
    explicit DisplayUpdatesOff(HostApplication& application) : application_(application) {
        saved_ = application.displayUpdates();
        if (saved_)
            application.setDisplayUpdates(false);
    }
    ~DisplayUpdatesOff() {
        if (!saved_)
            return;
        try {
            application_.setDisplayUpdates(true);
        } catch (const HostCallError&) {
        }
    }
    DisplayUpdatesOff(const DisplayUpdatesOff&) = delete;
    DisplayUpdatesOff& operator=(const DisplayUpdatesOff&) = delete;

  private:
    HostApplication& application_;
    bool saved_ = false;
};

void walkProgram(HostApplication& application, HostCommandCollection& commands,
                 const ReaderEnvironment& environment, const ReaderTargets& targets) {
    const CaptureOptions options = readCaptureOptions(environment.settings, application.versionText());
    const int commandCount = commands.count();
    targets.tables.reset(commandCount);
    environment.user.setProgress(0, commandCount);
    environment.user.setStatusText(environment.language.text(LanguageTable::StatusBar, kReadingStatus));
    const DisplayUpdatesOff displayUpdatesOff(application);
    walkCommands(commands, options, targets, environment.user);
}

}  // namespace

void clearReadResults(const ReaderTargets& targets) {
    targets.tables.reset(0);
    targets.headerData.clearValues();
}

ReadOutcome readCharacteristics(HostApplication& application, HostCommandCollection& commands,
                                const ReaderEnvironment& environment, const ReaderTargets& targets) {
    ReadOutcome outcome;
    clearReadResults(targets);
    try {
        walkProgram(application, commands, environment, targets);
    } catch (const HostCallError& error) {
        outcome.complete = false;
        outcome.failure = hostFailureText(environment.language, error);
    }
    outcome.evaluation = evaluateTolerances(targets.tables, interventionPercent(environment.settings));
    environment.user.setProgress(0, 0);
    environment.user.setStatusText(QString());
    if (!outcome.complete)
        tellHostFailure(environment.user, environment.language, outcome.failure);
    return outcome;
}

}  // namespace korvex
