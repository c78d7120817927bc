#pragma once

#include "util/AnsiCodec.h"
#include "util/ProgramFolder.h"

#include <QStringList>

#include <optional>

namespace korvex {

// The header-data list HeaderData.cfg in the program folder: one variable name a line, in the code page
// of the active language, CR LF.
inline constexpr QStringView kHeaderDataFile = u"HeaderData.cfg";

// The variable names of the list (the user's copy first, then the shipped one); nothing when the file is
// missing or unreadable.
std::optional<QStringList> readHeaderDataFile(const ProgramFolder& folder, AnsiCodePage codePage);

// The variable names of the list; none when the file is missing or unreadable.
QStringList readHeaderDataNames(const ProgramFolder& folder, AnsiCodePage codePage);

// Replaces the list as a whole on the program folder's writable side. False, with the old file kept,
// when it could not be written.
[[nodiscard]] bool writeHeaderDataNames(const ProgramFolder& folder, const QStringList& names,
                                        AnsiCodePage codePage);

}  // namespace korvex
