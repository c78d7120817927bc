#include "output/AsciiLineBuilder.h"
#include "output/AsciiOutput.h"
#include "output/AsciiOutputFixture.h"
#include "support/FullDisk.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <QDir>

#include <atomic>
#include <thread>

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

// ID and axis, nominal, element 1, type, comment.
constexpr Places kTextColumns = {1, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3, 0, 0, 0, 0, 0, 0, 4, 5};

QList<QByteArray> linesOf(const QByteArray& file) {
    QList<QByteArray> lines = file.split('\n');
    lines.removeLast();
    return lines;
}

TEST_F(AsciiWriterTest, HostTextsStayOnOneLineAndInTheirOwnColumns) {
    storeLayout(kTextColumns, QStringLiteral(";"), true);
    moment_.locale = QLocale(QLocale::German, QLocale::Germany);
    tables_ = ValueTables();
    CommentRecord& comment = *tables_.comment(tables_.appendComment());
    comment.setLine(1, QStringLiteral("Bore;pattern"));
    comment.setLine(2, QStringLiteral(" 2.5 mm"));
    CharacteristicRecord& row = tables_.appendRow();
    row.id = QStringLiteral("B.1;\r\nleft");
    row.axis = QStringLiteral("X");
    row.nominal = 12.5;
    row.outputMode = QStringLiteral("PROTOKOLL");
    row.element1 = QStringLiteral("say \"hi\"");
    row.typeName = QStringLiteral("X.LOC");
    row.commentIndex = 1;
    selected_ = {true};
    ASSERT_TRUE(writeAsciiFile(sources(), context()));
    const QList<QByteArray> lines = linesOf(test::readFile(outputPath(QStringLiteral("csv"))));
    ASSERT_EQ(lines.size(), 2) << "the title line and one line for the row";
    // Only the number's own point becomes a comma; dots in texts before it stay.
    EXPECT_EQ(lines[1],
              QByteArray("\"B.1;  left\";X;12,5;\"say \"\"hi\"\"\";X.LOC;\"Bore;pattern 2.5 mm\"\r"));

    // Without a delimiter in it a text is written as it is; an empty delimiter quotes nothing.
    storeLayout(kTextColumns, QString(), true);
    row.element1 = QStringLiteral("CIR1");
    ASSERT_TRUE(writeAsciiFile(sources(), context()));
    EXPECT_EQ(linesOf(test::readFile(outputPath(QStringLiteral("csv"))))[1],
              QByteArray("B.1;  leftX12,5CIR1X.LOCBore;pattern 2.5 mm\r"));
}

TEST_F(AsciiWriterTest, OnlyBlanksAreTrimmedFromHeaderDataAndCommentMarks) {
    storeLayout(kTextColumns, QStringLiteral(";"), true);
    store(keys::kHeader, QStringLiteral("1"));
    headerData_.setNames({QStringLiteral(" Order;No "), QStringLiteral("Temp\t"), QStringLiteral("Temp")});
    EXPECT_TRUE(headerData_.assign(QStringLiteral("Order;No"), QStringLiteral(" 4711 ")));
    EXPECT_TRUE(headerData_.assign(QStringLiteral("Temp"), QStringLiteral("20.4\t")));
    tables_.comment(1)->setLine(1, QStringLiteral("<<\tcheck"));
    ASSERT_TRUE(writeAsciiFile(sources(), context()));
    const QList<QByteArray> lines = linesOf(test::readFile(outputPath(QStringLiteral("csv"))));
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines[0], QByteArray("\"Order;No\";4711\r"));
    EXPECT_EQ(lines[1], QByteArray("Temp\t;\r")) << "a name with a tab is another name";
    EXPECT_EQ(lines[2], QByteArray("Temp;20.4\t\r"));
    EXPECT_EQ(tables_.comment(1)->line(1), QStringLiteral("\tcheck"));
}

TEST_F(AsciiWriterTest, AnEmptyFolderIsNoFolder) {
    storeLayout(kEveryColumnInOrder, QStringLiteral(";"), true);
    for (const QString& folder : {QString(), QStringLiteral("  ")}) {
        store(keys::kDir, folder);
        EXPECT_FALSE(writeAsciiFile(sources(), context()));
        EXPECT_EQ(user_.messages.back().text, QStringLiteral("MessageBoxen 51\r\nMessageBoxen 46"));
    }
    store(keys::kPartProgFolder, QStringLiteral("-1"));
    partProgram_.folder.clear();
    EXPECT_FALSE(writeAsciiFile(sources(), context()));
    EXPECT_EQ(user_.messages.size(), 3U);
}

TEST_F(AsciiWriterTest, WritersAtTheSameMomentNeverReplaceEachOthersFiles) {
    storeLayout(kDeviationFirst, QStringLiteral(","), true);
    store(keys::kFileCounter, QStringLiteral("1"));
    ASSERT_TRUE(writeAsciiFile(sources(), context()));  // stores every default before the race
    constexpr int kWriters = 4;
    constexpr int kFilesEach = 8;
    std::atomic<int> written = 0;
    {
        std::vector<std::jthread> writers;
        for (int writer = 0; writer < kWriters; ++writer) {
            writers.emplace_back([&] {
                ValueTables tables = test::realisticRows();
                const std::vector<bool> selected = test::everyEntryButTheLast(tables);
                test::RecordingUserInteraction user;
                for (int file = 0; file < kFilesEach; ++file) {
                    const AsciiOutputSources own{tables, selected, headerData_, partProgram_};
                    const AsciiOutputContext context{settings_.store(), language_, user,
                                                     programFolder_.path(), moment_};
                    written += writeAsciiFile(own, context) ? 1 : 0;
                }
            });
        }
    }
    EXPECT_EQ(written, kWriters * kFilesEach);
    const QStringList files = filesInOutputFolder();
    EXPECT_EQ(files.size(), kWriters * kFilesEach + 1);
    EXPECT_TRUE(files.contains(QStringLiteral("HOUSING__4711__0033.csv")));
    for (const QString& file : files) {
        EXPECT_EQ(test::readFile(QDir(outputFolder()).filePath(file)),
                  golden(QStringLiteral("deviation-first.csv")));
    }
}

TEST(AsciiLineBuilderTest, TheToleranceRuleMirrorsOnlyNegativeValuesNotZero) {
    // Nominal, upper, lower, measured, min, max.
    constexpr Places places = {0, 1, 2, 3, 0, 4, 0, 0, 5, 6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    const AsciiLineBuilder builder(places, QStringLiteral(";"), true, u'.');
    CharacteristicRecord row;
    row.upperTol = 0.2;
    row.lowerTol = -0.1;
    row.min = -0.05;
    row.max = 0.03;
    QString text;
    builder.appendRowLine(text, row, nullptr);
    EXPECT_EQ(text, QStringLiteral("0;0.2;-0.1;0;-0.05;0.03\r\n"));
    row.nominal = -1;
    row.measured = -1.01;
    row.min = -1.05;
    row.max = -1.0;
    text.clear();
    builder.appendRowLine(text, row, nullptr);
    EXPECT_EQ(text, QStringLiteral("1;0.1;-0.2;1.01;1;1.05\r\n"));
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
