#include "characteristics/CharacteristicReader.h"
#include "characteristics/HeaderDataValues.h"
#include "characteristics/ValueTables.h"
#include "host/ConnectToHost.h"
#include "host/HostAutomation.h"
#include "host/HostSession.h"
#include "host/dbus/BusHostConnector.h"
#include "host/dbus/HostBus.h"
#include "host/sim/PartProgramFile.h"
#include "host/sim/SimHost.h"
#include "settings/SettingsStore.h"
#include "support/ExamplePrograms.h"
#include "support/HostSimProcess.h"
#include "support/RecordingUserInteraction.h"
#include "support/TestFiles.h"
#include "util/LanguageLoader.h"
#include "util/LanguageTables.h"

#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <chrono>

namespace korvex::test {
namespace {

using namespace std::chrono_literals;

constexpr int kWaitMs = 10000;

// The D-Bus backend of the host interfaces against korvex-host-sim.
class BusBackendTest : public ::testing::Test {
  protected:
    BusBackendTest() {
        EXPECT_TRUE(loadLanguageFile(sourceDir() + QStringLiteral("/LanguageFiles/English.dll"), language_));
    }

    // Starts the simulator with the program (written to a file of the test) and connects to it.
    void startHost(const SimProgram& program) {
        programPath_ = dir_.filePath(QStringLiteral("program.json"));
        writeProgram(program, programPath_);
        host_ = std::make_unique<HostSimProcess>(QStringList{programPath_});
        ASSERT_TRUE(host_->isOnBus()) << qPrintable(host_->failure());
        ASSERT_TRUE(connectToHost(session_, connector_, language_, user_));
    }

