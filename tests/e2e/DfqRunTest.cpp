#include "TabulorRunFixture.h"

#include "output/DfqReader.h"
#include "support/HostSimProcess.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <QDir>

namespace korvex {
namespace {

// Unattended runs with the DFQ file kind chosen, named by part name and drawing number only, so that
// every run of the part program goes to the same file.
class DfqRunTest : public test::TabulorRunFixture {
  protected:
    DfqRunTest() {
        const std::vector<SettingValue> values = {{keys::kFileKind, QStringLiteral("1")},
                                                  {keys::kFileName2, QStringLiteral("3")},
                                                  {keys::kFileName3, QStringLiteral("0")},
                                                  {keys::kFileName4, QStringLiteral("0")},
                                                  {keys::kFileName5, QStringLiteral("0")}};
        EXPECT_TRUE(settings_.writeSettings(values));
    }

    QString dfqFile() const {
        return QDir(resultFolder()).filePath(QStringLiteral("Pump housing PH-200__PH-200-0031.dfq"));
    }
};

// The golden file of the housing, checked field by field against its rows by the output tests.
test::DfqFileRead goldenHousing() {
    return test::readDfq(
               test::readFile(test::sourceDir() + QStringLiteral("/tests/output/golden/housing.dfq")))
        .file.value_or(test::DfqFileRead{});
}

void expectGoldenValues(const test::DfqRunRead& run, const test::DfqRunRead& golden) {
    ASSERT_EQ(run.values.size(), golden.values.size());
    for (std::size_t i = 0; i < run.values.size(); ++i) {
        EXPECT_EQ(run.values[i].value, golden.values[i].value) << i;
        EXPECT_EQ(run.values[i].attribute, golden.values[i].attribute) << i;
        EXPECT_EQ(run.values[i].moment.size(), golden.values[i].moment.size())
            << qPrintable(run.values[i].moment);
    }
}

TEST_F(DfqRunTest, AnAllRunWritesTheDfqFileAndTheNextRunExtendsIt) {
    test::HostSimProcess host({QStringLiteral("--no-window"), test::exampleFile("housing.json")});
    ASSERT_TRUE(host.isOnBus()) << qPrintable(host.failure());
    const test::DfqFileRead golden = goldenHousing();
    ASSERT_EQ(golden.runs.size(), 1U);

    for (std::size_t runs = 1; runs <= 2; ++runs) {
        ASSERT_EQ(runTabulor({QStringLiteral("/a")}), 0) << qPrintable(messages_);
        EXPECT_EQ(resultFiles(), QStringList({QFileInfo(dfqFile()).fileName()}));
        const test::DfqParse parsed = test::readDfq(test::readFile(dfqFile()));
        ASSERT_TRUE(parsed.file) << qPrintable(parsed.error);
        EXPECT_EQ(parsed.file->description, golden.description);
        ASSERT_EQ(parsed.file->runs.size(), runs);
        expectGoldenValues(parsed.file->runs.back(), golden.runs.front());
    }
}

}  // namespace
}  // namespace korvex
