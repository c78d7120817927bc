#include "support/RecordingUserInteraction.h"
#include "support/TestFiles.h"
#include "util/LanguageLoader.h"
#include "util/LanguageTables.h"
#include "util/ProgramFolder.h"
#include "util/TextLines.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QSet>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <utility>

namespace korvex {
namespace {

// The names the language menu passes, which are the files' names.
const QStringList kMenuLanguages = {"German",  "English",    "French", "Italian",
                                    "Spanish", "Portuguese", "Czech",  "Hungary"};

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
    {LanguageTable::MessageBoxen, 96},
    {LanguageTable::StatusBar, 26},
    {LanguageTable::Version202, 2},
    {LanguageTable::Version210, 2},
};

QString shippedFolder() {
    return test::sourceDir() + QStringLiteral("/LanguageFiles");
}

QByteArray shippedBytes(const QString& language) {
    return test::readFile(shippedFolder() + u'/' + language + QStringLiteral(".dll"));
}

bool isValidUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    return !decoder.hasError();
}

// Every shipped language, loaded as the language menu loads it: from a program folder holding the
// shipped files, into one set of tables.
class ShippedLanguageFiles : public ::testing::Test {
  protected:
    ShippedLanguageFiles() {
        QDir().mkpath(languageFolder(programFolder_.path()));
        for (const QString& language : kMenuLanguages) {
            const QString name = language + QStringLiteral(".dll");
            QFile::copy(shippedFolder() + u'/' + name, languageFolder(programFolder_.path()) + u'/' + name);
        }
    }

    LanguageTables load(const QString& language) {
        LanguageTables tables;
        changeLanguage(language, ProgramFolder(programFolder_.path()), tables, user_);
        return tables;
    }

    QTemporaryDir programFolder_;
    test::RecordingUserInteraction user_;
};

TEST_F(ShippedLanguageFiles, EveryLanguageOfTheMenuIsShippedAndNoOther) {
    QStringList expected;
    for (const QString& language : kMenuLanguages) {
        expected.append(language + QStringLiteral(".dll"));
    }
    expected.sort();
    EXPECT_EQ(QDir(shippedFolder()).entryList({QStringLiteral("*.dll")}, QDir::Files, QDir::Name), expected);
}

TEST_F(ShippedLanguageFiles, AreInTheirLanguagesCodePageWithCrLfLineEnds) {
    for (const QString& language : kMenuLanguages) {
        SCOPED_TRACE(language.toStdString());
        const QByteArray bytes = shippedBytes(language);
        const AnsiCodePage codePage = codePageOfLanguage(language);
        ASSERT_TRUE(bytes.endsWith("\r\n"));
        EXPECT_EQ(bytes.count("\r\n"), bytes.count('\n'));
        EXPECT_EQ(bytes.count("\r\n"), bytes.count('\r'));
        EXPECT_FALSE(isValidUtf8(bytes)) << "an authored UTF-8 file that was never converted";

        const QString text = decodeAnsi(bytes, codePage);
        const EncodedAnsi again = encodeAnsi(text, codePage);
        EXPECT_EQ(again.bytes, bytes);
        EXPECT_TRUE(again.unmappable.isEmpty());
        for (const QChar ch : text) {
            // Bytes the code page leaves undefined decode to C1 controls.
            ASSERT_FALSE(ch.unicode() >= 0x80 && ch.unicode() <= 0x9F)
                << "undefined byte " << int{ch.unicode()};
            ASSERT_TRUE(ch == u'\r' || ch == u'\n' || ch.unicode() >= 0x20)
                << "control " << int{ch.unicode()};
        }
    }
}

TEST_F(ShippedLanguageFiles, LoadCompletelyWithEveryEntryTheGermanFileHas) {
    const LanguageTables german = load(QStringLiteral("German"));
    for (const auto& [table, highest] : kHighestEntryRead) {
        EXPECT_GE(german.lastEntry(table), highest) << qPrintable(headerLineOf(table));
    }
    for (const QString& language : kMenuLanguages) {
        SCOPED_TRACE(language.toStdString());
        const LanguageTables tables = load(language);
        EXPECT_TRUE(user_.messages.empty()) << qPrintable(user_.messages.front().text);
        EXPECT_EQ(tables.codePage(), codePageOfLanguage(language));
        for (const auto& [table, highest] : kHighestEntryRead) {
            EXPECT_EQ(tables.lastEntry(table), german.lastEntry(table)) << qPrintable(headerLineOf(table));
        }
    }
}

// What the program composes around an entry, and what it reads from one, is the same in every
// language: placeholders, the blanks at either end, the dashes of the composed window titles, the "ID" that
// the report layout editor cuts off, three different capture texts and the menu paths the messages name.
TEST_F(ShippedLanguageFiles, KeepTheRolesOfTheGermanEntries) {
    const LanguageTables german = load(QStringLiteral("German"));
    const auto shape = [](const QString& text) {
        return std::tuple(text == u"-", text.isEmpty(), text.startsWith(u' '), text.endsWith(u' '));
    };
    for (const QString& language : kMenuLanguages) {
        SCOPED_TRACE(language.toStdString());
        const LanguageTables tables = load(language);
        for (const auto& [table, highest] : kHighestEntryRead) {
            for (int entry = 1; entry <= german.lastEntry(table); ++entry) {
                const QString text = tables.text(table, entry);
                EXPECT_EQ(shape(text), shape(german.text(table, entry)))
                    << qPrintable(headerLineOf(table)) << " entry " << entry << ": " << qPrintable(text);
                EXPECT_FALSE(text.contains(u'&')) << qPrintable(text);
            }
        }
        EXPECT_TRUE(tables.text(LanguageTable::WindowPositionSetup, 2).startsWith(u"- "));
        EXPECT_TRUE(tables.text(LanguageTable::HeaderDataSetup, 2).endsWith(u" -"));
        for (const int entry : {21, 37}) {
            EXPECT_TRUE(tables.text(LanguageTable::ReportDesignSetup, entry).startsWith(u"ID "));
        }
        const auto status = [&](int entry) { return tables.text(LanguageTable::StatusBar, entry); };
        EXPECT_EQ(QSet<QString>({status(12), status(13), status(14)}).size(), 3);

        const auto menu = [&](int entry) { return tables.text(LanguageTable::MainWindow, entry); };
        for (const auto& [message, item] : {std::pair(5, 18), std::pair(39, 19), std::pair(48, 17)}) {
            const QString path = menu(4) + QStringLiteral(" > ") + menu(item).chopped(3);
            EXPECT_TRUE(tables.text(LanguageTable::MessageBoxen, message).contains(path)) << qPrintable(path);
        }
    }
}

}  // namespace
}  // namespace korvex
