#pragma once

#include "util/UserInteraction.h"

#include <QString>

#include <initializer_list>

namespace korvex {

class LanguageTables;

// Shows a message box whose text is MessageBoxen entries joined by CR LF, under the application
// title.
void showMessageBoxen(UserInteraction& user, const LanguageTables& language, MessageIcon icon,
                      std::initializer_list<int> entries);

// Tells the user that settings could not be stored (a refused write of the settings store).
void tellSettingsNotStored(UserInteraction& user, const LanguageTables& language);

// Shows MessageBoxen entry `entry`, CR LF, then `detail` (a path, the host's reason), under the
// application title.
void showMessageBoxenWithDetail(UserInteraction& user, const LanguageTables& language, MessageIcon icon,
                                int entry, const QString& detail);

}  // namespace korvex
