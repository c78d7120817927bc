#include "util/MessageBoxen.h"

#include "util/LanguageTables.h"

#include <QStringList>

namespace korvex {

void showMessageBoxen(UserInteraction& user, const LanguageTables& language, MessageIcon icon,
                      std::initializer_list<int> entries) {
    QStringList lines;
    for (const int entry : entries) {
        lines.append(language.text(LanguageTable::MessageBoxen, entry));
    }
    user.showMessage({.text = lines.join(QStringLiteral("\r\n")), .icon = icon});
}

void tellUnmappableCharacters(UserInteraction& user, const LanguageTables& language,
                              const QStringList& unmappable) {
    if (unmappable.isEmpty()) {
        return;
    }
    constexpr int kUnmappableEntry = 90;
    constexpr int kCodePageEntry = 91;
    const QStringList lines = {language.text(LanguageTable::MessageBoxen, kUnmappableEntry),
                               unmappable.join(u' '),
                               language.text(LanguageTable::MessageBoxen, kCodePageEntry) + u' ' +
                                   codePageName(language.codePage())};
    user.showMessage({.text = lines.join(QStringLiteral("\r\n")), .icon = MessageIcon::Warning});
}

void tellSettingsNotStored(UserInteraction& user, const LanguageTables& language) {
    constexpr int kOperationFailedEntry = 22;
    showMessageBoxen(user, language, MessageIcon::Critical, {kOperationFailedEntry});
}

void showMessageBoxenWithDetail(UserInteraction& user, const LanguageTables& language, MessageIcon icon,
                                int entry, const QString& detail) {
    user.showMessage(
        {.text = language.text(LanguageTable::MessageBoxen, entry) + QStringLiteral("\r\n") + detail,
         .icon = icon});
}

}  // namespace korvex
