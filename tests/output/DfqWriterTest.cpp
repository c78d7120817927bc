#include "output/AsciiOutput.h"
#include "output/DfqFixture.h"
#include "output/DfqWriter.h"
#include "support/FullDisk.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <limits>

namespace korvex {
namespace {

QByteArray golden(const QString& name) {
    return test::readFile(test::sourceDir() + QStringLiteral("/tests/output/golden/") + name);
}

const QString kFirstMoment = QStringLiteral("06.12.2024/14:05:09");
const QString kSecondMoment = QStringLiteral("07.12.2024/08:30:00");

class DfqWriterTest : public test::DfqFixture {
  protected:
    void laterRun() {
        moment_.now = QDateTime(QDate(2024, 12, 7), QTime(8, 30));
        for (CharacteristicRecord& row : tables_.rows()) {
            row.measured += 0.001;
        }
        user_.messages.clear();
        user_.statusTexts.clear();
    }
    QString status(int entry) const { return QStringLiteral("StatusBar %1").arg(entry); }
};

TEST_F(DfqWriterTest, TheExamplesGiveTheGoldenFilesWhoseFieldsMatchTheRows) {
    for (const char* example : {"housing.json", "flange_inch.json"}) {
        SCOPED_TRACE(example);
        readExample(example);
        ASSERT_TRUE(writeDfqFile(sources(), context()));
        const QString name =
            QString::fromLatin1(example).replace(QStringLiteral(".json"), QStringLiteral(".dfq"));
        EXPECT_EQ(test::readFile(dfqPath()), golden(name));
        expectFileOfRows(readBack(dfqPath()), writtenRows(), {kFirstMoment});
        EXPECT_TRUE(user_.messages.empty());
        EXPECT_EQ(user_.statusTexts, QStringList({status(27), status(28)}));
    }
}

TEST_F(DfqWriterTest, ASecondRunOfTheSameProgramAddsItsValueLineOnALineOfItsOwn) {
    readExample("housing.json");
    ASSERT_TRUE(writeDfqFile(sources(), context()));
    const QByteArray first = test::readFile(dfqPath());
    test::writeFile(dfqPath(), first.chopped(2));  // its last line end lost, as by an editor
    laterRun();
    ASSERT_TRUE(writeDfqFile(sources(), context()));

    const QByteArray both = test::readFile(dfqPath());
    EXPECT_TRUE(both.startsWith(first));
    const test::DfqFileRead file = readBack(dfqPath());
    ASSERT_EQ(file.runs.size(), 2U);
    expectFileOfRows({file.description, {file.runs[1]}}, writtenRows(), {kSecondMoment});
    EXPECT_TRUE(user_.messages.empty());
    EXPECT_EQ(filesInOutputFolder(), QStringList({QStringLiteral("Pump housing PH-200__PH-200-0031.dfq")}));
}

TEST_F(DfqWriterTest, AChangedProgramStartsANewFileAndSaysSoAndEachProgramKeepsItsFile) {
    readExample("housing.json");
    ASSERT_TRUE(writeDfqFile(sources(), context()));
    const QByteArray original = test::readFile(dfqPath());

    tables_.rows()[0].nominal += 0.5;
    laterRun();
    ASSERT_TRUE(writeDfqFile(sources(), context()));
    EXPECT_EQ(test::readFile(dfqPath()), original);
    EXPECT_EQ(messageText(), QStringLiteral("MessageBoxen 105\r\n") + dfqPath(QStringLiteral("0001")));
    expectFileOfRows(readBack(dfqPath(QStringLiteral("0001"))), writtenRows(), {kSecondMoment});

    // The changed program goes on in its new file without a word; the old one in the old file.
    laterRun();
    ASSERT_TRUE(writeDfqFile(sources(), context()));
    EXPECT_TRUE(user_.messages.empty());
    EXPECT_EQ(readBack(dfqPath(QStringLiteral("0001"))).runs.size(), 2U);
    tables_.rows()[0].nominal -= 0.5;
    selected_.front() = false;
    ASSERT_TRUE(writeDfqFile(sources(), context()));
    EXPECT_EQ(readBack(dfqPath(QStringLiteral("0002"))).runs.size(), 1U) << "fewer rows are another program";
    selected_.front() = true;
    ASSERT_TRUE(writeDfqFile(sources(), context()));
    EXPECT_EQ(readBack(dfqPath()).runs.size(), 2U);
    EXPECT_EQ(filesInOutputFolder().size(), 3);
}

TEST_F(DfqWriterTest, WithTheCounterOnTheRunsGoToTheFirstNumberedFileOfTheProgram) {
    readExample("flange_inch.json");
    store(keys::kFileCounter, QStringLiteral("1"));
    test::writeFile(dfqPath(QStringLiteral("0001")),
                    "K0100 1\r\nK2001/1 other\r\n1\x14"
                    "0\x14x\r\n");
    ASSERT_TRUE(writeDfqFile(sources(), context()));
    laterRun();
    ASSERT_TRUE(writeDfqFile(sources(), context()));
    const test::DfqFileRead file = readBack(dfqPath(QStringLiteral("0002")));
    ASSERT_EQ(file.runs.size(), 2U);
    expectFileOfRows({file.description, {file.runs[1]}}, writtenRows(), {kSecondMoment});
    EXPECT_FALSE(QFile::exists(dfqPath()));
}

TEST_F(DfqWriterTest, UnknownValuesArePlaceholdersAndHostTextsStayInTheirFields) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    tables_.rows()[0].measured = nan;
    tables_.rows()[0].id = QStringLiteral("LOC\r\n1\x0F\x14");
    tables_.rows()[1].nominal = std::numeric_limits<double>::infinity();
    tables_.rows()[5].upperTol = nan;
    partProgram_.names.revision.clear();
    ASSERT_TRUE(writeDfqFile(sources(), context()));

