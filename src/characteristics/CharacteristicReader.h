#pragma once

#include "characteristics/ToleranceEvaluation.h"

#include <QString>

namespace korvex {

class HeaderDataValues;
class HostApplication;
class HostCommandCollection;
class LanguageTables;
class SettingsStore;
class UserInteraction;
class ValueTables;

// What the offline read uses around it: the settings it reads, the texts it shows, and the user it
// shows progress and failures to.
struct ReaderEnvironment {
    const SettingsStore& settings;
    const LanguageTables& language;
    UserInteraction& user;
};

// Where the offline read puts what it reads.
struct ReaderTargets {
    ValueTables& tables;
    HeaderDataValues& headerData;
};

struct ReadOutcome {
    // False when the host failed during the walk; the rows read until then stay and are evaluated.
    bool complete = true;
    // The host's failure, as told to the user.
    QString failure;
    EvaluationSummary evaluation;
};

// Empties the tables and the header-data values, so that nothing of an earlier read remains.
void clearReadResults(const ReaderTargets& targets);

// Walks every command of the part program once, after it has run, and turns each dimension into its
// characteristic rows, with comments and header-data values; then evaluates the rows. The host's
// display updates are switched off during the walk and put back afterwards. Progress goes to the
// user's progress bar; a host that fails during the walk is reported in a message box.
ReadOutcome readCharacteristics(HostApplication& application, HostCommandCollection& commands,
                                const ReaderEnvironment& environment, const ReaderTargets& targets);

}  // namespace korvex
