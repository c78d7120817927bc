#pragma once

#include "host/CommandSnapshot.h"

#include <QStringView>

#include <optional>
#include <vector>

namespace korvex {

// A bus message may not exceed the daemon's limit (128 MiB by default); a reply that would is never
// delivered, and its caller sees no answer at all. A bulk snapshot reply therefore stops adding
// commands once their texts reach this budget, well under the limit.
inline constexpr qsizetype kSnapshotReplyBudget = qsizetype{16} * 1024 * 1024;
// The most one command may take: alone in a reply, it must still pass the limit comfortably.
inline constexpr qsizetype kLargestCommandSize = qsizetype{64} * 1024 * 1024;

// The bytes the text takes on the bus (UTF-8, without the length and the terminating NUL).
qsizetype utf8Size(QStringView text);

// An upper estimate of the bytes the snapshot takes on the bus.
qsizetype marshalledSize(const CommandSnapshot& snapshot);

// How many of the leading snapshots fit the budget together; at least one, so that a reader always
// gets on, and none only when there are none.
qsizetype snapshotsWithinBudget(const std::vector<CommandSnapshot>& snapshots, qsizetype budget);

// The position of the first snapshot larger than the limit; none when all are within it.
std::optional<qsizetype> firstSnapshotOverLimit(const std::vector<CommandSnapshot>& snapshots,
                                                qsizetype limit);

}  // namespace korvex
