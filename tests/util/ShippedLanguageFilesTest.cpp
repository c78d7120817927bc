#include "support/TestFiles.h"
#include "util/LanguageLoader.h"
#include "util/LanguageTables.h"

#include <gtest/gtest.h>

#include <QDir>

#include <utility>

namespace korvex {
namespace {

// The highest entry of each table that the program reads (docs/language-entries.md lists them all).
constexpr std::pair<LanguageTable, int> kHighestEntryRead[] = {
    {LanguageTable::About, 8},
    {LanguageTable::AsciiFileSetup, 36},
    {LanguageTable::OutputFileSetup, 26},
    {LanguageTable::BatchFileEditor, 18},
    {LanguageTable::ReportDesignSetup, 50},
    {LanguageTable::WindowPositionSetup, 10},
    {LanguageTable::MainWindow, 74},
    {LanguageTable::HeaderDataSetup, 15},
    {LanguageTable::ExcelOnline, 7},
    {LanguageTable::SavePartProgram, 10},
    {LanguageTable::SelectOutputFolder, 6},
    {LanguageTable::MessageBoxen, 55},
    {LanguageTable::StatusBar, 14},
    {LanguageTable::Version202, 2},
    {LanguageTable::Version210, 2},
};

QStringList shippedLanguageFiles() {
    const QDir folder(test::sourceDir() + QStringLiteral("/LanguageFiles"));
    QStringList files;
    for (const QString& name : folder.entryList({QStringLiteral("*.dll")}, QDir::Files, QDir::Name)) {
        if (name != u"resource.dll") {
            files.append(folder.filePath(name));
        }
    }
    return files;
}

TEST(ShippedLanguageFiles, GermanAndEnglishAreShipped) {
    const QStringList files = shippedLanguageFiles();
    EXPECT_TRUE(files.contains(test::sourceDir() + QStringLiteral("/LanguageFiles/German.dll")));
    EXPECT_TRUE(files.contains(test::sourceDir() + QStringLiteral("/LanguageFiles/English.dll")));
}

TEST(ShippedLanguageFiles, AreWindows1252WithCrLfLineEnds) {
    for (const QString& path : shippedLanguageFiles()) {
        SCOPED_TRACE(path.toStdString());
        const QByteArray bytes = test::readFile(path);
        ASSERT_TRUE(bytes.endsWith("\r\n"));
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            const auto byte = static_cast<unsigned char>(bytes[i]);
            if (byte == '\n') {
                ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare LF at byte " << i;
            } else if (byte == '\r') {
                ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "bare CR at byte " << i;
            }
            // Bytes Windows-1252 leaves undefined, and what UTF-8 would leave behind.
            ASSERT_FALSE(byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D)
                << "byte " << i;
            ASSERT_NE(byte, 0xC3) << "looks like UTF-8 at byte " << i;
        }
    }
}

TEST(ShippedLanguageFiles, HoldEveryEntryTheProgramReads) {
    for (const QString& path : shippedLanguageFiles()) {
        SCOPED_TRACE(path.toStdString());
        LanguageTables tables;
        ASSERT_TRUE(loadLanguageFile(path, tables));
        for (const auto& [table, highest] : kHighestEntryRead) {
            EXPECT_GE(tables.lastEntry(table), highest) << qPrintable(headerLineOf(table));
        }
    }
}

}  // namespace
}  // namespace korvex
