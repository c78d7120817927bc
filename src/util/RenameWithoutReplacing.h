#pragma once

#include <QString>

namespace korvex {

enum class RenameOutcome { Renamed, TargetExists, Failed };

// Moves the file `from` to the name `to` in one step that never replaces a file already there, even
// one another process creates at the same moment: the name is either taken by this file or the
// answer is TargetExists and nothing changed. Both names must be in the same file system.
RenameOutcome renameWithoutReplacing(const QString& from, const QString& to);

}  // namespace korvex
