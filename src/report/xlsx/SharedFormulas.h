#pragma once

#include <QString>

#include <pugixml.hpp>

namespace korvex::xlsx {

// A formula written for one cell, moved by `rows` and `columns` as the cells that share a formula
// read it: relative references move, absolute parts ($A$1) stay; a reference moved off the sheet
// becomes #REF!. Texts in quotes, sheet names and function names are left alone.
QString shiftFormula(const QString& formula, int rows, int columns);

// Gives every cell of a sheet that shares a formula (<f t="shared">) the formula text of its own,
// so that writing over the first cell of a shared formula cannot take the formula from the others.
void unshareFormulas(pugi::xml_node sheetData);

}  // namespace korvex::xlsx
