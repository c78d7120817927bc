#include "app/core/FileMessage.h"

#include "util/LanguageTables.h"
#include "util/UserInteraction.h"

namespace korvex {

void tellFileProblem(UserInteraction& user, const LanguageTables& language, int entry, const QString& path) {
    user.showMessage(
        {.text = language.text(LanguageTable::MessageBoxen, entry) + QStringLiteral("\r\n") + path,
         .title = {},
         .icon = MessageIcon::Critical});
}

}  // namespace korvex