    QTemporaryDir dir_;
    QString programPath_;
    LanguageTables language_;
    RecordingUserInteraction user_;
    BusHostConnector connector_{QDBusConnection::sessionBus(), 2s};
    std::unique_ptr<HostSimProcess> host_;
    HostSession session_;
};

SimProgram housing() {
    return exampleProgram(QStringLiteral("housing.json"));
}

// Comments of several megabytes each: together far more than one reply may carry.
SimProgram withLongComments(int count) {
    SimProgram program = housing();
    const QString longText(6 * 1024 * 1024, QLatin1Char('x'));
    for (int i = 0; i < count; ++i) {
        program.commands.push_back({.typeCode = 1,
                                    .isComment = true,
                                    .uniqueId = {7, i},
                                    .comment = SimComment{.text = longText, .lines = {longText}}});
    }
    return program;
}

TEST_F(BusBackendTest, CommandsWithTextsOfSeveralMegabytesAreReadCompletely) {
    const SimProgram program = withLongComments(3);
    startHost(program);
    SimHost local(program);
    const auto expected = local.activePartProgram()->commands()->snapshots(0, 1000);
    ASSERT_EQ(expected.size(), 53U);
    EXPECT_EQ(session_.commands->snapshots(0, 1000), expected);
}

TEST_F(BusBackendTest, TheApplicationAndThePartProgramAnswerAsTheHostHasThem) {
    startHost(housing());
    HostApplication& application = *session_.application;
    HostPartProgram& program = *session_.partProgram;

    EXPECT_EQ(application.versionText(), QStringLiteral("5.2.1"));
    EXPECT_TRUE(application.displayUpdates());
    application.setDisplayUpdates(false);
    EXPECT_FALSE(application.displayUpdates());
    application.setWindowLeft(1);
    application.setWindowTop(2.5);
    application.setWindowWidth(1280);
    application.setWindowHeight(480);
    EXPECT_EQ(application.windowLeft(), 1);
    EXPECT_EQ(application.windowTop(), 2.5);
    EXPECT_EQ(application.windowWidth(), 1280);
    EXPECT_EQ(application.windowHeight(), 480);
    EXPECT_EQ(application.toolbarStateSourceFolder(), QString());

    EXPECT_EQ(program.name(), QStringLiteral("Pump housing PH-200"));
    EXPECT_EQ(program.revision(), QStringLiteral("C"));
    EXPECT_EQ(program.drawingNumber(), QStringLiteral("PH-200-0031"));
    EXPECT_EQ(program.fileName(), QStringLiteral("D:/Programs/PH200_Housing.prg"));
    EXPECT_EQ(program.folder(), QStringLiteral("D:/Programs"));
    EXPECT_EQ(session_.connectedProgramName, QStringLiteral("D:/Programs/PH200_Housing"));
}

TEST_F(BusBackendTest, CommandsAndTheirSnapshotsArriveAsTheHostHasThem) {
    startHost(housing());
    SimHost local(housing());
    const auto localCommands = local.activePartProgram()->commands();
    HostCommandCollection& commands = *session_.commands;

    EXPECT_EQ(commands.count(), 50);
    EXPECT_EQ(commands.snapshots(0, 100), localCommands->snapshots(0, 100));
    EXPECT_EQ(commands.snapshots(45, 3), localCommands->snapshots(45, 3));
    EXPECT_TRUE(commands.snapshots(50, 3).empty());
    EXPECT_EQ(commands.commandAt(50), nullptr);
    EXPECT_EQ(commands.commandWithUniqueId({9, 9}), nullptr);

    const auto diameter = commands.commandWithUniqueId({1, 20});
    ASSERT_TRUE(diameter);
    EXPECT_EQ(diameter->snapshot(),
              local.activePartProgram()->commands()->commandWithUniqueId({1, 20})->snapshot());
    EXPECT_EQ(diameter->typeCode(), 1209);
    EXPECT_TRUE(diameter->isMarked());
    EXPECT_EQ(diameter->fieldText(169, 1), QStringLiteral("MMC"));
    EXPECT_EQ(diameter->dimension()->bonus(), 0.04);
    EXPECT_EQ(diameter->dimension()->datumLabel(3), QStringLiteral("C"));
    EXPECT_EQ(diameter->comment(), nullptr);
    EXPECT_EQ(diameter->previous()->typeCode(), 1203);
    EXPECT_EQ(commands.commandAt(0)->previous(), nullptr);
    EXPECT_EQ(commands.commandAt(0)->assignment()->value(), QStringLiteral("HSG-4711"));

    const auto generic = commands.commandAt(40);
    EXPECT_EQ(generic->fieldNumber(708, 1), 13);
    EXPECT_EQ(generic->fieldText(703, 2), QStringLiteral("B"));
    EXPECT_EQ(generic->fieldValue(687, 1), localCommands->commandAt(40)->fieldValue(687, 1));
}

TEST_F(BusBackendTest, ARunArrivesAsEventsThatCarryTheExecutedCommands) {
    startHost(housing());
    QSignalSpy executed(&session_.application->events(), &HostEventSource::objectExecuted);
    QSignalSpy ended(&session_.application->events(), &HostEventSource::endExecution);

    host_->simulator(QStringLiteral("Run"), {2});
    ASSERT_TRUE(ended.wait(kWaitMs));

    ASSERT_EQ(executed.size(), 50);
    SimHost local(housing());
    const auto localCommands = local.activePartProgram()->commands();
    for (int position = 0; position < 50; ++position) {
        const auto command = executed.at(position).at(1).value<std::shared_ptr<HostCommand>>();
        EXPECT_EQ(command->snapshot(), localCommands->commandAt(position)->snapshot());
    }
    const auto program = ended.at(0).at(0).value<std::shared_ptr<HostPartProgram>>();
    EXPECT_EQ(program->fullName(), QStringLiteral("D:/Programs/PH200_Housing.prg"));
    EXPECT_EQ(program->name(), QStringLiteral("Pump housing PH-200"));
    EXPECT_EQ(ended.at(0).at(1).toInt(), 2);
}

TEST_F(BusBackendTest, AddedCommandsAreAnnouncedAndSavedWithThePartProgram) {
    startHost(housing());
    QSignalSpy added(&session_.application->events(), &HostEventSource::objectAdded);

    const QList<QVariant> id =
        host_->simulator(QStringLiteral("AddCommand"),
                         {QStringLiteral(R"({"type": 612, "id": "CIR_NEW", "marked": true})"), 3});
    ASSERT_TRUE(added.wait(kWaitMs));
    session_.partProgram->save();
    session_.partProgram->loadToolbarState(QStringLiteral("/tmp/toolbarstate.dat"));
    session_.commands->commandAt(3)->activate();

    const auto command = added.at(0).at(1).value<std::shared_ptr<HostCommand>>();
    EXPECT_EQ(command->identifierText(), QStringLiteral("CIR_NEW"));
    EXPECT_EQ(command->uniqueId(), (UniqueId{id.value(0).toInt(), id.value(1).toInt()}));
    const PartProgramLoadResult saved = loadPartProgramFile(programPath_);
    ASSERT_TRUE(saved.program) << qPrintable(saved.error.text());
    ASSERT_EQ(saved.program->commands.size(), 51U);
    EXPECT_EQ(saved.program->commands[3].identifierText, QStringLiteral("CIR_NEW"));
    EXPECT_TRUE(saved.program->commands[3].marked);

    EXPECT_THROW(host_->simulator(QStringLiteral("AddCommand"), {QStringLiteral(R"({"id": "NO_TYPE"})"), 0}),
                 HostCallError);
}

TEST_F(BusBackendTest, ASaveTheSimulatorCannotWriteIsRefusedAndLeavesTheOldFile) {
    startHost(housing());
    const QByteArray before = readFile(programPath_);
    ASSERT_TRUE(QFile::rename(programPath_, programPath_ + QStringLiteral(".kept")));
    ASSERT_TRUE(QDir().mkpath(programPath_));  // a folder where the file was: no file can replace it

    try {
        session_.partProgram->save();
        ADD_FAILURE() << "the save was not refused";
    } catch (const HostCallError& error) {
        EXPECT_TRUE(error.message().startsWith(QStringLiteral("KORVEX refused a request")))
            << qPrintable(error.message());
        EXPECT_TRUE(error.message().contains(programPath_)) << qPrintable(error.message());
    }
    EXPECT_TRUE(QFileInfo(programPath_).isDir());
    EXPECT_EQ(readFile(programPath_ + QStringLiteral(".kept")), before);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList({QStringLiteral("program.json.kept")}));
}

TEST_F(BusBackendTest, APartProgramThatIsNoLongerOpenCannotBeReachedByItsOldObjects) {
    startHost(housing());
    host_->simulator(QStringLiteral("OpenPartProgram"),
                     {sourceDir() + QStringLiteral("/examples/flange_inch.json")});

    try {
        session_.commands->count();
        FAIL() << "the old part program answered";
    } catch (const HostCallError& error) {
        EXPECT_EQ(error.message(),
                  QStringLiteral("KORVEX refused a request: The part program is no longer open in KORVEX."));
    }
    EXPECT_EQ(session_.application->activePartProgram()->name(), QStringLiteral("Flange FL-3 (inch)"));
}

TEST_F(BusBackendTest, ObjectsOfAHostThatHasEndedDoNotReachTheHostStartedAfterIt) {
    startHost(housing());
    QSignalSpy lost(&session_.application->events(), &HostEventSource::hostLost);
    host_->kill();
    ASSERT_TRUE(lost.wait(kWaitMs));
    HostSimProcess next({programPath_});
    ASSERT_TRUE(next.isOnBus()) << qPrintable(next.failure());

    try {
        session_.commands->count();
        ADD_FAILURE() << "the ended host's objects reached the next host";
    } catch (const HostCallError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("KORVEX is no longer running."));
    }
    EXPECT_EQ(lost.at(0).at(0).toString(), QStringLiteral("KORVEX is no longer running."));
}

