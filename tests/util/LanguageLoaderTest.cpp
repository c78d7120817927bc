#include "support/RecordingUserInteraction.h"
#include "support/TestFiles.h"
#include "util/BuiltInLanguage.h"
#include "util/LanguageLoader.h"
#include "util/LanguageTables.h"
#include "util/ProgramFolder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

namespace korvex {
namespace {

using test::readFile;
using test::writeFile;

class LanguageLoaderTest : public ::testing::Test {
  protected:
    QString languageFile(const QString& name) const { return languageFolder(dir_.path()) + u'/' + name; }
    void ship(const QString& language, const QByteArray& content) {
        writeFile(languageFile(language + QStringLiteral(".dll")), content);
    }
    void change(const QString& language) {
        changeLanguage(language, ProgramFolder(dir_.path()), tables_, user_);
    }

    QTemporaryDir dir_;
    LanguageTables tables_;
    test::RecordingUserInteraction user_;
};

TEST_F(LanguageLoaderTest, NumbersEntriesFromTheHeaderLine) {
    ship(QStringLiteral("English"),
         "stray line before any header\r\n"
         "[Version 2.0.2]\r\n"
         "\r\n"
         "Continue?\r\n"
         "[Language Strings For StatusBar]\r\n"
         "  Ready  \r\n"
         "[Language Strings For MessageBoxen] \r\n"
         "[Unknown Section]\r\n");
    change(QStringLiteral("English"));

    EXPECT_TRUE(user_.messages.empty());
    EXPECT_EQ(tables_.text(LanguageTable::Version202, 0), QString());
    EXPECT_EQ(tables_.text(LanguageTable::Version202, 1), QStringLiteral("[Version 2.0.2]"));
    EXPECT_EQ(tables_.text(LanguageTable::Version202, 2), QString());
    EXPECT_EQ(tables_.text(LanguageTable::Version202, 3), QStringLiteral("Continue?"));
    EXPECT_EQ(tables_.lastEntry(LanguageTable::Version202), 3);
    // Lines are taken unchanged; a header with a trailing blank or an unknown header is a plain text.
    EXPECT_EQ(tables_.text(LanguageTable::StatusBar, 2), QStringLiteral("  Ready  "));
    EXPECT_EQ(tables_.text(LanguageTable::StatusBar, 3),
              QStringLiteral("[Language Strings For MessageBoxen] "));
    EXPECT_EQ(tables_.text(LanguageTable::StatusBar, 4), QStringLiteral("[Unknown Section]"));
    EXPECT_FALSE(tables_.isAllocated(LanguageTable::MessageBoxen));
    EXPECT_EQ(tables_.text(LanguageTable::MessageBoxen, 1), QString());
}

TEST_F(LanguageLoaderTest, MakesTheChosenFileTheActiveCopy) {
    const QByteArray content = "[Language Strings For StatusBar]\r\nBereit\r\n";
    ship(QStringLiteral("German"), content);
    change(QStringLiteral("German"));
    EXPECT_EQ(readFile(activeLanguageFilePath(ProgramFolder(dir_.path()))), content);
}

TEST_F(LanguageLoaderTest, ASectionReadTwiceKeepsOnlyItsLastOccurrence) {
    ship(QStringLiteral("English"),
         "[Language Strings For StatusBar]\r\nfirst\r\nsecond\r\n"
         "[Version 2.1.0]\r\nx\r\n"
         "[Language Strings For StatusBar]\r\nthird\r\n");
    change(QStringLiteral("English"));
    EXPECT_EQ(tables_.lastEntry(LanguageTable::StatusBar), 2);
    EXPECT_EQ(tables_.text(LanguageTable::StatusBar, 2), QStringLiteral("third"));
}

TEST_F(LanguageLoaderTest, SectionsAFileLacksKeepTheEarlierLanguage) {
    ship(QStringLiteral("German"),
         "[Language Strings For StatusBar]\r\nBereit\r\n[Version 2.1.0]\r\nNeu\r\n");
    ship(QStringLiteral("English"), "[Version 2.1.0]\r\nNew\r\n");
    change(QStringLiteral("German"));
    change(QStringLiteral("English"));
    EXPECT_EQ(tables_.text(LanguageTable::StatusBar, 2), QStringLiteral("Bereit"));
    EXPECT_EQ(tables_.text(LanguageTable::Version210, 2), QStringLiteral("New"));

    // Loading the same language again gives the same tables.
    change(QStringLiteral("English"));
    EXPECT_EQ(tables_.lastEntry(LanguageTable::Version210), 2);
}

TEST_F(LanguageLoaderTest, ReadsEachLanguageInItsCodePageAndKeepsItWhenAFileIsMissing) {
    const QByteArray statusBar = "[Language Strings For StatusBar]\r\nMa\xDF \x80 \xFC \xE8\x9A\r\n";
    ship(QStringLiteral("German"), statusBar);
    ship(QStringLiteral("Czech"), statusBar);

    change(QStringLiteral("German"));
    EXPECT_EQ(tables_.text(LanguageTable::StatusBar, 2), QStringLiteral("Maß € ü èš"));
    EXPECT_EQ(tables_.codePage(), AnsiCodePage::Windows1252);

    change(QStringLiteral("Czech"));
    EXPECT_EQ(tables_.text(LanguageTable::StatusBar, 2), QStringLiteral("Maß € ü čš"));
    EXPECT_EQ(tables_.codePage(), AnsiCodePage::Windows1250);

    change(QStringLiteral("Hungary"));
    EXPECT_EQ(tables_.codePage(), AnsiCodePage::Windows1250) << "the texts in force keep their code page";
    EXPECT_EQ(user_.messages.size(), 1U);
}

TEST_F(LanguageLoaderTest, AMissingLanguageFileIsToldAndChangesNothing) {
    ship(QStringLiteral("German"), "[Language Strings For StatusBar]\r\nBereit\r\n");
    change(QStringLiteral("German"));
    change(QStringLiteral("French"));

    ASSERT_EQ(user_.messages.size(), 1U);
    EXPECT_EQ(user_.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(user_.messages[0].text, QStringLiteral("Language file ") +
                                          languageFile(QStringLiteral("French.dll")) +
                                          QStringLiteral(" did not exist."));
    EXPECT_TRUE(user_.messages[0].title.isEmpty());
    EXPECT_EQ(tables_.text(LanguageTable::StatusBar, 2), QStringLiteral("Bereit"));
    EXPECT_EQ(readFile(activeLanguageFilePath(ProgramFolder(dir_.path()))),
              QByteArray("[Language Strings For StatusBar]\r\nBereit\r\n"));
}

TEST_F(LanguageLoaderTest, ASectionPastTheEntryLimitFailsTheLoadButKeepsWhatWasRead) {
    QByteArray content = "[Language Strings For StatusBar]\r\n";
    for (int i = 2; i <= LanguageTables::kMaxEntries + 1; ++i) {
        content += QByteArray::number(i) + "\r\n";
    }
    content += "[Version 2.1.0]\r\nafter\r\n";
    ship(QStringLiteral("English"), content);
    change(QStringLiteral("English"));

    ASSERT_EQ(user_.messages.size(), 1U);
    EXPECT_EQ(user_.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(tables_.lastEntry(LanguageTable::StatusBar), LanguageTables::kMaxEntries);
    EXPECT_EQ(tables_.text(LanguageTable::Version210, 2), QStringLiteral("after"));
}

TEST_F(LanguageLoaderTest, AFolderThatRefusesTheActiveCopyStillChangesTheLanguage) {
    ship(QStringLiteral("English"), "[Language Strings For StatusBar]\r\nReady\r\n");
    QDir().mkpath(activeLanguageFilePath(ProgramFolder(dir_.path())));  // a folder where the copy should go
    change(QStringLiteral("English"));
    EXPECT_TRUE(user_.messages.empty());
    EXPECT_EQ(tables_.text(LanguageTable::StatusBar, 2), QStringLiteral("Ready"));
}

TEST(LanguageLoader, AnUnreadableFileIsAFailedLoad) {
    LanguageTables tables;
    EXPECT_FALSE(loadLanguageFile(QStringLiteral("/nonexistent/resource.dll"), tables));
    EXPECT_FALSE(tables.isAllocated(LanguageTable::StatusBar));
}

TEST_F(LanguageLoaderTest, TablesNoFileFilledTakeTheBuiltInGermanTexts) {
    ship(QStringLiteral("English"), "[Language Strings For StatusBar]\r\nReady\r\n");
    change(QStringLiteral("English"));
    fillUnallocatedTables(tables_);
    EXPECT_EQ(tables_.text(LanguageTable::StatusBar, 2), QStringLiteral("Ready"));
    EXPECT_EQ(tables_.lastEntry(LanguageTable::StatusBar), 2);
    EXPECT_EQ(tables_.text(LanguageTable::MainWindow, 3), QStringLiteral("Datei"));
    EXPECT_EQ(tables_.text(LanguageTable::Version202, 1), QStringLiteral("[Version 2.0.2]"));
    for (std::size_t i = 0; i < kLanguageTableCount; ++i) {
        EXPECT_TRUE(tables_.isAllocated(static_cast<LanguageTable>(i))) << i;
    }
}

}  // namespace
}  // namespace korvex
