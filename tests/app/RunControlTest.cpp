#include "app/RecordingReport.h"
#include "app/WindowFixture.h"
#include "app/core/ReportOutput.h"
#include "app/core/RunControl.h"
#include "host/HostCallError.h"
#include "host/HostCommand.h"
#include "host/HostCommandCollection.h"
#include "host/sim/SimHost.h"
#include "output/AsciiFormatSettings.h"
#include "support/ExamplePrograms.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QListView>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>

namespace korvex {
namespace {

// A host that answers "previous" of a command with the command itself, as a broken or hostile host
// could: locating must not walk such a chain for ever.
class CommandThatIsItsOwnPrevious : public HostCommand {
  public:
    explicit CommandThatIsItsOwnPrevious(std::shared_ptr<HostCommand> command)
        : command_(std::move(command)) {}

    int typeCode() override { return command_->typeCode(); }
    QString identifierText() override { return command_->identifierText(); }
    bool isDimension() override { return command_->isDimension(); }
    bool isComment() override { return command_->isComment(); }
    bool isMarked() override { return command_->isMarked(); }
    UniqueId uniqueId() override { return command_->uniqueId(); }
    std::shared_ptr<HostDimension> dimension() override { return command_->dimension(); }
    std::shared_ptr<HostComment> comment() override { return command_->comment(); }
    std::shared_ptr<HostAssignment> assignment() override { return command_->assignment(); }
    QString fieldText(int code, int index) override { return command_->fieldText(code, index); }
    double fieldValue(int code, int index) override { return command_->fieldValue(code, index); }
    int fieldNumber(int code, int index) override { return command_->fieldNumber(code, index); }
    std::shared_ptr<HostCommand> previous() override {
        return std::make_shared<CommandThatIsItsOwnPrevious>(command_);
    }
    void activate() override { command_->activate(); }
    CommandSnapshot snapshot() override { return command_->snapshot(); }

  private:
    std::shared_ptr<HostCommand> command_;
};

class CommandsInACycle : public HostCommandCollection {
  public:
    explicit CommandsInACycle(std::shared_ptr<HostCommandCollection> commands)
        : commands_(std::move(commands)) {}

    int count() override { return commands_->count(); }
    std::shared_ptr<HostCommand> commandAt(int position) override { return commands_->commandAt(position); }
    std::shared_ptr<HostCommand> commandWithUniqueId(UniqueId id) override {
        return std::make_shared<CommandThatIsItsOwnPrevious>(commands_->commandWithUniqueId(id));
    }
    std::vector<CommandSnapshot> snapshots(int first, int count) override {
        return commands_->snapshots(first, count);
    }

  private:
    std::shared_ptr<HostCommandCollection> commands_;
};

// The simulated host, failing as soon as the offline read asks for its window: a host that goes away
// after the connection was made.
class HostFailingEarlyInTheRead : public HostApplication {
  public:
    explicit HostFailingEarlyInTheRead(std::shared_ptr<SimHost> host) : host_(std::move(host)) {}

    std::shared_ptr<HostPartProgram> activePartProgram() override { return host_->activePartProgram(); }
    HostEventSource& events() override { return host_->events(); }
    QString toolbarStateSourceFolder() override { return host_->toolbarStateSourceFolder(); }
    QString toolbarStateTargetFolder() override { return host_->toolbarStateTargetFolder(); }
    bool displayUpdates() override { return host_->displayUpdates(); }
    void setDisplayUpdates(bool on) override { host_->setDisplayUpdates(on); }
    double windowLeft() override { return host_->windowLeft(); }
    void setWindowLeft(double left) override { host_->setWindowLeft(left); }
    double windowWidth() override { throw HostCallError(QStringLiteral("gone")); }
    void setWindowWidth(double width) override { host_->setWindowWidth(width); }
    double windowTop() override { return host_->windowTop(); }
    void setWindowTop(double top) override { host_->setWindowTop(top); }
    double windowHeight() override { return host_->windowHeight(); }
    void setWindowHeight(double height) override { host_->setWindowHeight(height); }
    QString versionText() override { return host_->versionText(); }

