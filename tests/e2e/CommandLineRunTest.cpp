#include "TabulorRunFixture.h"

#include "settings/SettingsStore.h"
#include "support/HostSimProcess.h"
#include "support/TestFiles.h"
#include "util/LanguageTables.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

namespace korvex {
namespace {

class CommandLineRunTest : public test::TabulorRunFixture {
  protected:
    QString resultText() const {
        const QStringList files = resultFiles();
        return files.size() == 1
                   ? QString::fromLatin1(test::readFile(QDir(resultFolder()).filePath(files[0])))
                   : QString();
    }
};

QString housingExample() {
    return test::exampleFile("housing.json");
}

TEST_F(CommandLineRunTest, AnAllRunWritesTheProtocolCharacteristicsAndEnds) {
    test::HostSimProcess host({QStringLiteral("--no-window"), housingExample()});
    ASSERT_TRUE(host.isOnBus()) << qPrintable(host.failure());

    startTabulor({QStringLiteral("/a")});
    ASSERT_EQ(waitForExit(), 0) << qPrintable(messages_);
    const QString result = resultText();
    EXPECT_TRUE(result.contains(QStringLiteral("LOC_BORE1")));
    EXPECT_TRUE(result.contains(QStringLiteral("TP_BORE2")));
    EXPECT_FALSE(result.contains(QStringLiteral("TP_BORE3")));  // reported to statistics only
    EXPECT_TRUE(result.endsWith(QStringLiteral("\r\n")));
}

TEST_F(CommandLineRunTest, AnUnwritableResultFolderEndsWithAFailureAndLeavesNoFile) {
    test::HostSimProcess host({QStringLiteral("--no-window"), housingExample()});
    ASSERT_TRUE(host.isOnBus()) << qPrintable(host.failure());
    test::writeFile(dir_.filePath(QStringLiteral("plain-file")), "x");
    ASSERT_TRUE(settings_.writeSetting(keys::kDir, dir_.filePath(QStringLiteral("plain-file/results"))));

    startTabulor({QStringLiteral("/a")});
    EXPECT_EQ(waitForExit(), 1);
    EXPECT_TRUE(messages_.contains(language_.text(LanguageTable::MessageBoxen, 49))) << qPrintable(messages_);
    EXPECT_FALSE(QFileInfo::exists(dir_.filePath(QStringLiteral("plain-file/results"))));
}

TEST_F(CommandLineRunTest, AnOnlineRunWaitsForTheHostRunAndEnds) {
    test::HostSimProcess host({QStringLiteral("--no-window"), QStringLiteral("--run-after"),
                               QStringLiteral("1500"), housingExample()});
    ASSERT_TRUE(host.isOnBus()) << qPrintable(host.failure());

    startTabulor({QStringLiteral("/o"), QString(), QString(), QStringLiteral("/ALL")});
    ASSERT_EQ(waitForExit(), 0) << qPrintable(messages_);
    EXPECT_EQ(resultFiles().size(), 1);
}

TEST_F(CommandLineRunTest, NoHostEndsAnUnattendedRunWithAFailure) {
    startTabulor({QStringLiteral("/m")});
    EXPECT_EQ(waitForExit(), 1);
    EXPECT_TRUE(messages_.contains(language_.text(LanguageTable::MessageBoxen, 41))) << qPrintable(messages_);
    EXPECT_TRUE(resultFiles().isEmpty());
}

}  // namespace
}  // namespace korvex
