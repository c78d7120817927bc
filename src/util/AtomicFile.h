#pragma once

#include <QByteArray>
#include <QString>

namespace korvex {

// Replaces the file as a whole: the bytes go to a temporary file beside it, which is renamed over
// the old one only when every byte was written and flushed. A failure leaves the old file as it was.
[[nodiscard]] bool writeFileAtomically(const QString& path, const QByteArray& bytes);

}  // namespace korvex
