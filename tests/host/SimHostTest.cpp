#include "host/HostAutomation.h"
#include "host/sim/PartProgramFile.h"
#include "host/sim/SimHost.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <limits>

namespace korvex {
namespace {

SimProgram housing() {
    PartProgramLoadResult result = loadPartProgramFile(QStringLiteral(KORVEX_EXAMPLES_DIR "/housing.json"));
    EXPECT_TRUE(result.program) << qPrintable(result.error.text());
    return result.program.value_or(SimProgram{});
}

SimCommand plainCommand(int type, const QString& id) {
    SimCommand command;
    command.typeCode = type;
    command.identifierText = id;
    return command;
}

TEST(SimHostTest, ServesTheApplicationAndPartProgramProperties) {
    SimHost host(housing());
    EXPECT_EQ(host.versionText(), QStringLiteral("5.2.1"));
    EXPECT_TRUE(host.displayUpdates());
    host.setDisplayUpdates(false);
    EXPECT_FALSE(host.displayUpdates());
    host.setWindowHeight(480);
    host.setWindowWidth(800);
    EXPECT_EQ(host.windowHeight(), 480);
    EXPECT_EQ(host.windowWidth(), 800);
    EXPECT_EQ(host.windowTop(), 0);

    const auto program = host.activePartProgram();
    ASSERT_TRUE(program);
    EXPECT_EQ(program->name(), QStringLiteral("Pump housing PH-200"));
    EXPECT_EQ(program->revision(), QStringLiteral("C"));
    EXPECT_EQ(program->fullName(), QStringLiteral("D:/Programs/PH200_Housing.prg"));
    EXPECT_EQ(program->commands()->count(), 50);

    host.setPartProgramOpen(false);
    EXPECT_EQ(host.activePartProgram(), nullptr);
}

TEST(SimHostTest, CommandsAnswerEveryOperationAndTheirSnapshotHoldsWhatTheReadersNeed) {
    SimHost host(housing());
    const auto commands = host.activePartProgram()->commands();

    const auto diameter = commands->commandWithUniqueId({1, 20});
    ASSERT_TRUE(diameter);
    EXPECT_EQ(diameter->typeCode(), 1209);
    EXPECT_TRUE(diameter->isMarked());
    EXPECT_EQ(diameter->fieldText(169, 1), QStringLiteral("MMC"));
    EXPECT_EQ(diameter->dimension()->datumLabel(3), QStringLiteral("C"));
    EXPECT_EQ(diameter->dimension()->featureName(4), QString());
    EXPECT_EQ(diameter->comment(), nullptr);
    EXPECT_EQ(diameter->previous()->typeCode(), 1203);
    EXPECT_EQ(commands->commandAt(0)->previous(), nullptr);
    diameter->activate();
    EXPECT_EQ(host.lastActivatedCommand(), (UniqueId{1, 20}));
    EXPECT_EQ(commands->commandWithUniqueId({9, 9}), nullptr);

    const CommandSnapshot snapshot = diameter->snapshot();
    EXPECT_EQ(snapshot.materialCondition, QStringLiteral("MMC"));
    ASSERT_TRUE(snapshot.dimension);
    EXPECT_EQ(snapshot.dimension->bonus, 0.04);
    EXPECT_FALSE(snapshot.comment || snapshot.assignment || snapshot.generic);

    const std::vector<CommandSnapshot> batch = commands->snapshots(40, 20);
    ASSERT_EQ(batch.size(), 10U);
    const CommandSnapshot& generic = batch[0];
    ASSERT_TRUE(generic.generic);
    EXPECT_EQ(generic.generic->genericCode, 13);
    EXPECT_EQ(generic.generic->datumLabels, (std::array<QString, 3>{"A", "B", ""}));
    EXPECT_EQ(generic.generic->datumLengthText, QStringLiteral("12.5"));
    EXPECT_EQ(generic.identifierText, QStringLiteral("GEN_RUNOUT"));
    EXPECT_EQ(batch[5].comment->lines, QStringList{QStringLiteral("Slot position")});
    EXPECT_EQ(commands->snapshots(0, 1)[0].assignment->value, QStringLiteral("HSG-4711"));
}

TEST(SimHostTest, ExecutionEmitsEveryCommandInOrderThenTheEnd) {
    SimHost host(housing());
    std::vector<int> executedTypes;
    int termination = -1;
    QObject::connect(&host.events(), &HostEventSource::objectExecuted,
                     [&](const auto& program, const auto& command) {
                         EXPECT_EQ(program->name(), QStringLiteral("Pump housing PH-200"));
                         executedTypes.push_back(command->typeCode());
                     });
    QObject::connect(&host.events(), &HostEventSource::endExecution, [&](const auto&, int type) {
        EXPECT_EQ(executedTypes.size(), 50U);
        termination = type;
    });
    host.execute(SimHost::kAbortedTermination);
    ASSERT_EQ(executedTypes.size(), 50U);
    EXPECT_EQ(executedTypes.front(), 191);
    EXPECT_EQ(executedTypes.back(), 1001);
    EXPECT_EQ(termination, 2);
}

TEST(SimHostTest, AddedCommandsGetAFreshUniqueIdAndAreAnnounced) {
    SimHost host(housing());
    std::vector<UniqueId> announced;
    QObject::connect(&host.events(), &HostEventSource::objectAdded,
                     [&](const auto&, const auto& command) { announced.push_back(command->uniqueId()); });

    const UniqueId first = host.addCommand(plainCommand(612, QStringLiteral("CIR_NEW")), 0);
    SimCommand repeated = plainCommand(612, QStringLiteral("CIR_AGAIN"));
    repeated.uniqueId = {12, 345};
    const UniqueId second = host.addCommand(repeated);

    EXPECT_EQ(first, (UniqueId{1, 346}));
    EXPECT_EQ(second, (UniqueId{1, 347}));
    EXPECT_EQ(announced, (std::vector<UniqueId>{first, second}));
    const auto commands = host.activePartProgram()->commands();
    EXPECT_EQ(commands->count(), 52);
    EXPECT_EQ(commands->commandAt(0)->identifierText(), QStringLiteral("CIR_NEW"));
    EXPECT_EQ(commands->commandAt(51)->identifierText(), QStringLiteral("CIR_AGAIN"));
    EXPECT_EQ(commands->commandWithUniqueId({1, 20})->typeCode(), 1209);
}

TEST(SimHostTest, AnAddedCommandBeyondTheLargestIdTakesTheLowestFreeOne) {
    SimProgram program;
    for (const int number : {1, 2, 4, std::numeric_limits<int>::max()}) {
        SimCommand command = plainCommand(612, QStringLiteral("C%1").arg(number));
        command.uniqueId = {1, number};
        program.commands.push_back(command);
    }
    SimHost host(program);
    EXPECT_EQ(host.addCommand(plainCommand(612, QStringLiteral("NEW"))), (UniqueId{1, 3}));
    EXPECT_EQ(host.addCommand(plainCommand(612, QStringLiteral("NEXT"))), (UniqueId{1, 5}));
}

TEST(SimHostTest, SavingThroughThePartProgramWritesTheFileAtomically) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("housing.json"));
    SimHost host(housing(), path);
    host.addCommand(plainCommand(612, QStringLiteral("CIR_NEW")));
    host.activePartProgram()->save();
    host.activePartProgram()->loadToolbarState(QStringLiteral("/tmp/toolbarstate.dat"));
    EXPECT_EQ(host.lastToolbarStatePath(), QStringLiteral("/tmp/toolbarstate.dat"));

    const PartProgramLoadResult saved = loadPartProgramFile(path);
    ASSERT_TRUE(saved.program);
    EXPECT_EQ(*saved.program, host.program());

    SimHost withoutFile(housing());
    EXPECT_THROW(withoutFile.activePartProgram()->save(), HostCallError);
}

TEST(SimHostTest, ObjectsOfAHostThatIsGoneThrowInsteadOfCrashing) {
    std::shared_ptr<HostCommand> command;
    std::shared_ptr<HostCommandCollection> commands;
    {
        SimHost host(housing());
        commands = host.activePartProgram()->commands();
        command = commands->commandAt(7);
        EXPECT_EQ(command->typeCode(), 1002);
    }
    EXPECT_THROW(command->typeCode(), HostCallError);
    EXPECT_THROW(commands->snapshots(0, 10), HostCallError);
    try {
        commands->count();
    } catch (const HostCallError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("KORVEX is no longer running."));
    }
}

}  // namespace
}  // namespace korvex
