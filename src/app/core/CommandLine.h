#pragma once

#include "app/core/StartArguments.h"

#include <QStringList>

namespace korvex {

// Splits a raw command line: "/" and Tab separate arguments, every other character (blanks too)
// belongs to one; each argument is trimmed. Arguments past the maximum are ignored.
StartArguments splitCommandLine(const QString& rawCommandLine,
                                int maxArguments = StartArguments::kMaxArguments);

// The same from words a shell has already split (the program's argv without argv[0]): each word is
// one argument; a word that starts with "/" and holds no further "/" (/a, /ALL, /) loses that "/",
// any other word (a path) stays as it is.
StartArguments argumentsFromWords(const QStringList& words, int maxArguments = StartArguments::kMaxArguments);

}  // namespace korvex
