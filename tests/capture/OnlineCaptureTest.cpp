#include "CaptureFixture.h"

#include "host/ConnectToHost.h"
#include "host/HostCommandCollection.h"
#include "host/HostEventSource.h"
#include "host/HostPartProgram.h"
#include "host/InProcessHostConnector.h"
#include "host/sim/SimHost.h"
#include "support/ExamplePrograms.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace korvex::test {
namespace {

// The capture of runs of a host in the same process.
class OnlineCaptureTest : public CaptureFixture {
  protected:
    void connectTo(const SimProgram& program) {
        host_ = std::make_shared<SimHost>(program);
        InProcessHostConnector connector(host_);
        ASSERT_TRUE(connectToHost(session_, connector, language_, user_));
    }

    std::shared_ptr<SimHost> host_;
};

TEST_F(OnlineCaptureTest, AnEekCommentEndsTheRunThereAndNothingTouchesTheCaptureAfterwards) {
    const int endOfRun = housingEndOfRunPosition();
    const Gathered expected = offline(firstCommands(housing(), endOfRun + 1));
    connectTo(housing());
    switchOn();
    // The end-of-run processing may end the program: here it destroys the capture in the middle of
    // the event that ends the run.
    QObject::connect(capture_.get(), &OnlineCapture::runEnded, [this] { capture_.reset(); });

    host_->execute();

    EXPECT_EQ(runEnds_, std::vector<RunEnd>{RunEnd::Evaluate});
    EXPECT_EQ(tables_.capture().commandIndex, endOfRun + 1);
    EXPECT_EQ(captured(), expected);
}

TEST_F(OnlineCaptureTest, OnlyAnEndOfRunCommentEndsTheRunNotATextCommentSayingEek) {
    SimProgram program = housing();
    program.commands[static_cast<std::size_t>(housingEndOfRunPosition())].comment->kind = 1;
    connectTo(program);
    switchOn();
    host_->execute();
    EXPECT_EQ(runEnds_, std::vector<RunEnd>{RunEnd::Evaluate});
    EXPECT_EQ(tables_.capture().commandIndex, static_cast<int>(program.commands.size()));
}

TEST_F(OnlineCaptureTest, AnAbortedRunIsEvaluatedOnYesAndEndsTheProgramOnNo) {
    const std::size_t rowsOfOneRun = offline(housingWithoutEndOfRun()).rows.size();
    connectTo(housingWithoutEndOfRun());
    user_.scriptAnswers({MessageAnswer::Yes, MessageAnswer::No});
    for (int run = 0; run < 2; ++run) {
        switchOn();
        host_->execute(SimHost::kAbortedTermination);
    }
    switchOn();
    host_->execute(1);

    EXPECT_EQ(runEnds_, (std::vector<RunEnd>{RunEnd::Evaluate, RunEnd::QuitWithoutOutput, RunEnd::Evaluate}));
    ASSERT_EQ(user_.messages.size(), 2U);
    const Message& question = user_.messages.front();
    EXPECT_EQ(question.title, QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
    EXPECT_EQ(question.text,
              QStringLiteral("[Version 2.0.2]\r\nThe part program run was aborted. Evaluate and "
                             "output the values captured so far? Answer No to close the program "
                             "without output."));
    EXPECT_EQ(question.buttons, MessageButtons::YesNo);
    EXPECT_EQ(static_cast<std::size_t>(tables_.rowCount()), rowsOfOneRun);
}

TEST_F(OnlineCaptureTest, EventsOfAnotherPartProgramAreIgnored) {
    connectTo(housing());
    switchOn();
    SimHost other(exampleProgram(QStringLiteral("flange_inch.json")));
    const auto otherProgram = other.activePartProgram();
    const auto otherCommands = otherProgram->commands();

    for (int position = 0; position < otherCommands->count(); ++position)
        Q_EMIT host_->events().objectExecuted(otherProgram, otherCommands->commandAt(position));
    Q_EMIT host_->events().endExecution(otherProgram, 0);

    EXPECT_TRUE(capture_->isOn());
    EXPECT_TRUE(runEnds_.empty());
    EXPECT_EQ(tables_.capture().commandIndex, 0);
}

TEST_F(OnlineCaptureTest, SwitchingOnStartsFromEmptyTablesAndEmptyHeaderData) {
    connectTo(housing());
    switchOn();
    host_->execute();
    ASSERT_EQ(headerData_.variables().front().value, QStringLiteral("HSG-4711"));

    SimProgram withoutAssignments = housing();
    std::erase_if(withoutAssignments.commands, [](const SimCommand& command) { return command.assignment; });
    connectTo(withoutAssignments);
    switchOn();

    EXPECT_EQ(tables_.rowCount(), 0);
    EXPECT_EQ(tables_.commandCount(), 47);
    host_->execute();
    for (const HeaderDataValues::Variable& variable : headerData_.variables())
        EXPECT_TRUE(variable.value.isEmpty()) << qPrintable(variable.name);
}

TEST_F(OnlineCaptureTest, ARunThatExecutesMoreThanTheProgramsCommandsGrowsTheTables) {
    const std::size_t rowsOfOneRun = offline(housingWithoutEndOfRun()).rows.size();
    connectTo(housingWithoutEndOfRun());
    switchOn();
    for (int loop = 0; loop < 3; ++loop) {
        for (int position = 0; position < 49; ++position)
            host_->executeCommand(position);
    }
    host_->endExecution(0);

    EXPECT_EQ(tables_.commandCount(), 49);
    EXPECT_EQ(tables_.capture().commandIndex, 147);
    EXPECT_EQ(static_cast<std::size_t>(tables_.rowCount()), 3 * rowsOfOneRun);
    EXPECT_EQ(runEnds_, std::vector<RunEnd>{RunEnd::Evaluate});
}

TEST_F(OnlineCaptureTest, AHostThatVanishesEndsTheCaptureWithAMessageAndKeepsTheRows) {
    connectTo(housing());
    switchOn();
    for (int position = 0; position < 10; ++position)
        host_->executeCommand(position);
    const int rows = tables_.rowCount();
    Q_EMIT host_->events().hostLost(QStringLiteral("KORVEX is no longer running."));
    host_->execute();

    EXPECT_EQ(runEnds_, std::vector<RunEnd>{RunEnd::HostLost});
    EXPECT_GT(rows, 0);
    EXPECT_EQ(tables_.rowCount(), rows);
    ASSERT_EQ(user_.messages.size(), 1U);
    EXPECT_EQ(user_.messages[0].text,
              QStringLiteral("KORVEX is no longer running.\r\n\r\nPlease start KORVEX, "
                             "open the part program and try again."));
    EXPECT_EQ(user_.messages[0].icon, MessageIcon::Critical);
}

}  // namespace
}  // namespace korvex::test
