#include "app/core/Session.h"

#include "util/AppVersion.h"
#include "util/LanguageLoader.h"

namespace korvex {

void applyStoredLanguage(Session& session, UserInteraction& user) {
    const QString language = session.settings.readSetting(keys::kLanguage, QStringLiteral("German"));
    changeLanguage(language, session.programFolder, session.language, user);
}

QString mainWindowCaption(const Session& session) {
    return applicationTitle() + QStringLiteral("  ") + session.language.text(LanguageTable::MainWindow, 2) +
           u' ' + versionText() + QStringLiteral("   ---   ") +
           session.settings.readSetting(keys::kLastUsedConfig, QString());
}

}  // namespace korvex
