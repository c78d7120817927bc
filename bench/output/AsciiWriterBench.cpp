// The ASCII result writer on the largest table a part program can give: 32,767 rows, every one of
// the 22 columns written. Target: at most 100 ms for the whole file, settings read and file saved.
#include "LargestTable.h"
#include "characteristics/HeaderDataValues.h"
#include "output/AsciiColumns.h"
#include "output/AsciiWriter.h"
#include "settings/SettingsStore.h"
#include "util/LanguageTables.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

namespace korvex {
namespace {

void storeEveryColumn(const SettingsStore& settings, const QString& folder) {
    for (int column = 0; column < kAsciiColumnCount; ++column) {
        (void)settings.writeSetting(asciiPlaceKey(column), QString::number(column + 1));
    }
    (void)settings.writeSetting(keys::kAsciiDelimiter, QStringLiteral(";"));
    (void)settings.writeSetting(keys::kAsciiCsv, QStringLiteral("-1"));
    (void)settings.writeSetting(keys::kDir, folder);
    (void)settings.writeSetting(keys::kHeader, QStringLiteral("1"));
}

void writeEveryColumnOfTheLargestTable(benchmark::State& state) {
    QTemporaryDir dir;
    const SettingsStore settings(
        {dir.filePath(QStringLiteral("machine.ini")), dir.filePath(QStringLiteral("user.ini"))});
    storeEveryColumn(settings, dir.path());
    ValueTables tables = bench::largestTable();
    const std::vector<bool> selected(bench::kRows, true);
    HeaderDataValues headerData;
    headerData.setNames({QStringLiteral("Operator"), QStringLiteral("Serial")});
    const LanguageTables language;
    bench::SilentUser user;
    const AsciiOutputContext context{
        settings, language, user, dir.path(), {.now = QDateTime::currentDateTime(), .locale = QLocale::c()}};
    const AsciiOutputSources sources{
        tables,
        selected,
        headerData,
        {.names = {.partName = QStringLiteral("HOUSING")}, .folder = dir.path()}};
    for (auto _ : state) {
        if (!writeAsciiFile(sources, context)) {
            state.SkipWithError("the file was not written");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * bench::kRows);
}

BENCHMARK(writeEveryColumnOfTheLargestTable)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korvex

BENCHMARK_MAIN();
