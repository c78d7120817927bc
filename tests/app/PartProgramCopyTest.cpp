#include "app/core/PartProgramCopy.h"
#include "host/HostPartProgram.h"
#include "host/sim/PartProgramFile.h"
#include "host/sim/SimHost.h"
#include "support/ExamplePrograms.h"
#include "support/RecordingUserInteraction.h"
#include "support/TestFiles.h"
#include "util/LanguageLoader.h"
#include "util/LanguageTables.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

namespace korvex {
namespace {

const QDateTime kLoaded(QDate(2026, 12, 5), QTime(14, 3, 7));

TEST(PartProgramCopyName, KeepsTheFolderAndDropsTheExtensionWhateverItsLength) {
    const PartProgramCopyName name = partProgramCopyName(QStringLiteral("D:\\Prog\\Welle.prg"), kLoaded);
    EXPECT_EQ(name.programName, QStringLiteral("D:\\Prog\\Welle"));
    EXPECT_EQ(name.date, QStringLiteral("05-12-2026"));
    EXPECT_EQ(name.time, QStringLiteral("14-03-07"));
    EXPECT_EQ(partProgramCopyPath(name, QStringLiteral("4711")),
              QStringLiteral("D:\\Prog\\Welle__05-12-2026__14-03-07__4711.sav"));

    EXPECT_EQ(partProgramCopyName(QStringLiteral("/p/Welle.json"), kLoaded).programName,
              QStringLiteral("/p/Welle"));
    EXPECT_EQ(partProgramCopyName(QStringLiteral("/p.q/Welle"), kLoaded).programName,
              QStringLiteral("/p.q/Welle"));
    EXPECT_EQ(partProgramCopyName(QStringLiteral("/p/Welle.v2.kx"), kLoaded).programName,
              QStringLiteral("/p/Welle.v2"));
}

TEST(PartProgramCopyName, AnEmptyIdentificationIsKeptAndAnUnsafeOneStaysInTheProgramsFolder) {
    const PartProgramCopyName name = partProgramCopyName(QStringLiteral("/p/Welle.prg"), kLoaded);
    EXPECT_EQ(partProgramCopyPath(name, QString()), QStringLiteral("/p/Welle__05-12-2026__14-03-07__.sav"));
    EXPECT_EQ(partProgramCopyPath(name, QStringLiteral("../../etc/x")),
              QStringLiteral("/p/Welle__05-12-2026__14-03-07__.._.._etc_x.sav"));
    EXPECT_EQ(safePartIdentification(QStringLiteral("a\\b:c*d?e\"f<g>h|i\r\nj\tk")),
              QStringLiteral("a_b_c_d_e_f_g_h_i__j_k"));
    EXPECT_EQ(safePartIdentification(QStringLiteral(" 47-11 Ä.x ")), QStringLiteral(" 47-11 Ä.x "));
}

// A simulated host whose part program lies in a folder of the test.
class SavePartProgramCopyTest : public ::testing::Test {
  protected:
    SavePartProgramCopyTest() {
        EXPECT_TRUE(
            loadLanguageFile(test::sourceDir() + QStringLiteral("/LanguageFiles/English.dll"), language_));
        SimProgram program = test::exampleProgram(QStringLiteral("housing.json"));
        program.partProgram.fileName = programFile();
        test::writeProgram(program, programFile());
        host_ = std::make_unique<SimHost>(program, programFile());
    }

    QString programFile() const { return dir_.filePath(QStringLiteral("Welle.json")); }
    QString copyPath() const {
        return dir_.filePath(QStringLiteral("Welle__05-12-2026__14-03-07__4711.sav"));
    }

    bool saveCopy(const QString& programFile, const QString& copyPath) {
        return savePartProgramCopy(*host_->activePartProgram(), programFile, copyPath, language_, user_);
    }

    QTemporaryDir dir_;
    LanguageTables language_;
    test::RecordingUserInteraction user_;
    std::unique_ptr<SimHost> host_;
};

TEST_F(SavePartProgramCopyTest, SavesInTheHostThenCopiesTheSavedFileOverAnOlderCopy) {
    test::writeFile(copyPath(), "an older copy of the same second");
    host_->addCommand(SimCommand{.typeCode = 612, .identifierText = QStringLiteral("CIR_NEW")});

    EXPECT_TRUE(saveCopy(programFile(), copyPath()));

    EXPECT_TRUE(user_.messages.empty());
    EXPECT_EQ(user_.statusTexts, QStringList({QStringLiteral("Part program saved, copy: ") + copyPath()}));
    const QByteArray saved = test::readFile(programFile());
    EXPECT_TRUE(saved.contains("CIR_NEW"));
    EXPECT_EQ(test::readFile(copyPath()), saved);
}

TEST_F(SavePartProgramCopyTest, AFailedHostSaveIsToldWithTheHostsReasonAndCopiesNothing) {
    SimHost withoutFile(test::exampleProgram(QStringLiteral("housing.json")));
    EXPECT_FALSE(
        savePartProgramCopy(*withoutFile.activePartProgram(), programFile(), copyPath(), language_, user_));
    ASSERT_EQ(user_.messages.size(), 1U);
    EXPECT_TRUE(user_.messages[0].text.startsWith(
        QStringLiteral("KORVEX could not save the part program; no copy was made.\r\n")));
    EXPECT_GT(user_.messages[0].text.size(), 60);
    EXPECT_FALSE(QFile::exists(copyPath()));
}

TEST_F(SavePartProgramCopyTest, AProgramFileThatIsMissingOrRelativeIsToldAndCopiesNothing) {
    for (const QString& file :
         {QString(), QStringLiteral("Welle.json"), QStringLiteral("D:/Programs/PH200_Housing.prg"),
          dir_.filePath(QStringLiteral("gone.json"))}) {
        EXPECT_FALSE(saveCopy(file, copyPath()));
        EXPECT_EQ(user_.messages.back().text,
                  QStringLiteral("The part program's file could not be read; no copy was made:\r\n") + file);
    }
    EXPECT_EQ(user_.messages.size(), 4U);
    EXPECT_FALSE(QFile::exists(copyPath()));
    EXPECT_TRUE(user_.statusTexts.isEmpty());
}

TEST_F(SavePartProgramCopyTest, ACopyThatCannotBeWrittenIsToldAndLeavesNoFileBehind) {
    QDir().mkpath(copyPath());
    const QString intoMissingFolder = dir_.filePath(QStringLiteral("no such folder/copy.sav"));
    EXPECT_FALSE(saveCopy(programFile(), copyPath()));
    EXPECT_FALSE(saveCopy(programFile(), intoMissingFolder));
    ASSERT_EQ(user_.messages.size(), 2U);
    EXPECT_EQ(user_.messages[0].text, QStringLiteral("The file could not be written:\r\n") + copyPath());
    EXPECT_EQ(user_.messages[1].text,
              QStringLiteral("The file could not be written:\r\n") + intoMissingFolder);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList({QStringLiteral("Welle.json")}));
}

}  // namespace
}  // namespace korvex
