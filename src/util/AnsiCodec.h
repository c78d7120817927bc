#pragma once

#include <QByteArray>
#include <QString>

namespace korvex {

// Text files beside the program (language files, result files, settings exports) are written in the
// ANSI code page of the measuring-room PC: Windows-1252.
QString decodeAnsi(const QByteArray& bytes);

// Characters that Windows-1252 cannot hold become '?'.
QByteArray encodeAnsi(const QString& text);

}  // namespace korvex
