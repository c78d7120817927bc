#pragma once

#include <QByteArray>
#include <QString>

namespace korvex::test {

// Writes bytes to a file, creating its folder; fails the test when it cannot.
void writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);

// The source tree (for shipped files such as LanguageFiles/ and examples/).
QString sourceDir();

}  // namespace korvex::test
