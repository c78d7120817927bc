#pragma once

namespace korvex {

class LanguageTables;

// Gives every table that no language file has filled the German texts built into the program, so
// that a missing or incomplete language file never leaves a window without captions. Tables that
// hold texts keep them.
void fillUnallocatedTables(LanguageTables& tables);

}  // namespace korvex
