// The DFQ writer adding the largest run a part program can give (32,767 rows) to a file that already
// holds 100 such runs: the file is read, extended and replaced as a whole. Target: at most 200 ms per
// run, settings read and file saved.
#include "LargestTable.h"
#include "characteristics/HeaderDataValues.h"
#include "output/DfqWriter.h"
#include "settings/SettingsStore.h"
#include "util/LanguageTables.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace korvex {
namespace {

constexpr int kEarlierRuns = 100;

// Name parts beyond the part name: none, so every run goes to HOUSING.dfq.
void storeFolderAndName(const SettingsStore& settings, const QString& folder) {
    for (const keys::SettingKey& key :
         {keys::kFileName2, keys::kFileName3, keys::kFileName4, keys::kFileName5}) {
        (void)settings.writeSetting(key, QStringLiteral("0"));
    }
    (void)settings.writeSetting(keys::kDir, folder);
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The file of one run, its value line repeated until it holds kEarlierRuns runs.
bool growToEarlierRuns(const QString& path, const QString& copy) {
    QByteArray file = contents(path);
    const qsizetype valueLine = file.lastIndexOf("\r\n", file.size() - 3) + 2;
    const QByteArray run = file.mid(valueLine);
    for (int i = 1; i < kEarlierRuns; ++i) {
        file.append(run);
    }
    QFile out(copy);
    return out.open(QIODevice::WriteOnly) && out.write(file) == file.size() && out.flush();
}

void appendTheLargestRunToAHundredRuns(benchmark::State& state) {
    QTemporaryDir dir;
    const SettingsStore settings(
        {dir.filePath(QStringLiteral("machine.ini")), dir.filePath(QStringLiteral("user.ini"))});
    const QString results = dir.filePath(QStringLiteral("results"));
    QDir().mkpath(results);
    storeFolderAndName(settings, results);
    ValueTables tables = bench::largestTable();
    const std::vector<bool> selected(bench::kRows, true);
    const HeaderDataValues headerData;
    const LanguageTables language;
    bench::SilentUser user;
    const AsciiOutputContext context{
        settings, language, user, dir.path(), {.now = QDateTime::currentDateTime(), .locale = QLocale::c()}};
    const AsciiOutputSources sources{
        tables,
        selected,
        headerData,
        {.names = {.partName = QStringLiteral("HOUSING")}, .folder = dir.path()}};
    const QString file = results + QStringLiteral("/HOUSING.dfq");
    const QString hundredRuns = dir.filePath(QStringLiteral("hundred-runs.dfq"));
    if (!writeDfqFile(sources, context) || !growToEarlierRuns(file, hundredRuns)) {
        state.SkipWithError("the file of earlier runs was not written");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        const bool restored = QFile::remove(file) && QFile::copy(hundredRuns, file);
        state.ResumeTiming();
        if (!restored || !writeDfqFile(sources, context)) {
            state.SkipWithError("the run was not added");
            break;
        }
    }
    state.counters["file MB"] = static_cast<double>(QFile(file).size()) / 1e6;
    state.SetItemsProcessed(state.iterations() * bench::kRows);
}

BENCHMARK(appendTheLargestRunToAHundredRuns)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korvex

BENCHMARK_MAIN();
