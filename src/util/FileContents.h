#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace korvex {

// Replaces the file as a whole: the bytes go to a temporary file beside it, which is renamed over
// the old one only when every byte was written and flushed. A failure leaves the old file as it was.
[[nodiscard]] bool writeFileAtomically(const QString& path, const QByteArray& bytes);

// Every byte of the file; nothing when it cannot be opened or read to its end.
std::optional<QByteArray> readFileContents(const QString& path);

}  // namespace korvex
