#include "app/RecordingReport.h"
#include "app/WindowFixture.h"
#include "app/core/ReportOutput.h"
#include "app/core/RunControl.h"
#include "host/sim/SimHost.h"
#include "output/AsciiFormatSettings.h"
#include "support/ExamplePrograms.h"

#include <QAction>
#include <QDir>
#include <QListView>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>

namespace korvex {
namespace {

class RunControlTest : public WindowFixture {
  protected:
    RunControlTest() {
        report_ = &report_stub_;
        host_ = std::make_shared<SimHost>(test::exampleProgram(QStringLiteral("housing.json")));
        connector_.setApplication(host_);
        EXPECT_TRUE(saveAsciiFormat(loadAsciiFormat(session_.settings), session_.settings));
        EXPECT_TRUE(session_.settings.writeSetting(keys::kDir, outputFolder()));
    }

    // Starts the window as the command line asks and runs the mode letter's gathering.
    void start(QStringList words) {
        for (int i = 0; i < words.size(); ++i) {
            session_.arguments.set(i + 1, words[i]);
        }
        openWindow();
        ended_ = std::make_unique<QSignalSpy>(window_.get(), &MainWindow::programEnded);
        window_->runControl().dispatchStartArguments();
    }

    QString outputFolder() const { return dir_.filePath(QStringLiteral("results")); }
    QStringList resultFiles() const { return QDir(outputFolder()).entryList(QDir::Files); }
    int exitStatus() const { return ended_->size() == 1 ? ended_->at(0).at(0).toInt() : -1; }
    Selection expected(RunMode mode, const char* word) const {
        return startOptionSelection(session_.values.rows(), mode, QString::fromLatin1(word));
    }
    static long countOf(const Selection& selection) { return std::ranges::count(selection, true); }

