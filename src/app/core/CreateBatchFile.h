#pragma once

#include "app/core/BatchFile.h"

#include <QString>

#include <optional>

namespace korvex {

class LanguageTables;
class UserInteraction;

// Writes the batch file of the platform beside workbook 1 (a ".bat" file on Windows, an executable
// shell script ".sh" elsewhere) that starts the program at `programPath` as the request asks.
// An incomplete request or a failed write is told to the user and leaves any existing file as it
// was; a written file is named in the status bar. The path written, if any.
std::optional<QString> createBatchFile(const BatchRequest& request, const QString& programPath,
                                       const LanguageTables& language, UserInteraction& user);

}  // namespace korvex
