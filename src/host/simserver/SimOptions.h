#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

namespace korvex {

// The command line of korvex-host-sim.
struct SimOptions {
    // The part-program file to open; empty: the host starts without a part program.
    QString partProgramPath;
    // Execute the part program this many milliseconds after the start (--run is 0).
    std::optional<int> runAfter;
    int pacing = 0;
    int terminationType = 0;
    bool quitAfterRun = false;
    bool window = true;
};

// What to print instead of starting, and the exit code: the help text (0) or a usage error (2).
struct SimOptionsExit {
    QString text;
    int exitCode = 0;
};

// The options from the program's arguments (the first being the program itself).
std::variant<SimOptions, SimOptionsExit> parseSimOptions(const QStringList& arguments);

}  // namespace korvex
