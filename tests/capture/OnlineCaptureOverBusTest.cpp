#include "CaptureFixture.h"

#include "host/ConnectToHost.h"
#include "host/HostApplication.h"
#include "host/HostEventSource.h"
#include "host/dbus/BusHostConnector.h"
#include "support/ExamplePrograms.h"
#include "support/HostSimProcess.h"
#include "support/TestFiles.h"

#include <QSignalSpy>
#include <QTest>

namespace korvex::test {
namespace {

constexpr int kWaitMs = 10000;

// The online capture of runs of korvex-host-sim, over the bus.
class OnlineCaptureOverBusTest : public CaptureFixture {
  protected:
    // Starts the simulator with the program and connects to it.
    void startHost(const SimProgram& program, const QStringList& options = {}) {
        const QString path = dir_.filePath(QStringLiteral("program.json"));
        writeProgram(program, path);
        host_ = std::make_unique<HostSimProcess>(options + QStringList{path});
        ASSERT_TRUE(host_->isOnBus()) << qPrintable(host_->failure());
        ASSERT_TRUE(connectToHost(session_, connector_, language_, user_));
    }

    void run(int terminationType = 0) { host_->simulator(QStringLiteral("Run"), {terminationType}); }

    bool waitForRunEnds(std::size_t count) {
        return QTest::qWaitFor([&] { return runEnds_.size() >= count; }, kWaitMs);
    }

    BusHostConnector connector_;
    std::unique_ptr<HostSimProcess> host_;
};

TEST_F(OnlineCaptureOverBusTest, TheCaptureOfARunYieldsExactlyTheRowsOfTheOfflineRead) {
    startHost(housingWithoutEndOfRun());
    const Gathered expected = offline(session_);
    switchOn();
    int handled = 0;
    QObject::connect(capture_.get(), &OnlineCapture::commandCaptured, [&] { ++handled; });

    run();
    ASSERT_TRUE(waitForRunEnds(1));

    EXPECT_EQ(runEnds_, std::vector<RunEnd>{RunEnd::Evaluate});
    EXPECT_EQ(handled, 49);
    EXPECT_FALSE(capture_->isOn());
    EXPECT_EQ(captured(), expected);
    EXPECT_TRUE(user_.messages.empty());
}

TEST_F(OnlineCaptureOverBusTest, AnEekCommentEndsTheCaptureThere) {
    const int endOfRun = housingEndOfRunPosition();
    const Gathered expected = offline(firstCommands(housing(), endOfRun + 1));
    startHost(housing());
    switchOn();

    run();
    ASSERT_TRUE(waitForRunEnds(1));
    ASSERT_TRUE(host_->waitUntilIdle());
    QTest::qWait(50);

    EXPECT_EQ(runEnds_, std::vector<RunEnd>{RunEnd::Evaluate});
    EXPECT_EQ(tables_.capture().commandIndex, endOfRun + 1);
    EXPECT_EQ(captured(), expected);
    EXPECT_FALSE(capture_->isOn());
}

TEST_F(OnlineCaptureOverBusTest, AnAbortedRunIsEvaluatedOnYesAndEndsWithoutOutputOnNo) {
    startHost(housingWithoutEndOfRun());
    user_.scriptAnswers({MessageAnswer::Yes, MessageAnswer::No});
    switchOn();
    run(2);
    ASSERT_TRUE(waitForRunEnds(1));
    switchOn();
    run(2);
    ASSERT_TRUE(waitForRunEnds(2));

    EXPECT_EQ(runEnds_, (std::vector<RunEnd>{RunEnd::Evaluate, RunEnd::QuitWithoutOutput}));
    EXPECT_EQ(user_.messages.size(), 2U);
}

TEST_F(OnlineCaptureOverBusTest, RunsOfAnotherPartProgramAreIgnored) {
    startHost(housing());
    switchOn();
    const QString flange = sourceDir() + QStringLiteral("/examples/flange_inch.json");
    host_->simulator(QStringLiteral("OpenPartProgram"), {flange});
    QSignalSpy ends(&session_.application->events(), &HostEventSource::endExecution);

    run();
    ASSERT_TRUE(ends.wait(kWaitMs));

    EXPECT_TRUE(runEnds_.empty());
    EXPECT_TRUE(capture_->isOn());
    EXPECT_EQ(tables_.capture().commandIndex, 0);
}

TEST_F(OnlineCaptureOverBusTest, AHostKilledDuringTheRunEndsTheCaptureWithAMessageAndKeepsTheRows) {
    startHost(housing(), {QStringLiteral("--pacing"), QStringLiteral("20")});
    switchOn();
    int handled = 0;
    QObject::connect(capture_.get(), &OnlineCapture::commandCaptured, [&] { ++handled; });

    run();
    ASSERT_TRUE(QTest::qWaitFor([&] { return handled >= 15; }, kWaitMs));
    host_->kill();
    ASSERT_TRUE(waitForRunEnds(1));

    EXPECT_EQ(runEnds_, std::vector<RunEnd>{RunEnd::HostLost});
    EXPECT_GE(tables_.capture().commandIndex, 15);
    EXPECT_LT(tables_.capture().commandIndex, 50);
    EXPECT_GT(tables_.rowCount(), 0);
    ASSERT_EQ(user_.messages.size(), 1U);
    EXPECT_TRUE(user_.messages[0].text.startsWith(QStringLiteral("KORVEX is no longer running.")));
}

TEST_F(OnlineCaptureOverBusTest, SwitchingOnWhenTheHostHasGoneMeanwhileTellsTheUser) {
    startHost(housing());
    host_->kill();
    capture_ = makeCapture();

    EXPECT_FALSE(capture_->switchOn(session_));

    EXPECT_FALSE(capture_->isOn());
    ASSERT_EQ(user_.messages.size(), 1U);
    EXPECT_EQ(user_.messages[0].title, QStringLiteral("KORVEX Connection"));
}

}  // namespace
}  // namespace korvex::test
