#pragma once

#include "output/AsciiWriter.h"

namespace korvex {

enum class AsciiOutputResult {
    Written,
    NotWritten,
    // The output folder is to be chosen first: the caller shows frm_SelectFolder, whose OK stores
    // the folder and then calls writeResultFile.
    FolderToBeChosen,
};

// Writes the result file of the kind the output file settings choose: the delimited text file
// (writeAsciiFile) or the AQDEF file (writeDfqFile). True when it was written.
bool writeResultFile(const AsciiOutputSources& sources, const AsciiOutputContext& context);

// The main window's ASCII output: toolbar button 5, and an unattended run ("a", "m", "o") without a
// workbook. With "SelectFolder" on, an interactive run asks for the folder first; an unattended run
// never waits for a dialog nobody may answer and writes into the folder chosen last ("DIR").
// The caller ends the program after an unattended run as the run mode says.
AsciiOutputResult runAsciiOutput(const AsciiOutputSources& sources, const AsciiOutputContext& context,
                                 bool unattended);

}  // namespace korvex
