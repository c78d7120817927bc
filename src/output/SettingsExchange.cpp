#include "output/SettingsExchange.h"

#include "util/AtomicFile.h"
#include "util/LanguageTables.h"
#include "util/MessageBoxen.h"

namespace korvex {
namespace {

constexpr int kFileNotSavedEntry = 13;
constexpr int kCannotImportEntry = 2;
constexpr int kExportFirstEntry = 3;

}  // namespace

bool exportSettingsFile(const NotationWriter& values, const QString& path, const LanguageTables& language,
                        UserInteraction& user) {
    const EncodedAnsi encoded = values.encoded(language.codePage());
    if (!writeFileAtomically(path, encoded.bytes)) {
        showMessageBoxen(user, language, MessageIcon::Critical, {kFileNotSavedEntry});
        return false;
    }
    tellUnmappableCharacters(user, language, encoded.unmappable);
    return true;
}

void tellSettingsFileUnreadable(const LanguageTables& language, UserInteraction& user) {
    showMessageBoxen(user, language, MessageIcon::Information, {kCannotImportEntry, kExportFirstEntry});
}

}  // namespace korvex
