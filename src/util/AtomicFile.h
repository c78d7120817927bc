#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>

namespace korvex {

// Replaces the file at `path` with `content` so that it holds either its old bytes or all of the new
// ones. The bytes go to a temporary file beside it and are flushed and synced to the disk; only when
// every step succeeded is the temporary file renamed over the old one. A full disk or a file-size
// limit is therefore seen before anything is replaced.
// Returns the reason of a failure (the old file is untouched then), nothing when the file was written.
[[nodiscard]] std::optional<QString> replaceFileAtomically(const QString& path, QByteArrayView content);

}  // namespace korvex
