#include "output/ResultFilePlacement.h"

#include "settings/SettingTexts.h"
#include "settings/SettingsStore.h"

#include <QDir>

#include <array>

namespace korvex {
namespace {

constexpr std::array<keys::SettingKey, ResultFileNaming::kPositions> kNameKeys = {
    keys::kFileName1, keys::kFileName2, keys::kFileName3, keys::kFileName4, keys::kFileName5};

}  // namespace

std::optional<ResultFilePlacement> readResultFilePlacement(const SettingsStore& settings) {
    ResultFilePlacement values;
    const auto partProgramFolder =
        settingBoolean(settings.readSetting(keys::kPartProgFolder, QStringLiteral("0")));
    if (!partProgramFolder) {
        return std::nullopt;
    }
    values.partProgramFolder = *partProgramFolder;
    for (std::size_t i = 0; i < kNameKeys.size(); ++i) {
        const auto code = settingInteger(
            settings.readSetting(kNameKeys[i], i == 0 ? QStringLiteral("0") : QStringLiteral("1")));
        if (!code) {
            return std::nullopt;
        }
        values.naming.codes[i] = *code;
    }
    const auto separator = settingInteger(settings.readSetting(keys::kSeparator, QStringLiteral("1")));
    const auto counter = settingBoolean(settings.readSetting(keys::kFileCounter, QStringLiteral("0")));
    if (!separator || !counter) {
        return std::nullopt;
    }
    values.naming.separatorCode = *separator;
    values.naming.useCounter = *counter;
    return values;
}

QString resultFolder(const ResultFilePlacement& placement, const QString& partProgramFolder,
                     const SettingsStore& settings, const QString& programFolder) {
    return placement.partProgramFolder ? partProgramFolder : settings.readSetting(keys::kDir, programFolder);
}

QString folderWithSeparator(const QString& folder) {
    const QString path = QDir::fromNativeSeparators(folder);
    return path.endsWith(u'/') ? path : path + u'/';
}

}  // namespace korvex
