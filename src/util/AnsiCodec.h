#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace korvex {

// The ANSI code pages of the measuring-room PCs the program's text files come from: Central European
// Windows (Czech, Hungarian) uses Windows-1250, Western European Windows Windows-1252. Language files,
// .cfg files and ASCII result files are all in the code page of the active language.
enum class AnsiCodePage { Windows1250, Windows1252 };

// The code page a language's files are written in, by the language name the language menu stores:
// Windows-1250 for "Czech" and "Hungary", Windows-1252 for every other name.
AnsiCodePage codePageOfLanguage(const QString& language);

// "Windows-1250" or "Windows-1252", as the user is told.
QString codePageName(AnsiCodePage codePage);

// Every byte has a character: the bytes a code page leaves undefined become the C1 control
// characters of the same value, as the Windows conversion does, so a file read and written again
// keeps its bytes.
QString decodeAnsi(const QByteArray& bytes, AnsiCodePage codePage);

struct EncodedAnsi {
    QByteArray bytes;
    // The characters the code page cannot hold, each once in the order they first occur; each of
    // their occurrences became one '?' in the bytes.
    QStringList unmappable;
};

EncodedAnsi encodeAnsi(const QString& text, AnsiCodePage codePage);

}  // namespace korvex
