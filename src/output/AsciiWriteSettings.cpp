#include "output/AsciiWriteSettings.h"

#include "output/SettingTexts.h"
#include "settings/SettingsStore.h"

namespace korvex {
namespace {

constexpr std::array<keys::SettingKey, ResultFileNaming::kPositions> kNameKeys = {
    keys::kFileName1, keys::kFileName2, keys::kFileName3, keys::kFileName4, keys::kFileName5};

}  // namespace

std::optional<AsciiWriteSettings> readAsciiWriteSettings(const SettingsStore& settings) {
    AsciiWriteSettings values;
    for (int column = 0; column < kAsciiColumnCount; ++column) {
        const auto place = settingInteger(settings.readSetting(asciiPlaceKey(column), QString()));
        if (!place) {
            return std::nullopt;
        }
        values.places[static_cast<std::size_t>(column)] = *place;
    }
    values.delimiter = settings.readSetting(keys::kAsciiDelimiter, QStringLiteral(","));
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
    const auto csv = settingBoolean(settings.readSetting(keys::kAsciiCsv, QStringLiteral("0")));
    if (!csv) {
        return std::nullopt;
    }
    values.fileType = *csv ? AsciiFileType::Csv : AsciiFileType::Txt;
    return values;
}

}  // namespace korvex
