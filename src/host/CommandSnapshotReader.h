#pragma once

#include "host/CommandSnapshot.h"

namespace korvex {

class HostCommand;

// Builds a command's snapshot from the single host calls: the objects the command has, the field 169
// of a dimension command, and the generic fields of a type 184 command. Comment lines 1 to
// CommentSnapshot::kMaxLines are fetched and trailing empty ones dropped. May throw HostCallError.
CommandSnapshot readCommandSnapshot(HostCommand& command);

}  // namespace korvex
