#pragma once

#include <QString>

namespace korvex {

// Appends a text cell of a delimited result file so that readers always get one line per row and the
// right columns: carriage returns and line feeds become blanks, and a text holding the delimiter or a
// double quote is enclosed in double quotes with each double quote inside doubled ("a;b" becomes
// "\"a;b\"" with the delimiter ";"). An empty delimiter quotes nothing.
void appendTextCell(QString& text, const QString& cell, const QString& delimiter);

}  // namespace korvex
