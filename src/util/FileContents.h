#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace korvex {

// Every byte of the file; nothing when it cannot be opened or read to its end.
std::optional<QByteArray> readFileContents(const QString& path);

}  // namespace korvex
