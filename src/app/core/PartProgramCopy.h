#pragma once

#include <QDateTime>
#include <QString>

#include <memory>
#include <optional>

namespace korvex {

class HostConnector;
class HostPartProgram;
class LanguageTables;
class UserInteraction;

// The part program the host has open now and the name of its file.
struct OpenPartProgram {
    std::shared_ptr<HostPartProgram> program;
    QString fileName;
};

// Asks the host afresh for its open part program (an earlier read or capture stays connected as it
// was). When the host does not run, has no part program open or fails, the user is told and there is
// none.
std::optional<OpenPartProgram> openPartProgram(HostConnector& connector, const LanguageTables& language,
                                               UserInteraction& user);

// The texts of a dated copy of the part program, fixed when the save dialog opens.
struct PartProgramCopyName {
    // The part program's file name without its extension, folder kept.
    QString programName;
    // "dd-mm-yyyy" and "hh-mm-ss".
    QString date;
    QString time;
};

PartProgramCopyName partProgramCopyName(const QString& programFile, const QDateTime& moment);

// The part identification as it can go into a file name: every character that a file name on Linux
// or Windows cannot hold, or that would reach another folder ("/", "\", ":", "*", "?", '"', "<", ">",
// "|" and control characters such as line breaks), becomes "_".
QString safePartIdentification(const QString& typed);

// programName__date__time__identification.sav, beside the part program's file; the identification
// made safe first.
QString partProgramCopyPath(const PartProgramCopyName& name, const QString& partIdentification);

// Tells the host to save the part program, then copies its file `programFile` to `copyPath`,
// replacing a file of that name. The copy is written whole or not at all. A failed save (then nothing
// is copied) or a failed copy is told to the user; a made copy is named in the status bar. True when
// the copy was made.
bool savePartProgramCopy(HostPartProgram& program, const QString& programFile, const QString& copyPath,
                         const LanguageTables& language, UserInteraction& user);

}  // namespace korvex
