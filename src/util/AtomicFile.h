#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>

#include <optional>

namespace korvex {

// Writes the file through a temporary file beside it that replaces the target only once it is
// complete: a failed write leaves an existing target as it was and never a half-written one. The
// new file gets `permissions` when given, else those of the file it replaces (or the defaults).
// False when anything failed.
bool writeFileAtomically(const QString& path, const QByteArray& content,
                         std::optional<QFileDevice::Permissions> permissions = std::nullopt);

// Copies the source over the target in the same way; false when the source cannot be read or the
// target cannot be written.
bool copyFileAtomically(const QString& source, const QString& target);

}  // namespace korvex
