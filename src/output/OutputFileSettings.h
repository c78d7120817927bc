#pragma once

#include "output/ResultFileName.h"

#include <QString>

#include <optional>

namespace korvex {

class NotationReader;
class NotationWriter;
class SettingsStore;

// Where ASCII result files go: the part program's folder, a folder asked for before each output, or
// the fixed folder of the settings.
enum class OutputFolderChoice { PartProgramFolder, AskBeforeOutput, FixedFolder };

// What the result file output writes: a delimited text file (CSV or TXT, as the ASCII format says)
// or an AQDEF file (DFQ) for SPC systems. The values are the codes stored and exported.
enum class ResultFileKind { DelimitedText = 0, Dfq = 1 };

// The kind the settings choose (a missing or unknown code is delimited text).
ResultFileKind readResultFileKind(const SettingsStore& settings);

// What the output file settings dialog edits.
struct OutputFileSettings {
    QString drive;
    QString folder;
    ResultFileNaming naming;
    OutputFolderChoice folderChoice = OutputFolderChoice::FixedFolder;
    bool zozadRegel = false;
    bool useHeaderData = true;
    bool multiLine = true;
    QString tolProzent = QStringLiteral("90");
    bool currentUser = false;
    bool minimize = false;
    ResultFileKind fileKind = ResultFileKind::DelimitedText;

    bool operator==(const OutputFileSettings&) const = default;
};

// The drive of a path: on Linux the root of the mounted volume that holds it ("/", "/media/usb"),
// on Windows the drive root ("C:/").
QString driveOf(const QString& path);

// The settings as the dialog opens them (a missing value is stored with the dialog's default; the
// drive and the folder default to the program folder).
OutputFileSettings loadOutputFileSettings(const SettingsStore& settings, const QString& programFolder);

// Stores every value; with currentUser the settings root is switched to the per-user root first.
// False when a value could not be stored.
[[nodiscard]] bool saveOutputFileSettings(const OutputFileSettings& values, SettingsStore& settings);

// OutputFile_Settings.cfg: 18 values in the write notation (zozadRegel is not part of it).
void writeOutputFileSettings(const OutputFileSettings& values, NotationWriter& out);
// The file read over the dialog's current values: zozadRegel stays; a file of an older version that
// ends after 14 values gives tolProzent "90" and keeps the last switches, one that ends after 17 keeps
// the file kind. nullopt when the file holds fewer than 14 values or one of the wrong kind.
std::optional<OutputFileSettings> readOutputFileSettings(NotationReader& in,
                                                         const OutputFileSettings& current);

}  // namespace korvex
