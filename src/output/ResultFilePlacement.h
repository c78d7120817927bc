#pragma once

#include "output/ResultFileName.h"

#include <QFileDevice>
#include <QString>

#include <optional>

namespace korvex {

class SettingsStore;

// A new result file: read and write for its owner, read for everyone else.
inline constexpr QFileDevice::Permissions kResultFilePermissions =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;

// Where a result file goes and how it is named, as the output file settings say.
struct ResultFilePlacement {
    // True: beside the part program's file; false: the folder "DIR".
    bool partProgramFolder = false;
    ResultFileNaming naming;
};

// Reads them (a missing value is stored with its default). nullopt when a name code, the separator
// or a switch is not what it must be (no number, no Boolean).
std::optional<ResultFilePlacement> readResultFilePlacement(const SettingsStore& settings);

// The folder the file goes into: the part program's folder or "DIR" (default: the program folder).
// Empty when that setting or folder is empty.
QString resultFolder(const ResultFilePlacement& placement, const QString& partProgramFolder,
                     const SettingsStore& settings, const QString& programFolder);

// The folder with '/' separators, ending in one: the prefix of the file names in it.
QString folderWithSeparator(const QString& folder);

}  // namespace korvex
