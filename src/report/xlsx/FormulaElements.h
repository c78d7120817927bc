#pragma once

#include <QString>

#include <pugixml.hpp>

namespace korvex::xlsx {

// Points every formula of an XML part that names the sheet `oldName` to `newName`: cell formulas,
// data-validation and conditional-format formulas, sparkline ranges and chart series references,
// whatever prefix their elements carry. Gives whether anything changed.
bool renameSheetInFormulas(pugi::xml_node root, const QString& oldName, const QString& newName);

}  // namespace korvex::xlsx
