#include "output/AsciiOutput.h"
#include "output/AsciiOutputFixture.h"
#include "support/FullDisk.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <QDir>

namespace korvex {
namespace {

using Places = std::array<int, kAsciiColumnCount>;

constexpr Places kEveryColumnInOrder = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11,
                                        12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22};
// Deviation, max and min lead; then ID and axis, nominal, tolerances, measured.
constexpr Places kDeviationFirst = {4, 5, 6, 7, 0, 8, 1, 0, 3, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
// Type, measured, marked and comment at places 2 to 5; nothing at place 1.
constexpr Places kNoFirstPlace = {0, 0, 0, 0, 0, 3, 0, 0, 0, 0, 0, 0, 4, 0, 0, 0, 0, 0, 0, 0, 2, 5};

QByteArray golden(const QString& name) {
    return test::readFile(test::sourceDir() + QStringLiteral("/tests/output/golden/") + name);
}

class AsciiWriterTest : public test::AsciiOutputFixture {
  protected:
    QString status(int entry) const { return QStringLiteral("StatusBar %1").arg(entry); }
    QString messageText() const { return user_.messages.empty() ? QString() : user_.messages.front().text; }
};

TEST_F(AsciiWriterTest, WritesEveryColumnWithHeaderDataAsTheGoldenFile) {
    storeLayout(kEveryColumnInOrder, QStringLiteral(";"), true);
    store(keys::kHeader, QStringLiteral("1"));
    ASSERT_TRUE(writeAsciiFile(sources(), context()));
    EXPECT_EQ(test::readFile(outputPath(QStringLiteral("csv"))),
              golden(QStringLiteral("all-columns-semicolon.csv")));
    EXPECT_TRUE(user_.messages.empty());
    EXPECT_EQ(user_.statusTexts, QStringList({status(9), status(10)}));
}

TEST_F(AsciiWriterTest, MirrorsNegativeValuesByTheToleranceRuleWhereverTheColumnsStand) {
    storeLayout(kDeviationFirst, QStringLiteral(","), true);
    store(keys::kZozadRegel, QStringLiteral("true"));
    ASSERT_TRUE(writeAsciiFile(sources(), context()));
    EXPECT_EQ(test::readFile(outputPath(QStringLiteral("csv"))),
              golden(QStringLiteral("deviation-first-zozad.csv")));
}

TEST_F(AsciiWriterTest, WritesValuesAsTheyAreWithoutTheToleranceRule) {
    storeLayout(kDeviationFirst, QStringLiteral(","), true);
    store(keys::kZozadRegel, QStringLiteral("FALSE"));
    ASSERT_TRUE(writeAsciiFile(sources(), context()));
    EXPECT_EQ(test::readFile(outputPath(QStringLiteral("csv"))),
              golden(QStringLiteral("deviation-first.csv")));
}

TEST_F(AsciiWriterTest, ALineWithoutPlaceOneStartsWithTheDelimiterInTheLocalesNumbers) {
    storeLayout(kNoFirstPlace, QStringLiteral("\t"), false);
    store(keys::kZozadRegel, QStringLiteral("TRUE"));
    moment_.locale = QLocale(QLocale::German, QLocale::Germany);
    ASSERT_TRUE(writeAsciiFile(sources(), context()));
    EXPECT_EQ(test::readFile(outputPath(QStringLiteral("txt"))),
              golden(QStringLiteral("no-first-place-tab-comma-decimals.txt")));
}

TEST_F(AsciiWriterTest, CommentMarksAreTakenOffOnceAndStayOff) {
    storeLayout(kEveryColumnInOrder, QStringLiteral(";"), true);
    ASSERT_TRUE(writeAsciiFile(sources(), context()));
    EXPECT_EQ(tables_.comment(1)->line(1), QStringLiteral("Bore pattern"));
    EXPECT_EQ(tables_.comment(2)->line(1), QStringLiteral("<<#internal check"));
    EXPECT_EQ(tables_.comment(3)->line(1), QStringLiteral("<< Operator note"))
        << "two rows share this comment; its mark is taken off once";
}

TEST_F(AsciiWriterTest, AnEmptyListOrNoMarkingWritesNothing) {
    storeLayout(kEveryColumnInOrder, QStringLiteral(";"), true);
    selected_.assign(selected_.size(), false);
    EXPECT_FALSE(writeAsciiFile(sources(), context()));
    EXPECT_EQ(messageText(), QStringLiteral("MessageBoxen 24\r\nMessageBoxen 46"));
    EXPECT_EQ(user_.messages.front().icon, MessageIcon::Information);

    selected_.clear();
    EXPECT_FALSE(writeAsciiFile(sources(), context()));
    EXPECT_EQ(user_.messages.back().text, QStringLiteral("MessageBoxen 45\r\nMessageBoxen 46"));
    EXPECT_EQ(user_.statusTexts, QStringList({status(11), status(11)}));
    EXPECT_TRUE(filesInOutputFolder().isEmpty());
}

TEST_F(AsciiWriterTest, PlacesNeverSavedAreReportedAsUnreadableSettings) {
    store(keys::kDir, outputFolder());
    EXPECT_FALSE(writeAsciiFile(sources(), context()));
    EXPECT_EQ(messageText(), QStringLiteral("MessageBoxen 47\r\nMessageBoxen 48"));
    EXPECT_EQ(user_.messages.front().icon, MessageIcon::Critical);
    EXPECT_EQ(user_.statusTexts, QStringList({status(9), status(11)}));
    EXPECT_TRUE(filesInOutputFolder().isEmpty());
}

TEST_F(AsciiWriterTest, AFolderThatCannotBeWrittenLeavesNoFileBehind) {
    storeLayout(kEveryColumnInOrder, QStringLiteral(";"), true);
    test::writeFile(outputFolder_.filePath(QStringLiteral("file.txt")), "x");
    store(keys::kDir, outputFolder_.filePath(QStringLiteral("file.txt/sub")));
    EXPECT_FALSE(writeAsciiFile(sources(), context()));
    EXPECT_EQ(messageText(), QStringLiteral("MessageBoxen 49"));
    EXPECT_EQ(user_.statusTexts, QStringList({status(9), status(11)}));
    EXPECT_EQ(filesInOutputFolder(), QStringList({QStringLiteral("file.txt")}));
}

TEST_F(AsciiWriterTest, AFileSizeLimitKeepsTheEarlierResultsAndSaysSo) {
    storeLayout(kDeviationFirst, QStringLiteral(","), true);
    const QByteArray earlier = "earlier results\r\n";
    test::writeFile(outputPath(QStringLiteral("csv")), earlier);
    EXPECT_TRUE(test::passesUnderFileSizeLimit(
        64, [&] { return !writeAsciiFile(sources(), context()) && messageText() == u"MessageBoxen 49"; }));
    EXPECT_EQ(test::readFile(outputPath(QStringLiteral("csv"))), earlier);
    EXPECT_EQ(filesInOutputFolder(), QStringList({QStringLiteral("HOUSING__4711.csv")}));
}

TEST_F(AsciiWriterTest, ReplacesAnEarlierFileUnlessTheCounterIsOn) {
    storeLayout(kDeviationFirst, QStringLiteral(","), true);
    test::writeFile(outputPath(QStringLiteral("csv")), "earlier results\r\n");
    ASSERT_TRUE(writeAsciiFile(sources(), context()));
    EXPECT_EQ(test::readFile(outputPath(QStringLiteral("csv"))),
              golden(QStringLiteral("deviation-first.csv")));

    store(keys::kFileCounter, QStringLiteral("1"));
    ASSERT_TRUE(writeAsciiFile(sources(), context()));
    ASSERT_TRUE(writeAsciiFile(sources(), context()));
    EXPECT_EQ(filesInOutputFolder(),
              QStringList({QStringLiteral("HOUSING__4711.csv"), QStringLiteral("HOUSING__4711__0001.csv"),
                           QStringLiteral("HOUSING__4711__0002.csv")}));
}

TEST_F(AsciiWriterTest, ThePartProgramFolderOptionWritesBesideThePartProgram) {
    storeLayout(kDeviationFirst, QStringLiteral(","), false);
    store(keys::kPartProgFolder, QStringLiteral("-1"));
    ASSERT_TRUE(writeAsciiFile(sources(), context()));
    EXPECT_TRUE(QFile::exists(programFolder_.filePath(QStringLiteral("HOUSING__4711.txt"))));
    EXPECT_TRUE(filesInOutputFolder().isEmpty());
}

TEST_F(AsciiWriterTest, AskingForTheFolderFirstIsLeftToTheCallerUnlessTheRunIsUnattended) {
    storeLayout(kDeviationFirst, QStringLiteral(","), true);
    store(keys::kSelectFolder, QStringLiteral("-1"));
    EXPECT_EQ(runAsciiOutput(sources(), context(), false), AsciiOutputResult::FolderToBeChosen);
    EXPECT_TRUE(filesInOutputFolder().isEmpty());
    EXPECT_EQ(runAsciiOutput(sources(), context(), true), AsciiOutputResult::Written);
    EXPECT_TRUE(QFile::exists(outputPath(QStringLiteral("csv"))));

    store(keys::kSelectFolder, QStringLiteral("0"));
    selected_.clear();
    EXPECT_EQ(runAsciiOutput(sources(), context(), false), AsciiOutputResult::NotWritten);
}

}  // namespace
}  // namespace korvex
