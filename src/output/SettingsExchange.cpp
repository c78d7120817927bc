#include "output/SettingsExchange.h"

#include "util/MessageBoxen.h"

namespace korvex {
namespace {

constexpr int kFileNotSavedEntry = 13;
constexpr int kCannotImportEntry = 2;
constexpr int kExportFirstEntry = 3;

}  // namespace

bool exportSettingsFile(const NotationWriter& values, const QString& path, const LanguageTables& language,
                        UserInteraction& user) {
    if (values.saveTo(path)) {
        return true;
    }
    showMessageBoxen(user, language, MessageIcon::Critical, {kFileNotSavedEntry});
    return false;
}

void tellSettingsFileUnreadable(const LanguageTables& language, UserInteraction& user) {
    showMessageBoxen(user, language, MessageIcon::Information, {kCannotImportEntry, kExportFirstEntry});
}

}  // namespace korvex
