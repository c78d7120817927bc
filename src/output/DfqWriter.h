#pragma once

#include "output/AsciiWriter.h"

namespace korvex {

// Writes the rows an ASCII file would hold (marked, reported, not kept out by "<<#") as one run of
// an AQDEF result file (.dfq) for SPC systems, named and placed by the output file settings. A run of
// the same part program is added to the file of its earlier runs; a changed part program starts a new
// file, and the user is told its name. The file is replaced as a whole, so a failure (disk full,
// folder read-only) keeps the earlier file and is reported. Keeps the status bar informed. True when
// the run was written.
bool writeDfqFile(const AsciiOutputSources& sources, const AsciiOutputContext& context);

}  // namespace korvex