    test::RecordingReport report_stub_;
    std::shared_ptr<SimHost> host_;
    std::unique_ptr<QSignalSpy> ended_;
};

TEST_F(RunControlTest, AnUnattendedReadWritesTheResultFileAndEnds) {
    QDir().mkpath(outputFolder());
    start({QStringLiteral("a")});
    EXPECT_GT(session_.values.rowCount(), 20);
    EXPECT_EQ(window_->selection(), expected(RunMode::All, ""));
    EXPECT_EQ(resultFiles().size(), 1);
    EXPECT_EQ(exitStatus(), 0);
}

TEST_F(RunControlTest, AnUnwritableResultFolderEndsTheRunWithAFailure) {
    test::writeFile(dir_.filePath(QStringLiteral("plain-file")), "x");
    ASSERT_TRUE(session_.settings.writeSetting(keys::kDir, dir_.filePath(QStringLiteral("plain-file/sub"))));
    start({QStringLiteral("a")});
    EXPECT_EQ(exitStatus(), 1);
    ASSERT_FALSE(user_.messages.empty());
    EXPECT_EQ(user_.messages.back().text.left(20),
              session_.language.text(LanguageTable::MessageBoxen, 49).left(20));
}

TEST_F(RunControlTest, ReportsAreFilledWithTheSelectionTheWordAsksFor) {
    start({QStringLiteral("m"), QStringLiteral("book.xlsx"), QStringLiteral("layout.cfg"),
           QStringLiteral("ALO"), QStringLiteral(" book2.xlsx ")});
    ASSERT_EQ(report_stub_.reports.size(), 2U);
    EXPECT_EQ(report_stub_.layouts, QStringList({"layout.cfg"}));
    EXPECT_EQ(report_stub_.reports[0].workbook, QStringLiteral("book.xlsx"));
    EXPECT_FALSE(report_stub_.reports[0].onlySelected);
    EXPECT_EQ(report_stub_.reports[0].selection, expected(RunMode::Marked, "ALO"));
    EXPECT_EQ(report_stub_.reports[1].workbook, QStringLiteral("book2.xlsx"));
    EXPECT_TRUE(report_stub_.reports[1].onlySelected);
    EXPECT_EQ(report_stub_.reports[1].selection, expected(RunMode::Marked, "OOT"));
    EXPECT_LT(countOf(report_stub_.reports[1].selection), countOf(report_stub_.reports[0].selection));
    EXPECT_GT(countOf(report_stub_.reports[1].selection), 0);
    EXPECT_EQ(exitStatus(), 0);
}

TEST_F(RunControlTest, LowerCaseAloAndUnknownWordsFillOneReport) {
    start({QStringLiteral("a"), QStringLiteral("book.xlsx"), QStringLiteral("layout.cfg"),
           QStringLiteral("alo"), QStringLiteral("book2.xlsx")});
    ASSERT_EQ(report_stub_.reports.size(), 1U);
    EXPECT_EQ(countOf(report_stub_.reports[0].selection), countOf(expected(RunMode::All, "ALL")));

    report_stub_.reports.clear();
    start({QStringLiteral("A"), QStringLiteral("book.xlsx"), QStringLiteral("layout.cfg"),
           QStringLiteral("XYZ")});
    ASSERT_EQ(report_stub_.reports.size(), 1U);
    EXPECT_EQ(countOf(report_stub_.reports[0].selection), 0);
}

TEST_F(RunControlTest, ABrokenLayoutFileFillsNoReportAndEndsWithAFailure) {
    start({QStringLiteral("a"), QStringLiteral("book.xlsx"), QStringLiteral("broken.cfg")});
    EXPECT_TRUE(report_stub_.reports.empty());
    ASSERT_EQ(user_.messages.size(), 1U);
    EXPECT_EQ(user_.messages[0].text, session_.language.text(LanguageTable::MessageBoxen, 9));
    EXPECT_EQ(exitStatus(), 1);
}

TEST_F(RunControlTest, NoHostIsToldAndAnUnattendedRunEndsWithAFailure) {
    connector_.setApplication(nullptr);
    start({QStringLiteral("a")});
    ASSERT_EQ(user_.messages.size(), 1U);
    EXPECT_EQ(user_.messages[0].title, QStringLiteral("KORVEX Connection"));
    EXPECT_TRUE(user_.messages[0].text.startsWith(session_.language.text(LanguageTable::MessageBoxen, 41)));
    EXPECT_EQ(exitStatus(), 1);
}

TEST_F(RunControlTest, AnOnlineRunCapturesTheHostRunThenActs) {
    start({QStringLiteral("o"), QStringLiteral("book.xlsx"), QStringLiteral("layout.cfg"),
           QStringLiteral("ALL")});
    EXPECT_TRUE(window_->runControl().isCapturing());
    EXPECT_TRUE(report_stub_.reports.empty());
    host_->execute();
    EXPECT_FALSE(window_->runControl().isCapturing());
    ASSERT_EQ(report_stub_.reports.size(), 1U);
    EXPECT_EQ(report_stub_.reports[0].selection, expected(RunMode::Online, "ALL"));
    EXPECT_EQ(exitStatus(), 0);
}

TEST_F(RunControlTest, AnAbortedRunAnsweredNoEndsWithoutOutput) {
    start({QStringLiteral("o")});
    user_.scriptAnswers({MessageAnswer::No});
    host_->execute(SimHost::kAbortedTermination);
    EXPECT_TRUE(resultFiles().isEmpty());
    EXPECT_EQ(exitStatus(), 1);
}

TEST_F(RunControlTest, TheToolbarButtonsSwitchCaptureOnAndOffForTheOperator) {
    start({});
    window_->runControl().toggleOnlineReceive();
    EXPECT_TRUE(window_->runControl().isCapturing());
    EXPECT_EQ(statusPanelText(), session_.language.text(LanguageTable::StatusBar, 13));
    window_->runControl().toggleOnlineReceive();
    EXPECT_FALSE(window_->runControl().isCapturing());
    EXPECT_EQ(statusPanelText(), session_.language.text(LanguageTable::StatusBar, 14));
    EXPECT_EQ(ended_->size(), 0);
}

TEST_F(RunControlTest, TheOnlineButtonAndTheStatusPanelTellTheCaptureStateInEveryLanguage) {
    start({});
    QAction* online = child<QAction>("Toolbar1_Online");
    online->trigger();
    EXPECT_TRUE(online->isChecked());
    // A menu or a tool tip shows its own message; the panel keeps saying that capture is on.
    window_->statusBar()->showMessage(QStringLiteral("tip"));
    window_->statusBar()->clearMessage();
    EXPECT_EQ(statusPanelText(), session_.language.text(LanguageTable::StatusBar, 13));
    EXPECT_TRUE(child<QLabel>("StatusBar1_Panel1")->isVisibleTo(window_.get()));
    child<QAction>("menuEnglish")->trigger();
    EXPECT_EQ(statusPanelText(), session_.language.text(LanguageTable::StatusBar, 13));
    EXPECT_EQ(statusPanelText(), QStringLiteral("Online capture on"));
    online->trigger();
    EXPECT_FALSE(online->isChecked());

    // No host: the click leaves the button released, and the panel says capture is off.
    connector_.setApplication(nullptr);
    online->trigger();
    EXPECT_FALSE(online->isChecked());
    EXPECT_FALSE(window_->runControl().isCapturing());
    EXPECT_EQ(statusPanelText(), session_.language.text(LanguageTable::StatusBar, 14));
}

TEST_F(RunControlTest, TheNoProgramTextFollowsTheLanguageUntilAProgramIsRead) {
    start({});
    child<QAction>("menuEnglish")->trigger();
    EXPECT_EQ(child<QLabel>("lbl_Programmname")->text(),
              session_.language.text(LanguageTable::MainWindow, 35));
    window_->runControl().readProgramOffline();
    const QString fileName = child<QLabel>("lbl_Programmname")->text();
    EXPECT_NE(fileName, session_.language.text(LanguageTable::MainWindow, 35));
    child<QAction>("menuGerman")->trigger();
    EXPECT_EQ(child<QLabel>("lbl_Programmname")->text(), fileName);
}

TEST_F(RunControlTest, LocatingAnAxisOpensItsWholeBlockInTheHost) {
    start({});
    window_->runControl().readProgramOffline();
    ASSERT_GT(session_.values.rowCount(), 2);
    const CharacteristicRecord& axis = *session_.values.row(2);
    window_->runControl().locateInHost(2);
    ASSERT_TRUE(host_->lastActivatedCommand().has_value());
    EXPECT_NE(*host_->lastActivatedCommand(), axis.uniqueId);
}

TEST_F(RunControlTest, ADoubleClickLocatesTheCharacteristicTheKeyboardMovedTo) {
    start({});
    window_->runControl().readProgramOffline();
    const int last = session_.values.rowCount();
    auto* list = child<QListView>("lst_MM_ID");
    list->selectionModel()->setCurrentIndex(list->model()->index(0, 0), QItemSelectionModel::NoUpdate);
    QTest::keyClick(list, Qt::Key_End);
    auto* grid = child<QTableWidget>("FlexGridMerkmalswerte");
    EXPECT_EQ(grid->item(1, 1)->text(), list->model()->index(last - 1, 0).data().toString());

    Q_EMIT grid->cellDoubleClicked(5, 1);
    const std::optional<UniqueId> located = host_->lastActivatedCommand();
    window_->runControl().locateInHost(1);
    ASSERT_TRUE(located.has_value());
    EXPECT_NE(located, host_->lastActivatedCommand());
    window_->runControl().locateInHost(last);
    EXPECT_EQ(located, host_->lastActivatedCommand());
}

}  // namespace
}  // namespace korvex
