#pragma once

#include "report/layout/LayoutFile.h"

#include <QString>

#include <optional>
#include <utility>
#include <vector>

namespace korvex {

struct Session;
class SettingsStore;
class UserInteraction;

// What the report layout editor holds and does, apart from its widgets: the texts of its fields
// (the layout values, the header variables' places and names) and how they are checked, stored in
// the settings and kept in layout files.

// The stored layout as the editor's fields show it, for `headerCount` header variables: blank optional
// values read "NotUsed", a blank comment length "0", the first and last row as decimal numbers.
// Nothing, after the user has been told why, when the stored layout cannot be used.
std::optional<LayoutValues> storedLayoutFields(const Session& session, int headerCount,
                                               UserInteraction& user);

// True when the first and last row and the measurement list are filled in.
bool requiredFieldsFilled(const LayoutValues& values);

// Every other blank field (blanks only count as blank) becomes "NotUsed", the comment length "0";
// so do blank header places.
void replaceBlankFields(LayoutValues& values);

// The values as OK stores them, in the order they are written; the header places follow the page
// count and the running number comes last.
std::vector<std::pair<QString, QString>> settingsWriteOrder(const LayoutValues& values);

// Stores the fields in the settings; false, after the user has been told, when a value was refused.
bool storeLayoutFields(const Session& session, const LayoutValues& values, UserInteraction& user);

// The chosen file name with ".cfg" appended unless it ends so already.
QString withLayoutFileExtension(const QString& path);

// A layout file read for the number of header variables its own "[Kopfdaten]" section names.
// Nothing when there is no such section or the file does not fit the format for that number.
std::optional<LayoutFileContent> parseLayoutFileWithItsNames(
    const QByteArray& bytes, AnsiCodePage codePage = AnsiCodePage::Windows1252);

// Writes the layout file and records it as the last used one. False, after the user has been told,
// when it could not be written: an older file of that name is then kept as it was.
bool saveLayoutFileFromFields(Session& session, const QString& path, const LayoutFileContent& content,
                              UserInteraction& user);

// Reads a layout file for the editor: it must be a whole layout file with its "[Kopfdaten]" section.
// Only then HeaderData.cfg is replaced by the file's names, the session's header variables follow them
// (when header data is shown) and the file is recorded as the last used one. Nothing, after the user
// has been told, when the file was refused or HeaderData.cfg could not be written; nothing is changed
// then.
std::optional<LayoutFileContent> loadLayoutFileIntoFields(Session& session, const QString& path,
                                                          UserInteraction& user);

}  // namespace korvex
