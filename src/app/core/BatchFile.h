#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace korvex {

// Which characteristics the started program outputs: "/a", "/m" or "/o".
enum class BatchSelection { All, Marked, Online };

// Which report it fills: "/ALL" (complete), "/OOT" (correction values) or "/ALO" (both, into two
// workbooks).
enum class BatchReport { Complete, Corrections, Both };

// What a batch file starts the program with, as the operator chose it.
struct BatchRequest {
    BatchSelection selection = BatchSelection::Online;
    BatchReport report = BatchReport::Complete;
    QString workbook1;
    QString layoutFile;
    QString workbook2;
};

enum class BatchRequestProblem {
    None,
    // Workbook 1 or the layout file is missing (empty or blanks only).
    WorkbookOrLayoutMissing,
    // "/ALO" asks for a second workbook and none is chosen.
    SecondWorkbookMissing,
};

BatchRequestProblem problemOf(const BatchRequest& request);

// The option words as the dialog shows them.
QString selectionOption(BatchSelection selection);
QString reportOption(BatchReport report);

// The program's arguments 1 to 5: selection option, workbook 1, layout file, report option and, only
// for "/ALO", workbook 2.
QStringList batchArguments(const BatchRequest& request);

// The Windows batch file: "@echo off" and the quoted program path followed by the arguments, each path
// behind a "/" of its own, two lines in the ANSI code page, each ended by CR LF. The program splits
// its command line at "/", so forward slashes in paths become backslashes; characters that cmd.exe
// would act on ("%", "^", "&", "|", "<", ">") are escaped so that the program receives them as they are.
QByteArray windowsBatchText(const QString& programPath, const BatchRequest& request);

// The POSIX shell script: "#!/bin/sh" and an exec of the program with the arguments, every word in
// single quotes, so blanks, quotes, "$" and line breaks in paths reach the program unchanged.
QByteArray shellScriptText(const QString& programPath, const QStringList& arguments);

// A word in single quotes for a POSIX shell (a quote inside becomes '\'').
QString shellQuoted(const QString& word);

// Where the batch file for workbook 1 goes: beside it, its extension (the part of the file name from
// its last dot, if any) replaced by `extension` (".bat", ".sh"). A file name without an extension gets
// `extension` appended; so does one that already ends in it, so the batch file never replaces the
// workbook.
QString batchFilePath(const QString& workbook1, const QString& extension);

}  // namespace korvex
