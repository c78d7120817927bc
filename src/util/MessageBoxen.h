#pragma once

#include "util/UserInteraction.h"

#include <QString>
#include <QStringList>

#include <initializer_list>

namespace korvex {

class LanguageTables;

// Shows a message box whose text is MessageBoxen entries joined by CR LF, under the application
// title.
void showMessageBoxen(UserInteraction& user, const LanguageTables& language, MessageIcon icon,
                      std::initializer_list<int> entries);

// Tells the user which characters a file just written could not hold in the active code page and
// now shows as '?' (MessageBoxen 90, CR LF, the characters, CR LF, MessageBoxen 91, blank, the code
// page's name). Nothing when there are none.
void tellUnmappableCharacters(UserInteraction& user, const LanguageTables& language,
                              const QStringList& unmappable);

// Tells the user that settings could not be stored (a refused write of the settings store).
void tellSettingsNotStored(UserInteraction& user, const LanguageTables& language);

// Shows MessageBoxen entry `entry`, CR LF, then `detail` (a path, the host's reason), under the
// application title.
void showMessageBoxenWithDetail(UserInteraction& user, const LanguageTables& language, MessageIcon icon,
                                int entry, const QString& detail);

}  // namespace korvex
