#pragma once

#include <QByteArray>
#include <QString>

namespace korvex {

// Replaces the file as a whole: the content goes to a new file that is renamed over the old one only
// when every byte was written, so a failure leaves the previous file as it was. False then.
[[nodiscard]] bool replaceFileContent(const QString& path, const QByteArray& content);

}  // namespace korvex
