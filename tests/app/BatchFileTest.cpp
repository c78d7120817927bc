#include "app/core/BatchFile.h"
#include "app/core/CommandLine.h"
#include "app/core/CreateBatchFile.h"
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

BatchRequest request(BatchSelection selection, BatchReport report, const QString& workbook1,
                     const QString& layout, const QString& workbook2 = {}) {
    return {.selection = selection,
            .report = report,
            .workbook1 = workbook1,
            .layoutFile = layout,
            .workbook2 = workbook2};
}

TEST(WindowsBatchText, IsTwoAnsiLinesWithTheQuotedProgramAndEachPathBehindASlash) {
    const QByteArray text =
        windowsBatchText(QStringLiteral("C:/Program Files/Tabulor/korvex-tabulor.exe"),
                         request(BatchSelection::All, BatchReport::Complete,
                                 QStringLiteral("C:\\Prot\\Teil.xls"), QStringLiteral("C:\\Prot\\Teil.cfg")));
    EXPECT_EQ(text, QByteArray("@echo off\r\n\"C:\\Program Files\\Tabulor\\korvex-tabulor.exe\" /a "
                               "/C:\\Prot\\Teil.xls /C:\\Prot\\Teil.cfg /ALL\r\n"));

    const QByteArray both = windowsBatchText(
        QStringLiteral("C:\\T\\k.exe"),
        request(BatchSelection::Online, BatchReport::Both, QStringLiteral("D:\\Q\\Müster.xls"),
                QStringLiteral("D:\\Q\\L.cfg"), QStringLiteral("D:\\Q\\Zwei.xls")));
    EXPECT_EQ(both, QByteArray("@echo off\r\n\"C:\\T\\k.exe\" /o /D:\\Q\\M\xfcster.xls /D:\\Q\\L.cfg /ALO "
                               "/D:\\Q\\Zwei.xls\r\n"));
}

TEST(WindowsBatchText, GivesTheProgramTheChosenArgumentsEvenWithForwardSlashesAndCmdCharacters) {
    const BatchRequest chosen =
        request(BatchSelection::Marked, BatchReport::Corrections, QStringLiteral("C:/R&D/Teil 1.xlsx"),
                QStringLiteral("C:\\100%\\a^b.cfg"));
    const QString line =
        QString::fromLatin1(windowsBatchText(QStringLiteral("C:\\k.exe"), chosen).split('\n')[1]);
    EXPECT_EQ(line, QStringLiteral("\"C:\\k.exe\" /m /C:\\R^&D\\Teil 1.xlsx /C:\\100%%\\a^^b.cfg /OOT\r"));

    // What cmd.exe hands the program after undoing its escapes, split as the program splits it.
    QString received = line.mid(line.indexOf(QStringLiteral("\" ")) + 2).chopped(1);
    received.replace(QStringLiteral("%%"), QStringLiteral("%"))
        .replace(QStringLiteral("^^"), QStringLiteral("\x01"));
    received.remove(u'^').replace(u'\x01', u'^');
    const StartArguments arguments = splitCommandLine(received);
    EXPECT_EQ(arguments.at(1), QStringLiteral("m"));
    EXPECT_EQ(arguments.at(2), QStringLiteral("C:\\R&D\\Teil 1.xlsx"));
    EXPECT_EQ(arguments.at(3), QStringLiteral("C:\\100%\\a^b.cfg"));
    EXPECT_EQ(arguments.at(4), QStringLiteral("OOT"));
}

TEST(BatchFilePath, ReplacesTheWorkbooksExtensionWhateverItsLength) {
    const QString bat = QStringLiteral(".bat");
    EXPECT_EQ(batchFilePath(QStringLiteral("D:\\Q\\Muster.xls"), bat), QStringLiteral("D:\\Q\\Muster.bat"));
    EXPECT_EQ(batchFilePath(QStringLiteral("D:\\Q\\Muster.xlsx"), bat), QStringLiteral("D:\\Q\\Muster.bat"));
    EXPECT_EQ(batchFilePath(QStringLiteral("/q/Muster.xlt"), QStringLiteral(".sh")),
              QStringLiteral("/q/Muster.sh"));
    EXPECT_EQ(batchFilePath(QStringLiteral("/q/Muster.ods"), QStringLiteral(".sh")),
              QStringLiteral("/q/Muster.sh"));
    EXPECT_EQ(batchFilePath(QStringLiteral("/q/a.b/Muster.v2.xlsm"), QStringLiteral(".sh")),
              QStringLiteral("/q/a.b/Muster.v2.sh"));
}

TEST(BatchFilePath, NeverNamesTheWorkbookItselfOrAnotherFolder) {
    const QString sh = QStringLiteral(".sh");
    EXPECT_EQ(batchFilePath(QStringLiteral("/q.d/Muster"), sh), QStringLiteral("/q.d/Muster.sh"));
    EXPECT_EQ(batchFilePath(QStringLiteral("C:\\q.d\\Muster"), sh), QStringLiteral("C:\\q.d\\Muster.sh"));
    EXPECT_EQ(batchFilePath(QStringLiteral("/q/.hidden"), sh), QStringLiteral("/q/.hidden.sh"));
    EXPECT_EQ(batchFilePath(QStringLiteral("/q/Muster.SH"), sh), QStringLiteral("/q/Muster.SH.sh"));
}