  private:
    std::shared_ptr<SimHost> host_;
};

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

TEST_F(RunControlTest, TheToolbarStateIsHandedBackFromACopyAndTheHostsFileStays) {
    const QString hostFolder = dir_.filePath(QStringLiteral("host"));
    const QString hostFile = hostFolder + QStringLiteral("/toolbarstate.dat");
    test::writeFile(hostFile, "layout");
    const QString workingFolder = QDir::currentPath();
    QDir::setCurrent(hostFolder);
    // The same folder for both, and both empty (the working folder).
    for (const QString& folder : {hostFolder, QString()}) {
        SimProgram program = test::exampleProgram(QStringLiteral("housing.json"));
        program.application.toolbarStateSourceFolder = folder;
        program.application.toolbarStateTargetFolder = folder;
        host_ = std::make_shared<SimHost>(program);
        connector_.setApplication(host_);
        openWindow();
        window_->runControl().readProgramOffline();
        EXPECT_EQ(test::readFile(hostFile), QByteArray("layout")) << folder.toStdString();
        const QString handedBack = host_->lastToolbarStatePath();
        EXPECT_FALSE(handedBack.isEmpty());
        EXPECT_NE(QFileInfo(handedBack).fileName(), QStringLiteral("toolbarstate.dat"));
        EXPECT_FALSE(QFileInfo::exists(handedBack)) << "the copy is removed after use";
    }
    QDir::setCurrent(workingFolder);
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

TEST_F(RunControlTest, AFailedReadOrReconnectLeavesNothingOfThePreviousProgramToShowOrWrite) {
    QDir().mkpath(outputFolder());
    start({});
    RunControl& control = window_->runControl();
    control.readProgramOffline();
    ASSERT_GT(session_.values.rowCount(), 0);
    connector_.setApplication(std::make_shared<HostFailingEarlyInTheRead>(host_));
    control.readProgramOffline();
    EXPECT_EQ(session_.values.rowCount(), 0);
    EXPECT_TRUE(window_->selection().empty());

    connector_.setApplication(host_);
    control.readProgramOffline();
    window_->setSelection(Selection(static_cast<std::size_t>(session_.values.rowCount()), true));
    connector_.setApplication(nullptr);
    control.toggleOnlineReceive();
    user_.messages.clear();
    control.writeAsciiOutput();
    EXPECT_TRUE(resultFiles().isEmpty());
    ASSERT_EQ(user_.messages.size(), 1U);
    EXPECT_TRUE(user_.messages[0].text.startsWith(session_.language.text(LanguageTable::MessageBoxen, 50)));
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

TEST_F(RunControlTest, ClosingTheWindowBeforeTheOutputIsNoSuccess) {
    start({QStringLiteral("o")});
    window_->close();
    EXPECT_EQ(exitStatus(), 1);
    host_->execute();
    EXPECT_EQ(ended_->size(), 1) << "the program ends once";

    session_.arguments = {};
    start({});
    window_->close();
    EXPECT_EQ(exitStatus(), 0);
}

TEST_F(RunControlTest, ARunJoinedAfterItsStartIsShownButNotOutput) {
    QDir().mkpath(outputFolder());
    start({QStringLiteral("o")});
    const int commands = static_cast<int>(host_->program().commands.size());
    for (int position = 5; position < commands; ++position) {
        host_->executeCommand(position);
    }
    host_->endExecution(SimHost::kNormalTermination);
    EXPECT_GT(session_.values.rowCount(), 0);
    EXPECT_TRUE(resultFiles().isEmpty());
    ASSERT_EQ(user_.messages.size(), 1U);
    EXPECT_EQ(user_.messages[0].text, session_.language.text(LanguageTable::MessageBoxen, 52));
    EXPECT_EQ(exitStatus(), 1);
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

TEST_F(RunControlTest, LocatingEndsWhenTheHostAnswersPreviousInACycle) {
    start({});
    window_->runControl().readProgramOffline();
    ASSERT_GT(session_.values.rowCount(), 2);
    session_.host.commands = std::make_shared<CommandsInACycle>(session_.host.commands);
    window_->runControl().locateInHost(2);
    EXPECT_EQ(host_->lastActivatedCommand(), session_.values.row(2)->uniqueId);
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
