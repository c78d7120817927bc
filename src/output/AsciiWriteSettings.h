#pragma once

#include "output/AsciiColumns.h"
#include "output/AsciiFormat.h"
#include "output/ResultFilePlacement.h"

#include <QString>

#include <array>
#include <optional>

namespace korvex {

class SettingsStore;

// The settings the ASCII writer reads before it names the file.
struct AsciiWriteSettings {
    // Place of each column in the line; 0 (or a place beyond 22) = not written.
    std::array<int, kAsciiColumnCount> places{};
    QString delimiter;
    ResultFilePlacement placement;
    AsciiFileType fileType = AsciiFileType::Txt;
};

// Reads them in the writer's order (a missing value is stored with its default). nullopt at the
// first value that is not what it must be: a place or code that is no number — as every place is
// before the ASCII format was first saved — or a switch that is no Boolean.
std::optional<AsciiWriteSettings> readAsciiWriteSettings(const SettingsStore& settings);

}  // namespace korvex
