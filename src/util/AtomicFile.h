#pragma once

#include <QByteArrayView>
#include <QFileDevice>
#include <QString>

#include <optional>

namespace korvex {

// Replaces the file at `path` with `content` so that it holds either its old bytes or all of the new
// ones. The bytes go to a temporary file beside it and are flushed and synced to the disk; only when
// every step succeeded is the temporary file renamed over the old one. A full disk or a file-size
// limit is therefore seen before anything is replaced. The new file gets `permissions` when given,
// else those of the file it replaces (or the defaults).
// Returns the reason of a failure (the old file is untouched then), nothing when the file was written.
[[nodiscard]] std::optional<QString> replaceFileAtomically(
    const QString& path, QByteArrayView content,
    std::optional<QFileDevice::Permissions> permissions = std::nullopt);

// The same for callers that only need to know whether it worked.
[[nodiscard]] inline bool writeFileAtomically(
    const QString& path, QByteArrayView content,
    std::optional<QFileDevice::Permissions> permissions = std::nullopt) {
    return !replaceFileAtomically(path, content, permissions);
}

// Replaces the file at `path` in the same way with its own bytes followed by `extra`: a file that
// collects records grows without ever being seen half-written. The bytes are copied in pieces, so a
// large file needs no memory of its size. Returns the reason of a failure (the file is untouched then).
[[nodiscard]] std::optional<QString> appendToFileAtomically(const QString& path, QByteArrayView extra);

// Copies the source over the target in the same way; false when the source cannot be read whole or the
// target cannot be written.
[[nodiscard]] bool copyFileAtomically(const QString& source, const QString& target);

}  // namespace korvex
