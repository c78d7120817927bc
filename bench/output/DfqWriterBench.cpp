// The DFQ writer adding the largest run a part program can give (32,767 rows) to a file that already
// holds 100 such runs: the file is read, extended and replaced as a whole. Target: at most 200 ms per
// run, settings read and file saved.
#include "LargestTable.h"
#include "output/DfqWriter.h"

#include <benchmark/benchmark.h>

#include <QFile>

namespace korvex {
namespace {

constexpr int kEarlierRuns = 100;

// Name parts beyond the part name: none, so every run goes to HOUSING.dfq.
void storeNameOfPartOnly(const SettingsStore& settings) {
    for (const keys::SettingKey& key :
         {keys::kFileName2, keys::kFileName3, keys::kFileName4, keys::kFileName5}) {
        (void)settings.writeSetting(key, QStringLiteral("0"));
    }
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
    bench::LargestTableOutput output;
    storeNameOfPartOnly(output.settings());
    const AsciiOutputSources sources = output.sources();
    const AsciiOutputContext context = output.context();
    const QString file = output.resultFolder() + QStringLiteral("/HOUSING.dfq");
    const QString hundredRuns = output.folder() + QStringLiteral("/hundred-runs.dfq");
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
