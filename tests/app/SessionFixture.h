#pragma once

#include "app/core/Session.h"
#include "support/RecordingUserInteraction.h"
#include "support/TestFiles.h"
#include "util/LanguageLoader.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

namespace korvex::test {

// A session on a program folder of its own (the shipped language files, the English texts loaded, a
// header-data list of two names), settings in the same temporary folder and a recording user.
class SessionFixture : public ::testing::Test {
  protected:
    SessionFixture() {
        const QDir languages(sourceDir() + QStringLiteral("/LanguageFiles"));
        for (const QString& name : languages.entryList({QStringLiteral("*.dll")}, QDir::Files)) {
            writeFile(dir_.filePath(QStringLiteral("program/LanguageFiles/")) + name,
                      readFile(languages.filePath(name)));
        }
        loadLanguageFile(languages.filePath(QStringLiteral("English.dll")), session_.language);
        writeFile(headerDataPath(), "Operator\r\nMachine\r\n");
    }

    QString headerDataPath() const { return dir_.filePath(QStringLiteral("program/HeaderData.cfg")); }
    QString filePath(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir_;
    Session session_{.programFolder = ProgramFolder(dir_.filePath(QStringLiteral("program"))),
                     .settings = SettingsStore({dir_.filePath(QStringLiteral("machine.ini")),
                                                dir_.filePath(QStringLiteral("user.ini"))}),
                     .language = {},
                     .arguments = {},
                     .values = {},
                     .headerData = {}};
    RecordingUserInteraction user_;
};

// The lines of a layout file for two header variables, every optional group written.
inline QByteArray twoVariableLayoutFile() {
    return "F\r\nE\r\nA\r\nH\r\n20\r\nB\r\nC\r\nI-K\r\nG\r\nD\r\n30\r\n8\r\n-1\r\n5\r\n6\r\nL\r\nM\r\nN\r\n"
           "O\r\nP\r\nQ\r\nR\r\n2\r\n3\r\nB\r\nVM\r\nS\r\n1\r\nC\r\n2\r\nD\r\n3\r\nE\r\nT\r\n4\r\nU\r\n5\r\n"
           "[Kopfdaten]\r\nOperator\r\nMachine\r\n";
}

}  // namespace korvex::test
