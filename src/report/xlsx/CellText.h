#pragma once

#include <QString>

#include <pugixml.hpp>

namespace korvex::xlsx {

// Cell texts in SpreadsheetML write characters that XML cannot hold (control characters) as
// "_xHHHH_"; a literal "_xHHHH_" in the text has its "_" written as "_x005F_".
QString escapeCellText(const QString& text);
QString unescapeCellText(const QString& text);

// The text of a string item (<si> or <is>): its <t>, or the <t> of every rich-text run; phonetic runs
// do not count.
QString stringItemText(pugi::xml_node item);
// Fills an empty string item with one <t> holding the text, keeping its blanks and line breaks.
void setStringItemText(pugi::xml_node item, const QString& text);

}  // namespace korvex::xlsx
