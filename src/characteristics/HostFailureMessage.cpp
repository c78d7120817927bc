#include "characteristics/HostFailureMessage.h"

#include "util/LanguageTables.h"
#include "util/UserInteraction.h"

namespace korvex {
namespace {

constexpr int kReadFailedText = 14;
constexpr int kStartHostText = 42;

}  // namespace

void tellHostFailure(UserInteraction& user, const LanguageTables& language, const QString& reason) {
    const QString paragraph = QStringLiteral("\r\n\r\n");
    user.showMessage({
        .text = language.text(LanguageTable::MessageBoxen, kReadFailedText) + paragraph + reason + paragraph +
                language.text(LanguageTable::MessageBoxen, kStartHostText),
        .title = QStringLiteral("KORVEX Connection"),
        .icon = MessageIcon::Critical,
    });
}

}  // namespace korvex