// The shell script, written and run with a stand-in program that records the words it receives.
class ShellScriptTest : public ::testing::Test {
  protected:
    ShellScriptTest() {
        EXPECT_TRUE(
            loadLanguageFile(test::sourceDir() + QStringLiteral("/LanguageFiles/English.dll"), language_));
        test::writeFile(recorder(),
                        "#!/bin/sh\nfor word in \"$@\"; do printf '%s\\0' \"$word\"; done > \"$0.out\"\n");
        QFile::setPermissions(recorder(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }

    QString path(const QString& name) const { return dir_.filePath(name); }
    QString recorder() const { return path(QStringLiteral("program's bin/recorder")); }

    int runShell(const QStringList& arguments) {
        QProcess shell;
        shell.start(QStringLiteral("/bin/sh"), arguments);
        if (!shell.waitForFinished(10'000)) {
            return -1;
        }
        errors_ = QString::fromLocal8Bit(shell.readAllStandardError());
        return shell.exitCode();
    }

    QStringList recordedWords() const {
        QByteArray bytes = test::readFile(recorder() + QStringLiteral(".out"));
        bytes.chop(1);
        QStringList words;
        for (const QByteArray& word : bytes.split('\0')) {
            words.append(QString::fromUtf8(word));
        }
        return words;
    }

    QTemporaryDir dir_;
    LanguageTables language_;
    test::RecordingUserInteraction user_;
    QString errors_;
};

TEST_F(ShellScriptTest, IsExecutableBesideWorkbookOneAndStartsTheProgramWithExactlyTheChosenWords) {
    const QString folder = path(QStringLiteral("it's a \"test\" $HOME `id`"));
    QDir().mkpath(folder);
    const QString workbook1 = folder + QStringLiteral("/Teil 1.xlsx");
    const QString workbook2 = folder + QStringLiteral("/line\nbreak; rm -rf x.xlsx");
    const BatchRequest chosen = request(BatchSelection::Online, BatchReport::Both, workbook1,
                                        folder + QStringLiteral("/Layout *.cfg"), workbook2);

    const auto written = createBatchFile(chosen, recorder(), language_, user_);

    ASSERT_EQ(written, folder + QStringLiteral("/Teil 1.sh"));
    EXPECT_TRUE(user_.messages.empty());
    EXPECT_EQ(user_.statusTexts, QStringList({QStringLiteral("Batch file written: ") + *written}));
    EXPECT_TRUE(QFileInfo(*written).isExecutable());
    EXPECT_TRUE(test::readFile(*written).startsWith("#!/bin/sh\nexec '"));
    EXPECT_EQ(runShell({QStringLiteral("-n"), *written}), 0) << errors_.toStdString();
    EXPECT_EQ(runShell({*written}), 0) << errors_.toStdString();
    EXPECT_EQ(recordedWords(), batchArguments(chosen));
}

TEST_F(ShellScriptTest, AnIncompleteRequestIsToldAndWritesNothing) {
    const QString workbook = path(QStringLiteral("Teil.xlsx"));
    EXPECT_FALSE(
        createBatchFile(request(BatchSelection::All, BatchReport::Complete, workbook, QStringLiteral(" ")),
                        recorder(), language_, user_));
    EXPECT_FALSE(createBatchFile(
        request(BatchSelection::All, BatchReport::Both, workbook, path(QStringLiteral("l.cfg"))), recorder(),
        language_, user_));
    ASSERT_EQ(user_.messages.size(), 2U);
    EXPECT_EQ(user_.messages[0].text, language_.text(LanguageTable::MessageBoxen, 70));
    EXPECT_EQ(user_.messages[1].text, language_.text(LanguageTable::MessageBoxen, 71));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("Teil.sh"))));
}

TEST_F(ShellScriptTest, AFailedWriteIsToldAndNotReportedAsWritten) {
    const QString workbook = path(QStringLiteral("missing folder/Teil.xlsx"));
    EXPECT_FALSE(createBatchFile(request(BatchSelection::All, BatchReport::Complete, workbook, workbook),
                                 recorder(), language_, user_));
    ASSERT_EQ(user_.messages.size(), 1U);
    EXPECT_EQ(user_.messages[0].text, QStringLiteral("The file could not be written:\r\n") +
                                          path(QStringLiteral("missing folder/Teil.sh")));

    // A folder in the way of the script.
    QDir().mkpath(path(QStringLiteral("Teil.sh")));
    EXPECT_FALSE(createBatchFile(
        request(BatchSelection::All, BatchReport::Complete, path(QStringLiteral("Teil.xlsx")), workbook),
        recorder(), language_, user_));
    EXPECT_EQ(user_.messages.size(), 2U);
    EXPECT_TRUE(user_.statusTexts.isEmpty());
}

}  // namespace
}  // namespace korvex
