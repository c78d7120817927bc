#include "output/AsciiWriteSettings.h"

#include "settings/SettingTexts.h"
#include "settings/SettingsStore.h"

namespace korvex {

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
    const std::optional<ResultFilePlacement> placement = readResultFilePlacement(settings);
    if (!placement) {
        return std::nullopt;
    }
    values.placement = *placement;
    const auto csv = settingBoolean(settings.readSetting(keys::kAsciiCsv, QStringLiteral("0")));
    if (!csv) {
        return std::nullopt;
    }
    values.fileType = *csv ? AsciiFileType::Csv : AsciiFileType::Txt;
    return values;
}

}  // namespace korvex
