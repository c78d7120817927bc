#pragma once

#include "output/ResultFileName.h"

#include <QByteArray>
#include <QString>

namespace korvex {

// Where the runs of a part program are collected: the folder (ending in a separator) and how the file
// is named there.
struct DfqFileTarget {
    QString folder;
    ResultFileNaming naming;
    PartProgramNames names;
    NamingMoment moment;
};

enum class DfqSaveOutcome {
    // The run was added to the file that holds this part program's earlier runs.
    Appended,
    // A new file holds the run.
    Created,
    // A new file holds the run because the files of that name hold another part program's
    // characteristics (the program was changed): they are kept as they are.
    CreatedBesideChangedProgram,
    // Every counter name 0001..9999 holds another part program: nothing was written.
    NoFreeName,
    // The file could not be written; an earlier file keeps its bytes.
    NotWritten,
};

struct DfqSaveResult {
    DfqSaveOutcome outcome = DfqSaveOutcome::NotWritten;
    // The file written to, or tried.
    QString path;
};

// Adds one run (its value lines) to the file whose description block is `description`, or starts a
// new file with both. The file is the result-file name of the target; when that file holds other
// characteristics, the same name with the separator and the first counter number 0001..9999 that is
// free or holds these characteristics (with the counter on, only those). The file is replaced as a
// whole (read, extended, written beside it and renamed), so a failure keeps the old file, and writers
// in one folder take turns, so no run is lost.
DfqSaveResult saveDfqRun(const DfqFileTarget& target, const QByteArray& description,
                         const QByteArray& values);

}  // namespace korvex
