#pragma once

#include <QString>

#include <pugixml.hpp>

namespace korvex::xlsx {

// The defined names of a workbook (<definedNames> of workbook.xml): print areas, print titles and
// other names; sheet-local names carry the position of their sheet in `localSheetId`.

// A sheet was inserted at `position`: names of the sheets from there on move one place up.
void shiftLocalSheetIds(pugi::xml_node workbook, int position);
// Gives the sheet at `copyPosition` a copy of every name local to the sheet at `sourcePosition`, its
// references pointing to the copy.
void copyLocalNames(pugi::xml_node workbook, int sourcePosition, int copyPosition, const QString& sourceName,
                    const QString& copyName);
// A sheet was renamed: every name that refers to it follows.
void renameSheetInNames(pugi::xml_node workbook, const QString& oldName, const QString& newName);

}  // namespace korvex::xlsx
