#include "app/core/CreateBatchFile.h"
#include "output/AsciiFormatSettings.h"
#include "settings/SettingsStore.h"
#include "support/HostSimProcess.h"
#include "support/RecordingUserInteraction.h"
#include "support/TestFiles.h"
#include "util/LanguageLoader.h"
#include "util/LanguageTables.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

namespace korvex {
namespace {

constexpr int kRunTimeoutMs = 60'000;

// korvex-tabulor on the test program's session bus, with a program folder and settings of its own, writing
// its result files into a folder of the test, started as a part program's batch file starts it.
class CommandLineRunTest : public ::testing::Test {
  protected:
    CommandLineRunTest() {
        const QString languages = test::sourceDir() + QStringLiteral("/LanguageFiles/");
        for (const char* name : {"German.dll", "English.dll"}) {
            test::writeFile(programFolder() + QStringLiteral("/LanguageFiles/") + QString::fromLatin1(name),
                            test::readFile(languages + QString::fromLatin1(name)));
        }
        QDir().mkpath(resultFolder());
        EXPECT_TRUE(saveAsciiFormat(loadAsciiFormat(settings_), settings_));
        EXPECT_TRUE(settings_.writeSetting(keys::kDir, resultFolder()));
        EXPECT_TRUE(
            loadLanguageFile(programFolder() + QStringLiteral("/LanguageFiles/German.dll"), language_));
    }

    QString programFolder() const { return dir_.filePath(QStringLiteral("program")); }
    QString resultFolder() const { return dir_.filePath(QStringLiteral("results")); }
    QStringList resultFiles() const { return QDir(resultFolder()).entryList(QDir::Files); }

    void startTabulor(const QStringList& arguments) {
        start(QStringLiteral(KORVEX_TABULOR_PROGRAM), arguments);
    }

    // The program as a batch file the generator wrote starts it.
    void startBatchFile(const QString& script) { start(QStringLiteral("/bin/sh"), {script}); }

    void start(const QString& program, const QStringList& arguments) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("KORVEX_TABULOR_HOME"), programFolder());
        environment.insert(QStringLiteral("KORVEX_TABULOR_MACHINE_SETTINGS"), machineSettings());
        environment.insert(QStringLiteral("KORVEX_TABULOR_USER_SETTINGS"), userSettings());
        tabulor_.setProcessEnvironment(environment);
        tabulor_.start(program, arguments);
        ASSERT_TRUE(tabulor_.waitForStarted(kRunTimeoutMs));
    }

    // The exit status, or -1 when the program did not end by itself in time.
    int waitForExit() {
        if (!tabulor_.waitForFinished(kRunTimeoutMs)) {
            tabulor_.kill();
            tabulor_.waitForFinished();
            return -1;
        }
        messages_ = QString::fromLocal8Bit(tabulor_.readAllStandardError());
        return tabulor_.exitStatus() == QProcess::NormalExit ? tabulor_.exitCode() : -1;
    }

    QString resultText() const {
        const QStringList files = resultFiles();
        return files.size() == 1
                   ? QString::fromLatin1(test::readFile(QDir(resultFolder()).filePath(files[0])))
                   : QString();
    }

    QString machineSettings() const { return dir_.filePath(QStringLiteral("machine.ini")); }
    QString userSettings() const { return dir_.filePath(QStringLiteral("user.ini")); }

    QTemporaryDir dir_;
    SettingsStore settings_{{machineSettings(), userSettings()}};
    LanguageTables language_;
    QProcess tabulor_;
    QString messages_;
};

QString housingExample() {
    return test::sourceDir() + QStringLiteral("/examples/housing.json");
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

// This version fills no report workbooks yet (that run ends with a message naming the workbook), so
// the written result is checked with the ASCII output, which a start without a workbook chooses.
TEST_F(CommandLineRunTest, AGeneratedShellScriptStartsTheProgramWithTheChosenArguments) {
    test::HostSimProcess host({QStringLiteral("--no-window"), housingExample()});
    ASSERT_TRUE(host.isOnBus()) << qPrintable(host.failure());
    const QString reports = dir_.filePath(QStringLiteral("report's \"folder\" $1"));
    QDir().mkpath(reports);
    const BatchRequest request{.selection = BatchSelection::All,
                               .report = BatchReport::Complete,
                               .workbook1 = reports + QStringLiteral("/Teil 1.xlsx"),
                               .layoutFile = reports + QStringLiteral("/Layout A.cfg")};
    test::RecordingUserInteraction user;
    const auto script = createBatchFile(request, QStringLiteral(KORVEX_TABULOR_PROGRAM), language_, user);
    ASSERT_TRUE(script);
    QProcess syntax;
    syntax.start(QStringLiteral("/bin/sh"), {QStringLiteral("-n"), *script});
    ASSERT_TRUE(syntax.waitForFinished(kRunTimeoutMs));
    EXPECT_EQ(syntax.exitCode(), 0) << syntax.readAllStandardError().constData();

    startBatchFile(*script);
    EXPECT_EQ(waitForExit(), 1);
    EXPECT_TRUE(messages_.contains(request.workbook1)) << qPrintable(messages_);

    const QString asciiScript = dir_.filePath(QStringLiteral("ascii run.sh"));
    test::writeFile(asciiScript,
                    shellScriptText(QStringLiteral(KORVEX_TABULOR_PROGRAM), {QStringLiteral("/a")}));
    startBatchFile(asciiScript);
    ASSERT_EQ(waitForExit(), 0) << qPrintable(messages_);
    EXPECT_TRUE(resultText().contains(QStringLiteral("LOC_BORE1")));
}

TEST_F(CommandLineRunTest, NoHostEndsAnUnattendedRunWithAFailure) {
    startTabulor({QStringLiteral("/m")});
    EXPECT_EQ(waitForExit(), 1);
    EXPECT_TRUE(messages_.contains(language_.text(LanguageTable::MessageBoxen, 41))) << qPrintable(messages_);
    EXPECT_TRUE(resultFiles().isEmpty());
}

}  // namespace
}  // namespace korvex
