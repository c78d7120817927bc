#include "host/HostApplication.h"
#include "host/HostCallError.h"
#include "host/HostEventSource.h"
#include "host/dbus/BusHostConnector.h"
#include "host/dbus/HostBus.h"
#include "host/simserver/SimOptions.h"
#include "support/HostSimProcess.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace korvex::test {
namespace {

constexpr int kWaitMs = 10000;

SimOptions parsed(const QStringList& arguments) {
    const auto result = parseSimOptions(QStringList{QStringLiteral("korvex-host-sim")} + arguments);
    const auto* options = std::get_if<SimOptions>(&result);
    return options ? *options : SimOptions{.partProgramPath = QStringLiteral("(refused)")};
}

int exitCodeOf(const QStringList& arguments) {
    const auto result = parseSimOptions(QStringList{QStringLiteral("korvex-host-sim")} + arguments);
    const auto* exit = std::get_if<SimOptionsExit>(&result);
    return exit ? exit->exitCode : -1;
}

TEST(HostSimProgramTest, TheCommandLineChoosesTheProgramTheRunAndItsPacing) {
    const SimOptions options = parsed(
        {QStringLiteral("--run-after"), QStringLiteral("1500"), QStringLiteral("--pacing"),
         QStringLiteral("20"), QStringLiteral("--termination"), QStringLiteral("2"),
         QStringLiteral("--quit-after-run"), QStringLiteral("--no-window"), QStringLiteral("part.json")});
    EXPECT_EQ(options.partProgramPath, QStringLiteral("part.json"));
    EXPECT_EQ(options.runAfter, 1500);
    EXPECT_EQ(options.pacing, 20);
    EXPECT_EQ(options.terminationType, 2);
    EXPECT_TRUE(options.quitAfterRun);
    EXPECT_FALSE(options.window);

    const SimOptions plain = parsed({});
    EXPECT_TRUE(plain.partProgramPath.isEmpty());
    EXPECT_FALSE(plain.runAfter);
    EXPECT_TRUE(plain.window);
    EXPECT_EQ(parsed({QStringLiteral("--run")}).runAfter, 0);

    EXPECT_EQ(exitCodeOf({QStringLiteral("--help")}), 0);
    EXPECT_EQ(exitCodeOf({QStringLiteral("--pacing"), QStringLiteral("fast")}), 2);
    EXPECT_EQ(exitCodeOf({QStringLiteral("--bogus")}), 2);
    EXPECT_EQ(exitCodeOf({QStringLiteral("a.json"), QStringLiteral("b.json")}), 2);
}

TEST(HostSimProgramTest, RunsFromItsCommandLineAndQuitsAfterwardsWhenAsked) {
    HostSimProcess host({QStringLiteral("--run-after"), QStringLiteral("1000"),
                         QStringLiteral("--termination"), QStringLiteral("2"),
                         QStringLiteral("--quit-after-run"),
                         sourceDir() + QStringLiteral("/examples/flange_inch.json")});
    ASSERT_TRUE(host.isOnBus()) << qPrintable(host.failure());
    const std::shared_ptr<HostApplication> application = BusHostConnector().application();
    QSignalSpy executed(&application->events(), &HostEventSource::objectExecuted);
    QSignalSpy ended(&application->events(), &HostEventSource::endExecution);

    ASSERT_TRUE(host.process().waitForFinished(kWaitMs));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !ended.isEmpty(); }, kWaitMs));

    EXPECT_EQ(executed.size(), 12);
    EXPECT_EQ(ended.at(0).at(1).toInt(), 2);
    EXPECT_EQ(host.process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(host.process().exitCode(), 0);
}

TEST(HostSimProgramTest, RefusesAPartProgramFileItCannotReadAndASecondHostOnTheBus) {
    QTemporaryDir dir;
    const QString broken = dir.filePath(QStringLiteral("broken.json"));
    writeFile(broken, R"({"commands": [{"type": 1002, "dimension": {"nominal": "ten"}}]})");
    QProcess refused;
    refused.start(HostSimProcess::programPath(), {QStringLiteral("--no-window"), broken});
    ASSERT_TRUE(refused.waitForFinished(kWaitMs));
    EXPECT_EQ(refused.exitCode(), 1);
    EXPECT_TRUE(refused.readAllStandardError().contains("commands[0].dimension.nominal must be a number"));

    HostSimProcess first({});
    ASSERT_TRUE(first.isOnBus()) << qPrintable(first.failure());
    QProcess second;
    second.start(HostSimProcess::programPath(), {QStringLiteral("--no-window")});
    ASSERT_TRUE(second.waitForFinished(kWaitMs));
    EXPECT_EQ(second.exitCode(), 1);
    EXPECT_TRUE(second.readAllStandardError().contains("com.dornwell.KORVEX"));
}

TEST(HostSimProgramTest, QuitsWhenAskedOverTheBus) {
    HostSimProcess host({});
    ASSERT_TRUE(host.isOnBus()) << qPrintable(host.failure());
    host.simulator(QStringLiteral("Quit"));
    ASSERT_TRUE(host.process().waitForFinished(kWaitMs));
    EXPECT_EQ(host.process().exitCode(), 0);
    EXPECT_THROW(host.simulator(QStringLiteral("Run"), {0}), HostCallError);
}

TEST(HostSimProgramTest, RefusesAProgramWithACommandTooLargeForOneBusMessage) {
    QTemporaryDir dir;
    const QString huge = dir.filePath(QStringLiteral("huge.json"));
    const QByteArray text(65 * 1024 * 1024, 'x');
    writeFile(huge, R"({"commands": [{"type": 1}, {"type": 1, "comment": {"text": ")" + text + R"("}}]})");
    QProcess refused;
    refused.start(HostSimProcess::programPath(), {QStringLiteral("--no-window"), huge});
    ASSERT_TRUE(refused.waitForFinished(kWaitMs));
    EXPECT_EQ(refused.exitCode(), 1);
    EXPECT_TRUE(
        refused.readAllStandardError().contains("commands[1] (unique id 1/2) holds more than 64 MiB"));
}

// A host whose bus goes away cannot be reached by anybody: it must end, and say why.
TEST(HostSimProgramTest, EndsWithAMessageWhenItsBusGoesAway) {
    QProcess bus;
    bus.start(QStringLiteral("dbus-daemon"),
              {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address")});
    ASSERT_TRUE(bus.waitForReadyRead(kWaitMs));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                       QString::fromUtf8(bus.readLine()).trimmed());
    QProcess host;
    host.setProcessEnvironment(environment);
    host.start(HostSimProcess::programPath(), {QStringLiteral("--no-window")});
    ASSERT_TRUE(host.waitForStarted(kWaitMs));
    EXPECT_FALSE(host.waitForFinished(500));

    bus.kill();
    ASSERT_TRUE(host.waitForFinished(kWaitMs));
    EXPECT_EQ(host.exitCode(), 3);
    EXPECT_TRUE(host.readAllStandardError().contains("lost the connection to the session bus"));
}

}  // namespace
}  // namespace korvex::test
