#pragma once

#include "app/core/StartArguments.h"
#include "characteristics/HeaderDataValues.h"
#include "characteristics/ValueTables.h"
#include "host/HostSession.h"
#include "settings/SettingsStore.h"
#include "util/LanguageTables.h"
#include "util/ProgramFolder.h"

#include <QString>

namespace korvex {

class UserInteraction;

// The program-wide state, created once by main and handed by reference to whoever needs it.
struct Session {
    ProgramFolder programFolder;
    SettingsStore settings;
    LanguageTables language;
    StartArguments arguments;
    // The results of the last gathering, and the header data of the part.
    ValueTables values;
    HeaderDataValues headerData;
    // The connected host's objects.
    HostSession host;
    // The spreadsheet application's version, which chooses the workbook file filters (probed at
    // start-up).
    QString spreadsheetVersion = QStringLiteral("andere");
    // Whether the header data dialog was opened from the main window (the main window is shown again
    // when it closes) or from the report layout editor (whose grid follows its list).
    bool headerDialogFromMainWindow = true;
    // The language whose file gave the texts in force; empty while only the built-in texts are.
    QString activeLanguage = {};
};

// Loads the language's file; a failure is told to the user and leaves the texts in force. Tables no
// file has filled take the built-in German texts.
void loadLanguage(Session& session, const QString& language, UserInteraction& user);

// Loads the language stored in the settings (German when none is stored yet).
void applyStoredLanguage(Session& session, UserInteraction& user);

// The main window caption: title, the MainWindow entry 2 word, the version and the layout file last used.
QString mainWindowCaption(const Session& session);

}  // namespace korvex
