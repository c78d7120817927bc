#pragma once

#include <QString>

namespace korvex {

class HeaderDataValues;
class SettingsStore;
class ValueTables;
struct CommandSnapshot;

// The switches that shape how commands become rows, fixed when a walk or a capture starts.
struct CaptureOptions {
    // Every comment line becomes a comment entry of its own, and axis k of a location or
    // true-position dimension gets line k.
    bool multiLine = false;
    // Variable assignments fill the header-data values.
    bool headerData = false;
    // Of a true-position dimension only the TRUE_DIAM axis becomes a row.
    bool truePositionDiameterOnly = false;
    // Hosts of version 3.25 do not report datums of true-position axes reliably: they are not read.
    bool skipTruePositionDatums = false;
};

// The options from the settings ("MultiLine", "HEADER", "ZozadRegel") and the host's version text.
CaptureOptions readCaptureOptions(const SettingsStore& settings, const QString& hostVersion);

// One command of a walk, offline or online: counts it, turns a comment into comment entries and
// pending links, an assignment into a header-data value, the end of a location or true-position
// dimension into a cleared link state, and a dimension into its characteristic rows.
void captureCommand(const CommandSnapshot& command, const CaptureOptions& options, ValueTables& tables,
                    HeaderDataValues& headerData);

}  // namespace korvex
