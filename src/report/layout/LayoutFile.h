#pragma once

#include "report/layout/LayoutValues.h"
#include "util/AnsiCodec.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace korvex {

class SettingsStore;

// A named report layout kept as a ".cfg" file: the layout's texts one per line in a fixed order, the
// places of the header variables, the optional groups, then "[Kopfdaten]" and the header variables'
// names. In the code page of the active language (Windows-1252 when none is given), every line ending in
// CR LF. The number of header variables is not stored: the
// file is tied to the number the program has when it reads the file.
struct LayoutFileContent {
    LayoutValues values;
    QStringList headerNames;

    friend bool operator==(const LayoutFileContent&, const LayoutFileContent&) = default;
};

// The line that starts the header variables' names.
inline constexpr QStringView kHeaderNamesLine = u"[Kopfdaten]";

// The file's bytes, with every optional group written.
QByteArray layoutFileBytes(const LayoutFileContent& content,
                           AnsiCodePage codePage = AnsiCodePage::Windows1252);

// Reads a file written for `headerCount` header variables. An optional group that "[Kopfdaten]"
// takes the place of is absent, and it and the groups after it read "NotUsed" (files of older
// layouts). Nothing when the file is shorter than the format needs, a group is cut off, or the names
// after "[Kopfdaten]" are not exactly `headerCount` (a file written for another number of header
// variables would put every later value in the wrong place).
std::optional<LayoutFileContent> parseLayoutFile(const QByteArray& bytes, int headerCount,
                                                 AnsiCodePage codePage = AnsiCodePage::Windows1252);

// The file read from disk; nothing when it cannot be read or parsed.
std::optional<LayoutFileContent> readLayoutFile(const QString& path, int headerCount,
                                                AnsiCodePage codePage = AnsiCodePage::Windows1252);
// Replaces the file as a whole. False when it could not be written.
[[nodiscard]] bool writeLayoutFile(const QString& path, const LayoutFileContent& content,
                                   AnsiCodePage codePage = AnsiCodePage::Windows1252);

// The layout file of an unattended run copied into the settings. ".cfg" is appended to `path` unless
// it ends so already. False, with the settings untouched, when the path is empty or the file cannot
// be read as a layout for `headerCount` header variables; false also when a value was refused.
bool importLayoutFile(QString& path, const SettingsStore& settings, int headerCount,
                      AnsiCodePage codePage = AnsiCodePage::Windows1252);

}  // namespace korvex