    const test::DfqFileRead file = readBack(outputPath(QStringLiteral("dfq")));
    const auto& fields = file.description;
    EXPECT_EQ(fields.at({QStringLiteral("K2001"), 1}), QStringLiteral("LOC  1  .X"));
    EXPECT_FALSE(fields.contains({QStringLiteral("K2101"), 2}));
    EXPECT_FALSE(fields.contains({QStringLiteral("K2110"), 2}));
    EXPECT_TRUE(fields.contains({QStringLiteral("K2112"), 2}));
    EXPECT_FALSE(fields.contains({QStringLiteral("K2111"), 4}));
    EXPECT_FALSE(fields.contains({QStringLiteral("K1004"), 0}));
    ASSERT_EQ(file.runs.size(), 1U);
    const std::vector<test::DfqValue>& values = file.runs[0].values;
    ASSERT_EQ(values.size(), writtenRows().size());
    EXPECT_EQ(values[0].value, QString());
    EXPECT_EQ(values[0].attribute, QStringLiteral("255"));
    EXPECT_EQ(values[1].attribute, QStringLiteral("0"));
}

TEST_F(DfqWriterTest, BatchNumberAndPartIdentComeFromHeaderDataOfTheirKeys) {
    headerData_.setNames({QStringLiteral(" k0006 "), QStringLiteral("K0014"), QStringLiteral("OPERATOR")});
    headerData_.assign(QStringLiteral("k0006"), QStringLiteral(" B-2024-117 "));
    headerData_.assign(QStringLiteral("K0014"),
                       QStringLiteral("SN 00042 with a text far longer than forty characters"));
    store(keys::kHeader, QStringLiteral("1"));
    ASSERT_TRUE(writeDfqFile(sources(), context()));

    const test::DfqFileRead file = readBack(outputPath(QStringLiteral("dfq")));
    ASSERT_EQ(file.runs.size(), 1U);
    const auto& fields = file.runs[0].fields;
    const int rows = static_cast<int>(writtenRows().size());
    EXPECT_EQ(fields.size(), static_cast<std::size_t>(2 * rows));
    EXPECT_EQ(fields.at({QStringLiteral("K0006"), rows}), QStringLiteral("B-2024-117"));
    EXPECT_EQ(fields.at({QStringLiteral("K0014"), 1}),
              QStringLiteral("SN 00042 with a text far longer than for"));

    store(keys::kHeader, QStringLiteral("0"));
    ASSERT_TRUE(writeDfqFile(sources(), context()));
    EXPECT_TRUE(readBack(outputPath(QStringLiteral("dfq"))).runs[1].fields.empty());
}

TEST_F(DfqWriterTest, AFullDiskKeepsTheEarlierRunsAndSaysSo) {
    ASSERT_TRUE(writeDfqFile(sources(), context()));
    const QByteArray earlier = test::readFile(outputPath(QStringLiteral("dfq")));
    laterRun();
    EXPECT_TRUE(test::passesUnderFileSizeLimit(static_cast<long>(earlier.size()), [&] {
        return !writeDfqFile(sources(), context()) &&
               messageText() == QStringLiteral("MessageBoxen 106\r\n") + outputPath(QStringLiteral("dfq"));
    }));
    EXPECT_EQ(test::readFile(outputPath(QStringLiteral("dfq"))), earlier);
    EXPECT_EQ(filesInOutputFolder(), QStringList({QStringLiteral("HOUSING__4711.dfq")}));
}

TEST_F(DfqWriterTest, NothingMarkedOrNoFolderWritesNothingAndSaysWhy) {
    selected_.assign(selected_.size(), false);
    EXPECT_FALSE(writeDfqFile(sources(), context()));
    EXPECT_EQ(messageText(), QStringLiteral("MessageBoxen 24\r\nMessageBoxen 107"));
    EXPECT_EQ(user_.statusTexts, QStringList({QStringLiteral("MessageBoxen 107")}));

    selected_.assign(selected_.size(), true);
    user_.messages.clear();
    store(keys::kDir, QStringLiteral("  "));
    EXPECT_FALSE(writeDfqFile(sources(), context()));
    EXPECT_EQ(messageText(), QStringLiteral("MessageBoxen 51\r\nMessageBoxen 107"));
    EXPECT_TRUE(filesInOutputFolder().isEmpty());
}

TEST_F(DfqWriterTest, TheChosenFileKindDecidesWhatAnUnattendedOutputWrites) {
    store(keys::kFileKind, QStringLiteral("1"));
    store(keys::kSelectFolder, QStringLiteral("-1"));
    EXPECT_EQ(runAsciiOutput(sources(), context(), true), AsciiOutputResult::Written);
    EXPECT_EQ(filesInOutputFolder(), QStringList({QStringLiteral("HOUSING__4711.dfq")}));

    store(keys::kFileKind, QStringLiteral("0"));
    EXPECT_TRUE(writeResultFile(sources(), context()));
    EXPECT_EQ(filesInOutputFolder(),
              QStringList({QStringLiteral("HOUSING__4711.csv"), QStringLiteral("HOUSING__4711.dfq")}));
}

}  // namespace
}  // namespace korvex
