// The ASCII result writer on the largest table a part program can give: 32,767 rows, every one of
// the 22 columns written. Target: at most 100 ms for the whole file, settings read and file saved.
#include "characteristics/HeaderDataValues.h"
#include "characteristics/ValueTables.h"
#include "output/AsciiColumns.h"
#include "output/AsciiWriter.h"
#include "settings/SettingsStore.h"
#include "util/LanguageTables.h"
#include "util/UserInteraction.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

namespace korvex {
namespace {

constexpr int kRows = 32767;
constexpr int kRowsPerComment = 10;

class SilentUser : public UserInteraction {
  public:
    MessageAnswer showMessage(const Message& message) override { return message.defaultAnswer; }
    void setStatusText(const QString&) override {}
    void setProgress(int, int) override {}
};

ValueTables fullTable() {
    ValueTables tables;
    tables.reset(kRows);
    for (int number = 1; number <= kRows; ++number) {
        if (number % kRowsPerComment == 1) {
            CommentRecord* comment = tables.comment(tables.appendComment());
            comment->setLine(1, QStringLiteral("<< Clamping %1").arg(number));
            comment->setLine(2, QStringLiteral("second line of the comment"));
        }
        CharacteristicRecord& row = tables.appendRow();
        row.id = QStringLiteral("DIM%1").arg(number);
        row.axis = QStringLiteral("X");
        row.typeName = QStringLiteral("X_LOCATION");
        row.nominal = -125.5 + number * 0.01;
        row.upperTol = 0.05;
        row.lowerTol = -0.05;
        row.bonus = 0.01234;
        row.measured = row.nominal + 0.01234;
        row.deviation = 0.01234;
        row.outTol = number % 7 == 0 ? 0.00321 : 0;
        row.min = row.measured - 0.002;
        row.max = row.measured + 0.002;
        row.unit = QStringLiteral("MM");
        row.outputMode = QStringLiteral("PROTOKOLL");
        row.marked = number % 2 == 0;
        row.element1 = QStringLiteral("CIR%1").arg(number);
        row.element2 = QStringLiteral("PLN1");
        row.element3 = QStringLiteral("LIN2");
        row.datum1 = QStringLiteral("A");
        row.datum2 = QStringLiteral("B");
        row.datum3 = QStringLiteral("C");
        row.datumLength = 12.5;
        row.commentIndex = tables.commentCount();
    }
    return tables;
}

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
    ValueTables tables = fullTable();
    const std::vector<bool> selected(kRows, true);
    HeaderDataValues headerData;
    headerData.setNames({QStringLiteral("Operator"), QStringLiteral("Serial")});
    const LanguageTables language;
    SilentUser user;
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
    state.SetItemsProcessed(state.iterations() * kRows);
}

BENCHMARK(writeEveryColumnOfTheLargestTable)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace korvex

BENCHMARK_MAIN();
