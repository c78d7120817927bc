#pragma once

#include "util/AnsiCodec.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace korvex {

// Splits text into lines the way sequential text input reads them: CR LF, a lone CR or a lone LF
// ends a line; a last line without an end is a line too. Lines are returned unchanged otherwise.
QStringList splitLines(const QString& text);

// Each line followed by CR LF, in the code page.
EncodedAnsi joinAnsiLines(const QStringList& lines, AnsiCodePage codePage);

}  // namespace korvex
