#include "support/RecordingUserInteraction.h"
#include "support/TestFiles.h"
#include "util/LanguageLoader.h"
#include "util/LanguageTables.h"
#include "util/ProgramFolder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace korvex {
namespace {

using test::readFile;
using test::writeFile;

class ProgramFolderTest : public ::testing::Test {
  protected:
    QString path(const char* relative) const { return dir_.filePath(QString::fromLatin1(relative)); }
    // A program folder as a build tree or a copied installation has it: the executable beside LanguageFiles/.
    QString copiedProgram() const {
        writeFile(path("program/LanguageFiles/German.dll"), "[Language Strings For StatusBar]\r\nBereit\r\n");
        return path("program");
    }
    ProgramFolder installed() const { return {path("user"), path("usr/share/korvex-tabulor")}; }

    QTemporaryDir dir_;
};

TEST_F(ProgramFolderTest, TheMovedFolderWinsAndIsReadAndWritten) {
    const ProgramFolder folder = chooseProgramFolder(
        {.movedTo = path("moved/../home"), .executableFolder = copiedProgram(), .userFolder = path("user")});
    EXPECT_EQ(folder, ProgramFolder(path("home")));
}

TEST_F(ProgramFolderTest, ACopiedProgramFolderIsUsedInPlaceWhileItCanBeWritten) {
    const QString program = copiedProgram();
    EXPECT_EQ(
        chooseProgramFolder(
            {.executableFolder = program, .executableFolderWritable = true, .userFolder = path("user")}),
        ProgramFolder(program));
    EXPECT_EQ(
        chooseProgramFolder(
            {.executableFolder = program, .executableFolderWritable = false, .userFolder = path("user")}),
        ProgramFolder(path("user"), program));
}

TEST_F(ProgramFolderTest, AnInstalledProgramReadsShippedFilesAndWritesToTheUsersFolder) {
    QDir().mkpath(path("usr/bin"));
    // Even where the executable's folder could be written (root), nothing is written below the prefix.
    const ProgramFolder folder = chooseProgramFolder(
        {.executableFolder = path("usr/bin"), .executableFolderWritable = true, .userFolder = path("user")});
    EXPECT_EQ(folder, installed());
}

TEST_F(ProgramFolderTest, TheUsersCopyIsReadBeforeTheShippedFile) {
    const ProgramFolder folder = installed();
    writeFile(path("usr/share/korvex-tabulor/HeaderData.cfg"), "shipped");
    EXPECT_EQ(folder.fileToRead(u"HeaderData.cfg"), path("usr/share/korvex-tabulor/HeaderData.cfg"));
    writeFile(path("user/HeaderData.cfg"), "own");
    EXPECT_EQ(readFile(folder.fileToRead(u"HeaderData.cfg")), QByteArray("own"));
    // A file in neither place is looked for where it would be shipped.
    EXPECT_EQ(folder.fileToRead(u"ASCII_Settings.cfg"), path("usr/share/korvex-tabulor/ASCII_Settings.cfg"));
}

TEST_F(ProgramFolderTest, WritingMakesTheFolderInTheUsersFolder) {
    const QString target = installed().fileToWrite(u"LanguageFiles/resource.dll");
    EXPECT_EQ(target, path("user/LanguageFiles/resource.dll"));
    EXPECT_TRUE(QFileInfo(path("user/LanguageFiles")).isDir());
}

TEST_F(ProgramFolderTest, ALanguageChangeReadsTheShippedFileAndWritesTheActiveCopyForTheUser) {
    const ProgramFolder folder = installed();
    writeFile(path("usr/share/korvex-tabulor/LanguageFiles/English.dll"),
              "[Language Strings For StatusBar]\r\nReady\r\n");
    LanguageTables tables;
    test::RecordingUserInteraction user;

    changeLanguage(QStringLiteral("English"), folder, tables, user);
    EXPECT_TRUE(user.messages.empty());
    EXPECT_EQ(tables.text(LanguageTable::StatusBar, 2), QStringLiteral("Ready"));
    EXPECT_EQ(readFile(path("user/LanguageFiles/resource.dll")),
              QByteArray("[Language Strings For StatusBar]\r\nReady\r\n"));
    EXPECT_FALSE(QFileInfo::exists(path("usr/share/korvex-tabulor/LanguageFiles/resource.dll")));

    // A language file of the user's own stands in for the shipped one.
    writeFile(path("user/LanguageFiles/English.dll"),
              "[Language Strings For StatusBar]\r\nReady to measure\r\n");
    changeLanguage(QStringLiteral("English"), folder, tables, user);
    EXPECT_EQ(tables.text(LanguageTable::StatusBar, 2), QStringLiteral("Ready to measure"));

    // A language in neither place is reported where it should have been shipped.
    changeLanguage(QStringLiteral("French"), folder, tables, user);
    ASSERT_EQ(user.messages.size(), 1U);
    EXPECT_TRUE(user.messages[0].text.contains(path("usr/share/korvex-tabulor/LanguageFiles/French.dll")));
}

}  // namespace
}  // namespace korvex
