#include "ReaderFixture.h"
#include "host/HostCallError.h"
#include "host/HostCommandCollection.h"
#include "host/HostFailureText.h"
#include "host/HostPartProgram.h"
#include "host/sim/SimHost.h"

#include <gtest/gtest.h>

namespace korvex {
namespace {

using CharacteristicReaderTest = test::ReaderFixture;

SimProgram flatnessProgram(int commandCount) {
    SimProgram program;
    program.application.displayUpdates = true;
    for (int i = 1; i <= commandCount; ++i) {
        SimCommand command;
        command.typeCode = 1102;
        command.isDimension = true;
        command.uniqueId = {1, i};
        command.dimension = DimensionSnapshot{
            .name = QStringLiteral("FLAT%1").arg(i), .measured = 0.01, .plusTolerance = 0.05, .unitCode = 1};
        program.commands.push_back(command);
    }
    return program;
}

// A host that answers the first batch of snapshots and then is gone.
class VanishingCommands : public HostCommandCollection {
  public:
    explicit VanishingCommands(std::shared_ptr<HostCommandCollection> commands)
        : commands_(std::move(commands)) {}

    int count() override { return commands_->count(); }
    std::shared_ptr<HostCommand> commandAt(int position) override { return commands_->commandAt(position); }
    std::shared_ptr<HostCommand> commandWithUniqueId(UniqueId id) override {
        return commands_->commandWithUniqueId(id);
    }
    std::vector<CommandSnapshot> snapshots(int first, int count) override {
        if (answered_++ > 0)
            throw HostCallError(HostFailure::NoAnswer, QStringLiteral("(5 s)"),
                                QStringLiteral("KORVEX stopped answering."));
        return commands_->snapshots(first, count);
    }

  private:
    std::shared_ptr<HostCommandCollection> commands_;
    int answered_ = 0;
};

// Watches the host's display updates while the walk shows its progress.
class DisplayWatchingUser : public test::RecordingUserInteraction {
  public:
    explicit DisplayWatchingUser(HostApplication& host) : host_(host) {}
    void setProgress(int value, int maximum) override {
        if (value > 0)
            displayUpdatesDuringWalk = displayUpdatesDuringWalk || host_.displayUpdates();
        RecordingUserInteraction::setProgress(value, maximum);
    }
    bool displayUpdatesDuringWalk = false;

