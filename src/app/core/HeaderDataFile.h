#pragma once

#include <QStringList>

#include <optional>

namespace korvex {

// The header-data list HeaderData.cfg in the program folder: one variable name a line.
QString headerDataFilePath(const QString& programFolderPath);

// The variable names of the list; nothing when the file is missing or unreadable.
std::optional<QStringList> readHeaderDataFile(const QString& programFolderPath);

// The variable names of the list; none when the file is missing or unreadable.
QStringList readHeaderDataNames(const QString& programFolderPath);

// Replaces the list as a whole (Windows-1252, CR LF). False, with the old file kept, when it could not
// be written.
[[nodiscard]] bool writeHeaderDataNames(const QString& programFolderPath, const QStringList& names);

}  // namespace korvex
