#include "util/BuiltInLanguage.h"

#include "util/LanguageLoader.h"
#include "util/LanguageTables.h"

namespace korvex {

void fillUnallocatedTables(LanguageTables& tables) {
    LanguageTables builtIn;
    // The German language file is compiled into the program; it is read as any other file.
    (void)loadLanguageFile(QStringLiteral(":/builtin/German.dll"), builtIn);
    tables.adoptUnallocated(builtIn);
}

}  // namespace korvex
