// Speed of the offline read (walk, rows, comments, evaluation) through the in-process simulated host.
#include "characteristics/CharacteristicReader.h"
#include "characteristics/CommandCapture.h"
#include "characteristics/HeaderDataValues.h"
#include "characteristics/ValueTables.h"
#include "host/HostCommandCollection.h"
#include "host/HostPartProgram.h"
#include "host/sim/PartProgramGenerator.h"
#include "host/sim/SimHost.h"
#include "settings/SettingsStore.h"
#include "util/LanguageTables.h"
#include "util/UserInteraction.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

namespace korvex {
namespace {

class SilentUser : public UserInteraction {
  public:
    MessageAnswer showMessage(const Message& message) override { return message.defaultAnswer; }
    void setStatusText(const QString&) override {}
    void setProgress(int value, int) override { benchmark::DoNotOptimize(value); }
};

struct ReadSetup {
    QTemporaryDir dir;
    SettingsStore settings{
        {dir.filePath(QStringLiteral("machine.ini")), dir.filePath(QStringLiteral("user.ini"))}};
    LanguageTables language;
    SilentUser user;
    ValueTables tables;
    HeaderDataValues headerData;

    explicit ReadSetup(bool multiLine) {
        (void)settings.writeSetting(keys::kMultiLine, multiLine ? QStringLiteral("1") : QStringLiteral("0"));
        (void)settings.writeSetting(keys::kHeader, QStringLiteral("1"));
        headerData.setNames({QStringLiteral("PART_NO")});
    }
};

void offlineRead(benchmark::State& state, bool multiLine) {
    const int commandCount = static_cast<int>(state.range(0));
    SimHost host(generatePartProgram(commandCount));
    const std::shared_ptr<HostCommandCollection> commands = host.activePartProgram()->commands();
    ReadSetup setup(multiLine);
    for (auto _ : state) {
        const ReadOutcome outcome = readCharacteristics(
            host, *commands, {setup.settings, setup.language, setup.user}, {setup.tables, setup.headerData});
        benchmark::DoNotOptimize(outcome.evaluation.counts.inTol);
    }
    state.counters["rows"] = setup.tables.rowCount();
    state.SetItemsProcessed(state.iterations() * commandCount);
}

void BM_OfflineRead(benchmark::State& state) {
    offlineRead(state, false);
}
BENCHMARK(BM_OfflineRead)->Arg(10000)->Arg(32767)->Unit(benchmark::kMillisecond);

void BM_OfflineReadMultiLine(benchmark::State& state) {
    offlineRead(state, true);
}
BENCHMARK(BM_OfflineReadMultiLine)->Arg(10000)->Arg(32767)->Unit(benchmark::kMillisecond);

// The rules alone, on snapshots fetched beforehand: what the walk costs apart from the host calls.
void BM_CaptureFromSnapshots(benchmark::State& state) {
    const int commandCount = static_cast<int>(state.range(0));
    SimHost host(generatePartProgram(commandCount));
    const std::vector<CommandSnapshot> snapshots =
        host.activePartProgram()->commands()->snapshots(0, commandCount);
    ValueTables tables;
    HeaderDataValues headerData;
    for (auto _ : state) {
        tables.reset(commandCount);
        for (const CommandSnapshot& snapshot : snapshots)
            captureCommand(snapshot, {}, tables, headerData);
        benchmark::DoNotOptimize(tables.rowCount());
    }
    state.SetItemsProcessed(state.iterations() * commandCount);
}
BENCHMARK(BM_CaptureFromSnapshots)->Arg(10000)->Arg(32767)->Unit(benchmark::kMillisecond);

void BM_Evaluation(benchmark::State& state) {
    const int commandCount = static_cast<int>(state.range(0));
    SimHost host(generatePartProgram(commandCount));
    ReadSetup setup(false);
    readCharacteristics(host, *host.activePartProgram()->commands(),
                        {setup.settings, setup.language, setup.user}, {setup.tables, setup.headerData});
    for (auto _ : state)
        benchmark::DoNotOptimize(evaluateTolerances(setup.tables, 90).counts.inTol);
    state.SetItemsProcessed(state.iterations() * setup.tables.rowCount());
}
BENCHMARK(BM_Evaluation)->Arg(10000)->Arg(32767)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korvex

BENCHMARK_MAIN();
