#pragma once

#include "util/LanguageTables.h"
#include "util/WriteNotation.h"

#include <QString>
#include <QStringView>

#include <functional>
#include <optional>

namespace korvex {

class UserInteraction;

// The exports of the two output settings dialogs, in the program folder (written to its writable side,
// read from the user's copy first).
inline constexpr QStringView kAsciiSettingsFile = u"ASCII_Settings.cfg";
inline constexpr QStringView kOutputFileSettingsFile = u"OutputFile_Settings.cfg";

// Replaces the file with the values, in the active language's code page; when it cannot be written
// the user is told (MessageBoxen 13) and the previous file stays. False then. Characters the code
// page cannot hold are written as '?' and named to the user.
bool exportSettingsFile(const NotationWriter& values, const QString& path, const LanguageTables& language,
                        UserInteraction& user);

// Reads the file with `read`; when the file cannot be opened or does not hold a complete set, the
// user is told (MessageBoxen 2, CR LF, 3) and nullopt returned.
template <typename Values>
std::optional<Values> importSettingsFile(const QString& path,
                                         const std::function<std::optional<Values>(NotationReader&)>& read,
                                         const LanguageTables& language, UserInteraction& user);

void tellSettingsFileUnreadable(const LanguageTables& language, UserInteraction& user);

template <typename Values>
std::optional<Values> importSettingsFile(const QString& path,
                                         const std::function<std::optional<Values>(NotationReader&)>& read,
                                         const LanguageTables& language, UserInteraction& user) {
    std::optional<NotationReader> in = NotationReader::fromFile(path, language.codePage());
    std::optional<Values> values = in ? read(*in) : std::nullopt;
    if (!values) {
        tellSettingsFileUnreadable(language, user);
    }
    return values;
}

}  // namespace korvex