  private:
    HostApplication& host_;
};

TEST_F(CharacteristicReaderTest, ShowsProgressPerCommandAndSwitchesTheHostDisplayOffMeanwhile) {
    SimHost host(example("housing.json"));
    DisplayWatchingUser user(host);
    readCharacteristics(host, *host.activePartProgram()->commands(), {settings_, language_, user},
                        {tables_, headerData_});
    EXPECT_FALSE(user.displayUpdatesDuringWalk);
    EXPECT_TRUE(host.displayUpdates());
    ASSERT_EQ(user.progress.size(), 52U);
    EXPECT_EQ(user.progress.front(), (std::pair{0, 50}));
    EXPECT_EQ(user.progress[1], (std::pair{1, 50}));
    EXPECT_EQ(user.progress[50], (std::pair{50, 50}));
    EXPECT_EQ(user.progress.back(), (std::pair{0, 0}));
    EXPECT_EQ(user.statusTexts, (QStringList{QStringLiteral("StatusBar 4"), QString()}));
    EXPECT_TRUE(user.messages.empty());
}

TEST_F(CharacteristicReaderTest, AHostWithItsDisplayOffKeepsItOff) {
    SimHost host(example("flange_inch.json"));
    read(host, *host.activePartProgram()->commands());
    EXPECT_FALSE(host.displayUpdates());
}

TEST_F(CharacteristicReaderTest, AHostThatVanishesKeepsTheRowsReadSoFarAndSaysWhy) {
    SimHost host(flatnessProgram(600));
    VanishingCommands commands(host.activePartProgram()->commands());
    const ReadOutcome outcome = read(host, commands);

    EXPECT_FALSE(outcome.complete);
    EXPECT_EQ(outcome.failure, QStringLiteral("MessageBoxen 54 (5 s)"));
    EXPECT_EQ(tables_.rowCount(), 256);
    EXPECT_EQ(outcome.evaluation.counts.inTol, 256);
    EXPECT_TRUE(host.displayUpdates());
    ASSERT_EQ(user_.messages.size(), 1U);
    EXPECT_EQ(user_.messages[0].text,
              QStringLiteral("MessageBoxen 14\r\n\r\nMessageBoxen 54 (5 s)\r\n\r\nMessageBoxen 42"));
    EXPECT_EQ(user_.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(user_.progress.back(), (std::pair{0, 0}));
}

TEST_F(CharacteristicReaderTest, AProgramWithoutDimensionsGivesNoRowsAndTheGreenLamp) {
    SimProgram program = example("housing.json");
    std::erase_if(program.commands,
                  [](const SimCommand& command) { return command.isDimension || command.typeCode == 184; });
    SimHost host(program);
    const ReadOutcome outcome = read(host, *host.activePartProgram()->commands());
    EXPECT_EQ(tables_.rowCount(), 0);
    EXPECT_EQ(tables_.counts(), ResultCounts{});
    EXPECT_EQ(outcome.evaluation.light, TrafficLight::Green);
    EXPECT_EQ(outcome.evaluation.outOfTolLabel(), QStringLiteral("0"));
}

TEST_F(CharacteristicReaderTest, HeaderDataIsEmptiedAndFilledOnlyWhenSwitchedOn) {
    headerData_.assign(QStringLiteral("BATCH"), QStringLiteral("from an earlier read"));
    readExample("housing.json");
    for (const auto& variable : headerData_.variables())
        EXPECT_EQ(variable.value, QString()) << qPrintable(variable.name);
    EXPECT_EQ(settings_.peekSetting(keys::kHeader), QStringLiteral("0"));
}

TEST_F(CharacteristicReaderTest, AnInchProgramOfAnOldHostReadsAnglesInDegreesAndNoTruePositionDatums) {
    readExample("flange_inch.json");
    ASSERT_EQ(tables_.rowCount(), 7);
    QStringList units;
    for (const CharacteristicRecord& row : tables_.rows())
        units.append(row.unit);
    EXPECT_EQ(units, (QStringList{"ZOLL", "ZOLL", "GRAD", "GRAD", "ZOLL", "ZOLL", "ZOLL"}));
    const CharacteristicRecord& diameter = *tables_.row(6);
    EXPECT_EQ(diameter.typeName, QStringLiteral("TRUE_DIAM_LOCATION"));
    EXPECT_EQ(diameter.measured, 0.0021);
    EXPECT_EQ(diameter.materialCondition, QStringLiteral("LMC"));
    EXPECT_EQ(diameter.datum1, QString());
    EXPECT_EQ(tables_.row(7)->typeName, QStringLiteral("ROUNDNESS"));
}

TEST_F(CharacteristicReaderTest, ProgramsBeyondThirtyTwoThousandCommandsAreReadWhole) {
    SimHost host(flatnessProgram(33000));
    const ReadOutcome outcome = read(host, *host.activePartProgram()->commands());
    EXPECT_TRUE(outcome.complete);
    EXPECT_EQ(tables_.rowCount(), 33000);
    EXPECT_EQ(tables_.row(33000)->id, QStringLiteral("FLAT33000"));
    EXPECT_EQ(outcome.evaluation.counts.inTol, 33000);
}

TEST_F(CharacteristicReaderTest, HostFailuresAreToldInTheUsersLanguage) {
    EXPECT_EQ(hostFailureText(language_, HostCallError(HostFailure::Gone, QString(), QStringLiteral("gone"))),
              QStringLiteral("MessageBoxen 53"));
    EXPECT_EQ(hostFailureText(language_, HostCallError(HostFailure::Refused, QStringLiteral("no program"),
                                                       QStringLiteral("refused"))),
              QStringLiteral("MessageBoxen 55 no program"));
    EXPECT_EQ(hostFailureText(language_, HostCallError(QStringLiteral("reason"))),
              QStringLiteral("MessageBoxen 55 reason"));
}

}  // namespace
}  // namespace korvex
