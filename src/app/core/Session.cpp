#include "app/core/Session.h"

#include "util/AppVersion.h"
#include "util/BuiltInLanguage.h"
#include "util/LanguageLoader.h"

namespace korvex {

void loadLanguage(Session& session, const QString& language, UserInteraction& user) {
    if (changeLanguage(language, session.programFolder, session.language, user)) {
        session.activeLanguage = language;
    }
    fillUnallocatedTables(session.language);
}

void applyStoredLanguage(Session& session, UserInteraction& user) {
    loadLanguage(session, session.settings.readSetting(keys::kLanguage, QStringLiteral("German")), user);
}

QString mainWindowCaption(const Session& session) {
    return applicationTitle() + QStringLiteral("  ") + session.language.text(LanguageTable::MainWindow, 2) +
           u' ' + versionText() + QStringLiteral("   ---   ") +
           session.settings.readSetting(keys::kLastUsedConfig, QString());
}

}  // namespace korvex
