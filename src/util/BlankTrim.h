#pragma once

#include <QString>

namespace korvex {

// The text without the blanks (spaces) at its start and end; tabs and other white space stay.
QString trimBlanks(const QString& text);

}  // namespace korvex
