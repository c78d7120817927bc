#pragma once

#include "util/AnsiCodec.h"
#include "util/ProgramFolder.h"

#include <QStringList>

namespace korvex {

// The header-data list HeaderData.cfg in the program folder: one variable name a line.
inline constexpr QStringView kHeaderDataFile = u"HeaderData.cfg";

// The variable names of the list (the user's copy first, then the shipped one), read in the code page;
// none when the file is missing or unreadable.
QStringList readHeaderDataNames(const ProgramFolder& folder, AnsiCodePage codePage);

}  // namespace korvex
