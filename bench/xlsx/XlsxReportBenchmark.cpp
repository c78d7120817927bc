// The embedded engine on the report filler's heaviest job (target: at most 100 ms), and openpyxl
// on the same job in the same run; the program ends with the ratio of the two.

#include "ReportJob.h"

#include "report/xlsx/XlsxWorkbook.h"

#include <benchmark/benchmark.h>

#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <map>
#include <string>

namespace {

using korvex::xlsx::XlsxWorkbook;

QString templatePath() {
    return QStringLiteral(KORVEX_BENCH_TEMPLATE);
}

void BM_EngineFillsAndSavesAReport(benchmark::State& state) {
    QTemporaryDir folder;
    const QString result = folder.filePath(QStringLiteral("report.xlsx"));
    for (auto _ : state) {
        auto workbook = XlsxWorkbook::open(templatePath());
        if (!workbook) {
            state.SkipWithError(workbook.error().toStdString().c_str());
            return;
        }
        korvex::bench::fillReport(**workbook);
        if (!(*workbook)->saveAs(result)) {
            state.SkipWithError("saving failed");
            return;
        }
    }
}
BENCHMARK(BM_EngineFillsAndSavesAReport)->Unit(benchmark::kMillisecond);

// openpyxl measures its own job, without the start of the Python interpreter.
void BM_OpenpyxlFillsAndSavesAReport(benchmark::State& state) {
    QTemporaryDir folder;
    for (auto _ : state) {
        QProcess python;
        python.start(QStringLiteral(KORVEX_PYTHON3),
                     {QStringLiteral(KORVEX_BENCH_OPENPYXL_SCRIPT), templatePath(),
                      folder.filePath(QStringLiteral("report.xlsx"))});
        bool measured = false;
        const double seconds = python.waitForFinished(600'000) && python.exitCode() == 0
                                   ? python.readAllStandardOutput().trimmed().toDouble(&measured)
                                   : 0.0;
        if (!measured) {
            state.SkipWithError("openpyxl could not do the job");
            return;
        }
        state.SetIterationTime(seconds);
    }
}
BENCHMARK(BM_OpenpyxlFillsAndSavesAReport)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

// Prints the runs as usual and, at the end, how many times faster the engine was.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            // With repetitions the mean stands for the benchmark.
            const bool counts = run.run_type == Run::RT_Iteration || run.aggregate_name == "mean";
            if (counts && !run.error_occurred) {
                times_[run.run_name.function_name] = run.GetAdjustedRealTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        const auto engine = times_.find("BM_EngineFillsAndSavesAReport");
        const auto openpyxl = times_.find("BM_OpenpyxlFillsAndSavesAReport");
        if (engine != times_.end() && openpyxl != times_.end() && engine->second > 0) {
            std::printf("openpyxl / engine: %.1f times as long (%.1f ms / %.1f ms)\n",
                        openpyxl->second / engine->second, openpyxl->second, engine->second);
        }
    }

  private:
    std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
