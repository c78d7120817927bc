#include "output/OutputMessages.h"

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

}  // namespace korvex
