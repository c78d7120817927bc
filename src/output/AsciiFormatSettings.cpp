#include "output/AsciiFormatSettings.h"

#include "settings/SettingTexts.h"
#include "settings/SettingsStore.h"
#include "util/WriteNotation.h"

#include <bitset>
#include <vector>

namespace korvex {
namespace {

// The export holds the delimiter between the check states of columns 19 and 20 (indices 18, 19).
constexpr int kChecksBeforeDelimiter = 19;

std::size_t at(int column) {
    return static_cast<std::size_t>(column);
}

AsciiFileType fileTypeOf(bool csv, bool txt) {
    return csv && !txt ? AsciiFileType::Csv : AsciiFileType::Txt;
}

// Each place is empty, 0 (not written) or one of the places 1 to 22, and no place is held twice.
bool placesAreUsable(const std::array<QString, kAsciiColumnCount>& places) {
    std::bitset<kAsciiColumnCount + 1> held;
    for (const QString& text : places) {
        if (text.isEmpty()) {
            continue;
        }
        bool isNumber = false;
        const int place = text.toInt(&isNumber);
        if (!isNumber || place < 0 || place > kAsciiColumnCount ||
            (place > 0 && held.test(static_cast<std::size_t>(place)))) {
            return false;
        }
        held.set(static_cast<std::size_t>(place));
    }
    return true;
}

}  // namespace

AsciiFormat loadAsciiFormat(const SettingsStore& settings) {
    AsciiFormat format;
    for (int column = 0; column < kAsciiColumnCount; ++column) {
        format.checked[at(column)] =
            settingIsTrue(settings.readSetting(asciiCheckKey(column), QStringLiteral("1")));
    }
    format.delimiter = settings.readSetting(keys::kAsciiDelimiter, QStringLiteral(","));
    const bool csv = settingIsTrue(settings.readSetting(keys::kAsciiCsv, QStringLiteral("1")));
    const bool txt = settingIsTrue(settings.readSetting(keys::kAsciiTxt, QStringLiteral("0")));
    format.fileType = fileTypeOf(csv, txt);
    for (int column = 0; column < kAsciiColumnCount; ++column) {
        format.places[at(column)] = settings.readSetting(asciiPlaceKey(column), QString());
    }
    placeUnplacedColumns(format);
    return format;
}

bool saveAsciiFormat(const AsciiFormat& format, const SettingsStore& settings) {
    std::vector<SettingValue> stored;
    for (int column = 0; column < kAsciiColumnCount; ++column) {
        stored.push_back({asciiCheckKey(column), checkBoxText(format.checked[at(column)])});
    }
    stored.push_back({keys::kAsciiDelimiter, format.delimiter});
    stored.push_back({keys::kAsciiCsv, optionButtonText(format.fileType == AsciiFileType::Csv)});
    stored.push_back({keys::kAsciiTxt, optionButtonText(format.fileType == AsciiFileType::Txt)});
    for (int column = 0; column < kAsciiColumnCount; ++column) {
        stored.push_back({asciiPlaceKey(column), format.places[at(column)]});
    }
    return settings.writeSettings(stored);
}

void writeAsciiFormat(const AsciiFormat& format, NotationWriter& out) {
    for (int column = 0; column < kAsciiColumnCount; ++column) {
        if (column == kChecksBeforeDelimiter) {
            out.writeText(format.delimiter);
        }
        out.writeInteger(format.checked[at(column)] ? 1 : 0);
    }
    out.writeBoolean(format.fileType == AsciiFileType::Csv);
    out.writeBoolean(format.fileType == AsciiFileType::Txt);
    for (const QString& place : format.places) {
        out.writeText(place);
    }
}

std::optional<AsciiFormat> readAsciiFormat(NotationReader& in) {
    AsciiFormat format;
    for (int column = 0; column < kAsciiColumnCount; ++column) {
        if (column == kChecksBeforeDelimiter) {
            format.delimiter = in.readText();
        }
        format.checked[at(column)] = in.readInteger() != 0;
    }
    const bool csv = in.readBoolean();
    const bool txt = in.readBoolean();
    format.fileType = fileTypeOf(csv, txt);
    for (QString& place : format.places) {
        place = in.readText();
    }
    if (!in.ok() || !placesAreUsable(format.places)) {
        return std::nullopt;
    }
    return format;
}

}  // namespace korvex
