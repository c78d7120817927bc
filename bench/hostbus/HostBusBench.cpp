// Speed of the host link over D-Bus, with korvex-host-sim as a separate process on a private session
// bus: the offline read of a generated part program, and the online capture of its run with the
// simulator executing as fast as it can.
#include "capture/OnlineCapture.h"
#include "characteristics/CharacteristicReader.h"
#include "characteristics/HeaderDataValues.h"
#include "characteristics/ValueTables.h"
#include "host/ConnectToHost.h"
#include "host/HostSession.h"
#include "host/dbus/BusHostConnector.h"
#include "host/sim/PartProgramGenerator.h"
#include "settings/SettingsStore.h"
#include "support/ExamplePrograms.h"
#include "support/HostSimProcess.h"
#include "support/PrivateBusBenchmark.h"
#include "support/RecordingUserInteraction.h"
#include "util/LanguageTables.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTemporaryDir>

#include <cstdio>
#include <optional>

namespace korvex {
namespace {

constexpr int kCommandCount = 10000;
constexpr int kRunTimeoutMs = 60000;

// The simulator with the generated program, connected, and what the readers work with.
struct BusSetup {
    QTemporaryDir dir;
    SettingsStore settings{
        {dir.filePath(QStringLiteral("machine.ini")), dir.filePath(QStringLiteral("user.ini"))}};
    LanguageTables language;
    test::RecordingUserInteraction user;
    ValueTables tables;
    HeaderDataValues headerData;
    std::optional<test::HostSimProcess> host;
    BusHostConnector connector;
    HostSession session;

    // Empty when ready, else why not.
    QString start() {
        const QString path = dir.filePath(QStringLiteral("generated.json"));
        test::writeProgram(generatePartProgram(kCommandCount), path);
        host.emplace(QStringList{path});
        if (!host->isOnBus())
            return host->failure();
        (void)settings.writeSetting(keys::kHeader, QStringLiteral("1"));
        headerData.setNames({QStringLiteral("PART_NO")});
        if (!connectToHost(session, connector, language, user))
            return user.messages.front().text;
        return {};
    }

    ReaderEnvironment environment() { return {settings, language, user}; }
    ReaderTargets targets() { return {tables, headerData}; }
};

void offlineRead(benchmark::State& state, BusSetup& setup) {
    for (auto _ : state) {
        const ReadOutcome outcome = readCharacteristics(*setup.session.application, *setup.session.commands,
                                                        setup.environment(), setup.targets());
        if (!outcome.complete) {
            state.SkipWithError(qPrintable(outcome.failure));
            return;
        }
    }
    state.counters["rows"] = setup.tables.rowCount();
    state.SetItemsProcessed(state.iterations() * kCommandCount);
}

// Runs the program once with the capture on; false when the run did not end in time.
bool captureOneRun(OnlineCapture& capture, BusSetup& setup, bool& ended) {
    ended = false;
    if (!capture.switchOn(setup.session))
        return false;
    setup.host->simulator(QStringLiteral("Run"), {0});
    const QDeadlineTimer deadline(kRunTimeoutMs);
    while (!ended && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    return ended;
}

void onlineCapture(benchmark::State& state, BusSetup& setup) {
    readCharacteristics(*setup.session.application, *setup.session.commands, setup.environment(),
                        setup.targets());
    const int expectedRows = setup.tables.rowCount();
    OnlineCapture capture(setup.environment(), setup.targets());
    bool ended = false;
    QObject::connect(&capture, &OnlineCapture::runEnded, [&ended] { ended = true; });
    for (auto _ : state) {
        if (!captureOneRun(capture, setup, ended)) {
            state.SkipWithError("the run did not end in time");
            return;
        }
    }
    if (setup.tables.capture().commandIndex != kCommandCount || setup.tables.rowCount() != expectedRows) {
        state.SkipWithError("the capture lost commands");
        return;
    }
    state.counters["rows"] = setup.tables.rowCount();
    state.SetItemsProcessed(state.iterations() * kCommandCount);
}

}  // namespace
}  // namespace korvex

int main(int argc, char** argv) {
    using namespace korvex;
    return bench::runOnPrivateBus<BusSetup>(argc, argv, [](BusSetup& setup) {
        benchmark::RegisterBenchmark("BM_OfflineReadOverBus/10000",
                                     [&setup](benchmark::State& state) { offlineRead(state, setup); })
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
        benchmark::RegisterBenchmark("BM_OnlineCaptureOverBus/10000",
                                     [&setup](benchmark::State& state) { onlineCapture(state, setup); })
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    });
}
