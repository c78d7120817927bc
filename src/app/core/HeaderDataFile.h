#pragma once

#include "util/AnsiCodec.h"

#include <QStringList>

namespace korvex {

// The header-data list HeaderData.cfg in the program folder: one variable name a line.
QString headerDataFilePath(const QString& programFolderPath);

// The variable names of the list, read in the code page; none when the file is missing or unreadable.
QStringList readHeaderDataNames(const QString& programFolderPath, AnsiCodePage codePage);

}  // namespace korvex
