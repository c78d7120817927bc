#pragma once

#include <QString>

#include <chrono>

// What the host and the program agree on over the session bus: the host's well-known name (the
// counterpart of its main window class, "DornwellKORVEXWndClass"), its object, its interfaces and
// the errors it answers with. docs/host-simulator.md describes every member.
namespace korvex::hostbus {

inline QString serviceName() {
    return QStringLiteral("com.dornwell.KORVEX");
}
inline QString objectPath() {
    return QStringLiteral("/com/dornwell/KORVEX");
}

inline QString applicationInterface() {
    return QStringLiteral("com.dornwell.KORVEX.Application");
}
inline QString partProgramInterface() {
    return QStringLiteral("com.dornwell.KORVEX.PartProgram");
}
inline QString commandsInterface() {
    return QStringLiteral("com.dornwell.KORVEX.Commands");
}
inline QString simulatorInterface() {
    return QStringLiteral("com.dornwell.KORVEX.Simulator");
}

// The part program handle a call names is not (or no longer) the open part program.
inline QString noSuchPartProgramError() {
    return QStringLiteral("com.dornwell.KORVEX.Error.NoSuchPartProgram");
}
// The part program has no command with the unique id the call names.
inline QString noSuchCommandError() {
    return QStringLiteral("com.dornwell.KORVEX.Error.NoSuchCommand");
}
// The host refused the request (a save that failed, a run while one is going on, a bad command).
inline QString refusedError() {
    return QStringLiteral("com.dornwell.KORVEX.Error.Refused");
}

// The handle of "no part program open".
inline constexpr unsigned kNoPartProgram = 0;

// How long the program waits for any answer of the host.
inline constexpr std::chrono::milliseconds kCallTimeout{5000};

}  // namespace korvex::hostbus
