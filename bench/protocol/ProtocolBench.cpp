// The live protocol of a host run over D-Bus, with korvex-host-sim as a separate process on a private
// session bus executing 2,000 marked dimension commands as fast as it can: how many protocol rows
// reach the sheet per second, and how long the sheet needs after the run's last event to hold them
// all. The spreadsheet is a parameter: the embedded engine always, and the office suite's visible
// window too when its plugin loads (it needs a display: run under Xvfb).
#include "host/ConnectToHost.h"
#include "host/HostApplication.h"
#include "host/HostEventSource.h"
#include "host/HostSession.h"
#include "host/dbus/BusHostConnector.h"
#include "host/sim/PartProgramGenerator.h"
#include "report/OfficeSuite.h"
#include "report/protocol/LiveProtocol.h"
#include "report/xlsx/XlsxApplication.h"
#include "support/ExamplePrograms.h"
#include "support/HostSimProcess.h"
#include "support/PrivateBusBenchmark.h"
#include "support/RecordingUserInteraction.h"
#include "util/LanguageTables.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>
#include <optional>

namespace korvex {
namespace {

constexpr int kDimensionCount = 2000;
constexpr int kRunTimeoutMs = 120000;

// The generated program up to its 2,000th dimension command, every command marked, and the number
// of protocol rows its run gives.
struct BenchProgram {
    SimProgram program;
    int rows = 0;
};

BenchProgram dimensionProgram() {
    BenchProgram result;
    int dimensions = 0;
    for (SimCommand& command : generatePartProgram(kDimensionCount * 2).commands) {
        if (dimensions == kDimensionCount)
            break;
        command.marked = true;
        if (command.isDimension) {
            ++dimensions;
            const bool groupStart = command.typeCode == 1000 || command.typeCode == 1200;
            const bool axis = command.dimension->isLocationAxis || command.dimension->isTruePositionAxis;
            result.rows += groupStart || axis ? 1 : 2;
        }
        result.program.commands.push_back(std::move(command));
    }
    return result;
}

struct BusSetup {
    QTemporaryDir dir;
    LanguageTables language;
    test::RecordingUserInteraction user;
    std::optional<test::HostSimProcess> host;
    BusHostConnector connector;
    HostSession session;
    int expectedRows = 0;

    // Empty when ready, else why not.
    QString start() {
        const QString path = dir.filePath(QStringLiteral("dimensions.json"));
        const BenchProgram bench = dimensionProgram();
        expectedRows = bench.rows;
        test::writeProgram(bench.program, path);
        host.emplace(QStringList{path});
        if (!host->isOnBus())
            return host->failure();
        if (!connectToHost(session, connector, language, user))
            return user.messages.front().text;
        return {};
    }
};

// Waits for the condition while handling events; false when it did not come in time.
template <typename Condition>
bool waitFor(Condition condition, const QDeadlineTimer& deadline) {
    while (!condition() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    return condition();
}

void protocolOfRun(benchmark::State& state, BusSetup& setup, SpreadsheetBackend& spreadsheets) {
    double rowsPerSecond = 0;
    double catchUpMs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto protocol = LiveProtocol::open(spreadsheets, setup.session.application, {1920, 1080},
                                           {setup.language, setup.user});
        if (protocol == nullptr) {
            state.SkipWithError("the spreadsheet did not start");
            return;
        }
        bool ended = false;
        QElapsedTimer sinceLastEvent;
        const auto connection =
            QObject::connect(&setup.session.application->events(), &HostEventSource::endExecution, [&] {
                ended = true;
                sinceLastEvent.start();
            });
        const int lastRow = 1 + setup.expectedRows;
        state.ResumeTiming();

        QElapsedTimer run;
        run.start();
        setup.host->simulator(QStringLiteral("Run"), {0});
        const QDeadlineTimer deadline(kRunTimeoutMs);
        const bool complete = waitFor([&] { return ended && protocol->lastRow() == lastRow; }, deadline);
        const qint64 runNs = run.nsecsElapsed();
        const qint64 catchUpNs = sinceLastEvent.isValid() ? sinceLastEvent.nsecsElapsed() : 0;

        state.PauseTiming();
        QObject::disconnect(connection);
        if (!complete) {
            state.SkipWithError("the run did not reach the sheet in time");
            return;
        }
        rowsPerSecond += setup.expectedRows / (static_cast<double>(runNs) / 1e9);
        catchUpMs += static_cast<double>(catchUpNs) / 1e6;
        protocol.reset();
        // The protocol leaves its visible spreadsheet open for the operator; the benchmark closes it.
        if (auto left = spreadsheets.attach()) {
            static_cast<void>((*left)->quit());
        }
        state.ResumeTiming();
    }
    const auto runs = static_cast<double>(state.iterations());
    state.counters["rows"] = setup.expectedRows;
    state.counters["rows_per_s"] = rowsPerSecond / runs;
    state.counters["catch_up_ms"] = catchUpMs / runs;
}

}  // namespace
}  // namespace korvex

int main(int argc, char** argv) {
    using namespace korvex;
    xlsx::XlsxBackend engine;
    std::unique_ptr<SpreadsheetBackend> office;
    const auto registerRun = [](const char* name, BusSetup& setup, SpreadsheetBackend& spreadsheets) {
        benchmark::RegisterBenchmark(
            name, [&](benchmark::State& state) { protocolOfRun(state, setup, spreadsheets); })
            ->Unit(benchmark::kMillisecond)
            ->Iterations(3)
            ->UseRealTime();
    };
    return bench::runOnPrivateBus<BusSetup>(argc, argv, [&](BusSetup& setup) {
        registerRun("BM_LiveProtocolOfRun/2000/engine", setup, engine);
        if (auto suite = loadOfficeSuite(officePluginFolders()); std::holds_alternative<OfficeSuite>(suite)) {
            office = std::move(std::get<OfficeSuite>(suite).backend);
            registerRun("BM_LiveProtocolOfRun/2000/office", setup, *office);
        }
    });
}
