#pragma once

#include "output/AsciiWriter.h"

namespace korvex {

enum class AsciiOutputResult {
    Written,
    NotWritten,
    // The output folder is to be chosen first: the caller shows frm_SelectFolder, whose OK stores
    // the folder and then calls writeAsciiFile.
    FolderToBeChosen,
};

// The main window's ASCII output: toolbar button 5, and an unattended run ("a", "m", "o") without a
// workbook. With "SelectFolder" on, an interactive run asks for the folder first; an unattended run
// never waits for a dialog nobody may answer and writes into the folder chosen last ("DIR").
// The caller ends the program after an unattended run as the run mode says.
AsciiOutputResult runAsciiOutput(const AsciiOutputSources& sources, const AsciiOutputContext& context,
                                 bool unattended);

}  // namespace korvex
