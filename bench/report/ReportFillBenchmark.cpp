// Filling reports into the operator's template: one fill of a long part program, and a fill into a
// workbook that already holds 99 runs.

#include "characteristics/HeaderDataValues.h"
#include "characteristics/ValueTables.h"
#include "fill/LayoutTestSupport.h"
#include "report/fill/ReportFill.h"
#include "report/xlsx/XlsxApplication.h"
#include "settings/SettingsStore.h"
#include "util/LanguageLoader.h"
#include "util/LanguageTables.h"
#include "util/UserInteraction.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <sys/resource.h>

namespace korvex {
namespace {

class SilentUser : public UserInteraction {
  public:
    MessageAnswer showMessage(const Message& message) override {
        messages.append(message.text);
        return message.defaultAnswer;
    }
    void setStatusText(const QString& /*text*/) override {}
    void setProgress(int /*value*/, int /*maximum*/) override {}

    QStringList messages;
};

// A part program's results, a template copy, every layout setting used and header data placed.
class FillSetup {
  public:
    explicit FillSetup(int characteristics) {
        loadLanguageFile(QStringLiteral(KORVEX_SOURCE_DIR "/LanguageFiles/English.dll"), language_);
        headerData_.setNames({QStringLiteral("Operator"), QStringLiteral("Order")});
        headerData_.assign(QStringLiteral("Operator"), QStringLiteral("Miller"));
        headerData_.assign(QStringLiteral("Order"), QStringLiteral("4711"));
        (void)writeLayoutValues(settings_, test::rowsLayoutValues(2));
        values_.reset(characteristics);
        for (int number = 1; number <= characteristics; ++number) {
            CharacteristicRecord& row = values_.appendRow();
            row.uniqueId = {number, 1};
            row.typeName =
                number % 3 == 0 ? QStringLiteral("TRUE_DIAM_LOCATION") : QStringLiteral("X_LOCATION");
            row.nominal = number;
            row.upperTol = 0.1;
            row.lowerTol = -0.1;
            row.measured = number + (number % 7 == 0 ? 0.2 : 0.01);
            row.outTol = number % 7 == 0 ? 0.1 : 0;
            row.outputMode = QStringLiteral("PROTOKOLL");
            row.element1 = QStringLiteral("CIRCLE%1").arg(number);
            row.unit = QStringLiteral("MM");
            entries_.append(QStringLiteral("DIM%1.X").arg(number));
        }
        selected_.assign(static_cast<std::size_t>(characteristics), true);
        copyTemplate();
    }

    void copyTemplate() const {
        QFile::remove(book());
        QFile::copy(QStringLiteral(KORVEX_BENCH_TEMPLATE), book());
    }
    QString book() const { return dir_.filePath(QStringLiteral("book.xlsx")); }

    bool fill() {
        ReportSources sources{values_, entries_, selected_, headerData_, {}};
        const ReportEnvironment environment{
            settings_, language_, user_, spreadsheets_, {QDateTime::currentDateTime(), QLocale::c()}, {}};
        return fillReport({book(), false, false}, sources, environment).saved;
    }

    const QStringList& messages() const { return user_.messages; }

  private:
    QTemporaryDir dir_;
    SettingsStore settings_{{dir_.filePath(QStringLiteral("m.ini")), dir_.filePath(QStringLiteral("u.ini"))}};
    LanguageTables language_;
    SilentUser user_;
    xlsx::XlsxBackend spreadsheets_;
    ValueTables values_;
    HeaderDataValues headerData_;
    QStringList entries_;
    std::vector<bool> selected_;
};

double peakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// 1,000 characteristics into a 30-row template: 34 pages, open to save.
void BM_FillThousandCharacteristics(benchmark::State& state) {
    FillSetup setup(1000);
    for (auto _ : state) {
        state.PauseTiming();
        setup.copyTemplate();
        state.ResumeTiming();
        if (!setup.fill()) {
            state.SkipWithError(qPrintable(setup.messages().join(u'|')));
            return;
        }
    }
    state.counters["peak_MB"] = peakMegabytes();
}
BENCHMARK(BM_FillThousandCharacteristics)->Unit(benchmark::kMillisecond);

// The 100th fill of a 250-characteristic program into one workbook, which then holds 25 reports of
// 9 pages each.
void BM_HundredthFillIntoOneWorkbook(benchmark::State& state) {
    FillSetup setup(250);
    for (int run = 1; run < 100; ++run) {
        if (!setup.fill()) {
            state.SkipWithError(qPrintable(setup.messages().join(u'|')));
            return;
        }
    }
    const QString filled = setup.book() + QStringLiteral(".99");
    QFile::copy(setup.book(), filled);
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(setup.book());
        QFile::copy(filled, setup.book());
        state.ResumeTiming();
        setup.fill();
    }
    state.counters["peak_MB"] = peakMegabytes();
    state.counters["workbook_KB"] = static_cast<double>(QFile(setup.book()).size()) / 1024.0;
}
BENCHMARK(BM_HundredthFillIntoOneWorkbook)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korvex

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
