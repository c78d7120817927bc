#pragma once

#include <optional>
#include <vector>

namespace korvex {

class ValueTables;

// Why a result file output of the marking (entry i - 1 of the characteristic list showing row i) has
// nothing to write: the MessageBoxen entry "no characteristics" (empty list) or "nothing marked";
// nullopt when something is marked.
std::optional<int> nothingToWriteEntry(const std::vector<bool>& selectedEntries);

// The numbers of the rows a result file holds, in row order: marked, reported ("PROTOKOLL" or
// "BEIDE") and not kept out by a "<<#" comment. Takes a leading "<<" off the comments of reported
// rows for good (CommentMarks).
std::vector<int> rowsToWrite(ValueTables& tables, const std::vector<bool>& selectedEntries);

}  // namespace korvex