TEST_F(BusBackendTest, AHostThatDoesNotAnswerMakesTheCallFailAfterTheTimeout) {
    startHost(housing());
    host_->pause();
    QElapsedTimer clock;
    clock.start();

    try {
        session_.commands->count();
        ADD_FAILURE() << "the paused host answered";
    } catch (const HostCallError& error) {
        EXPECT_TRUE(error.message().startsWith(QStringLiteral("KORVEX did not answer within 2 seconds")))
            << qPrintable(error.message());
    }

    EXPECT_LT(clock.elapsed(), kWaitMs);
    host_->resume();
    EXPECT_EQ(session_.commands->count(), 50);
}

// Kills the host once the offline read has come that far.
class KillingUserInteraction : public RecordingUserInteraction {
  public:
    KillingUserInteraction(HostSimProcess& host, int killAt) : host_(host), killAt_(killAt) {}

    void setProgress(int value, int maximum) override {
        RecordingUserInteraction::setProgress(value, maximum);
        if (value == killAt_)
            host_.kill();
    }

  private:
    HostSimProcess& host_;
    int killAt_;
};

TEST_F(BusBackendTest, AHostKilledDuringTheOfflineReadLeavesTheRowsReadSoFarAndAMessage) {
    startHost(repeatedProgram(housing(), 20));
    const SettingsStore settings(
        {dir_.filePath(QStringLiteral("machine.ini")), dir_.filePath(QStringLiteral("user.ini"))});
    KillingUserInteraction user(*host_, 300);
    ValueTables tables;
    HeaderDataValues headerData;

    const ReadOutcome outcome = readCharacteristics(*session_.application, *session_.commands,
                                                    {settings, language_, user}, {tables, headerData});

    EXPECT_FALSE(outcome.complete);
    EXPECT_GE(tables.capture().commandIndex, 300);
    EXPECT_LT(tables.capture().commandIndex, 1000);
    EXPECT_GT(tables.rowCount(), 200);
    ASSERT_EQ(user.messages.size(), 1U);
    EXPECT_TRUE(user.messages[0].text.contains(QStringLiteral("KORVEX is no longer running.")))
        << qPrintable(user.messages[0].text);
}

TEST_F(BusBackendTest, TheHostsObjectIntrospectsWithItsInterfaces) {
    startHost(housing());
    const QDBusMessage introspect = QDBusMessage::createMethodCall(
        hostbus::serviceName(), hostbus::objectPath(), QStringLiteral("org.freedesktop.DBus.Introspectable"),
        QStringLiteral("Introspect"));
    const QDBusMessage reply = QDBusConnection::sessionBus().call(introspect, QDBus::Block, kWaitMs);

    const QString xml = reply.arguments().value(0).toString();
    for (const QString& interface : {hostbus::applicationInterface(), hostbus::partProgramInterface(),
                                     hostbus::commandsInterface(), hostbus::simulatorInterface()})
        EXPECT_TRUE(xml.contains(QStringLiteral("<interface name=\"%1\">").arg(interface)))
            << qPrintable(interface);
    EXPECT_TRUE(xml.contains(QStringLiteral("<signal name=\"OnObjectExecuted\">")));
}

}  // namespace
}  // namespace korvex::test
