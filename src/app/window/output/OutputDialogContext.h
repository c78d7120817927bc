#pragma once

#include "util/LanguageTables.h"
#include "util/ProgramFolder.h"

#include <QString>

namespace korvex {

class SettingsStore;
class UserInteraction;

// What the output dialogs read, store and tell through; the session object holds it all.
struct OutputDialogContext {
    SettingsStore& settings;
    const LanguageTables& language;
    UserInteraction& user;
    ProgramFolder programFolder;

    QString text(LanguageTable table, int entry) const { return language.text(table, entry); }
};

// Tells the user that the settings could not be stored (MessageBoxen 22).
void tellSettingsNotStored(const OutputDialogContext& context);

}  // namespace korvex
