// Rows of eight cells written into a headless LibreOffice Calc through the plugin: as one block write
// with one format call per row, and cell by cell as the interface's default block write does it.

#include "report/OfficeSuite.h"
#include "report/SpreadsheetApplication.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include <vector>

namespace korvex {
namespace {

constexpr int kColumns = 8;

// One office for all benchmarks, started on first use; its profile lives in a folder of its own.
struct Office {
    Office() {
        qputenv("TMPDIR", profiles.path().toUtf8());
        auto loaded = loadOfficeSuite({QStringLiteral(KORVEX_CALC_PLUGIN_DIR)});
        if (auto* suite = std::get_if<OfficeSuite>(&loaded)) {
            backend = std::move(suite->backend);
            auto created = backend->create();
            if (created) {
                app = std::move(*created);
                auto added = app->addWorkbook();
                sheet = added ? (*added)->activeSheet() : nullptr;
            }
        }
    }
    ~Office() {
        app.reset();
        backend.reset();
    }

    QTemporaryDir profiles;
    std::unique_ptr<SpreadsheetBackend> backend;
    std::unique_ptr<SpreadsheetApplication> app;
    Worksheet* sheet = nullptr;
};

Office& office() {
    static Office started;
    return started;
}

std::vector<CellValue> protocolRow(int row) {
    return {QStringLiteral("CIR%1").arg(row), QStringLiteral("X"), 10.0, 0.05, -0.05, 10.012, 0.012,
            QStringLiteral("Kreis von Ebene")};
}

FormatChange valueFormat() {
    FormatChange change;
    change.numberFormat = QStringLiteral("####0.000");
    return change;
}

void BM_ProtocolRowAsBlock(benchmark::State& state) {
    Worksheet* sheet = office().sheet;
    if (sheet == nullptr) {
        state.SkipWithError("no office");
        return;
    }
    int row = 2;
    for (auto _ : state) {
        const std::vector<CellValue> values = protocolRow(row);
        sheet->writeBlock({row, 1}, kColumns, values);
        sheet->format({{row, 3}, {row, 7}}, valueFormat());
        ++row;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ProtocolRowAsBlock)->Unit(benchmark::kMillisecond)->Iterations(500)->UseRealTime();

void BM_ProtocolRowCellByCell(benchmark::State& state) {
    Worksheet* sheet = office().sheet;
    if (sheet == nullptr) {
        state.SkipWithError("no office");
        return;
    }
    int row = 1002;
    for (auto _ : state) {
        const std::vector<CellValue> values = protocolRow(row);
        sheet->Worksheet::writeBlock({row, 1}, kColumns, values);
        for (int column = 3; column <= 7; ++column) {
            sheet->format(CellRange::cell(row, column), valueFormat());
        }
        ++row;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ProtocolRowCellByCell)->Unit(benchmark::kMillisecond)->Iterations(100)->UseRealTime();

}  // namespace
}  // namespace korvex

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
