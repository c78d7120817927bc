// The Calc plugin against a real headless office: every operation of the spreadsheet interface,
// saved and read back by openpyxl, and how the office's life follows the application's.

#include "CalcTestSupport.h"
#include "XlsxTestSupport.h"
#include "app/X11Session.h"

#include "report/SpreadsheetApplication.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QProcess>
#include <QThread>

#include <signal.h>

namespace korvex {
namespace {

using namespace Qt::Literals::StringLiterals;

constexpr int kGrey = 15;
constexpr int kRed = 3;

std::unique_ptr<SpreadsheetApplication> startedApplication(SpreadsheetBackend& backend) {
    auto created = backend.create();
    EXPECT_TRUE(created) << created.error().toStdString();
    return created ? std::move(*created) : nullptr;
}

// A protocol-like sheet: a header row, rows written as blocks with a hole, a merged title row that
// replaces an older merge, formats, widths and a frozen header.
void writeProtocol(Worksheet& sheet) {
    sheet.writeText({3, 2}, u"kept"_s);
    const std::vector<CellValue> block = {u"Feature"_s, u"Nominal"_s, u"Actual"_s, u"=1+1"_s, 10.0,
                                          10.012,       u"B2"_s,      CellValue{}, 5.5};
    sheet.writeBlock({1, 1}, 3, block);
    sheet.writeDate({2, 4}, QDate(2026, 3, 14));
    sheet.writeTime({2, 5}, QTime(9, 26, 53));
    sheet.format({{1, 1}, {1, 3}}, {.fill = CellFill::solid(kGrey),
                                    .font = {.bold = true},
                                    .alignment = {.horizontal = HorizontalAlignment::Center},
                                    .thinBorders = true});
    sheet.format(CellRange::cell(2, 3),
                 {.font = {.underline = Underline::Single, .color = PaletteColor{kRed}},
                  .numberFormat = u"####0.000"_s});
    sheet.writeText({5, 1}, u"Group"_s);
    sheet.merge({{5, 1}, {5, 3}});
    sheet.merge({{5, 2}, {6, 2}});
    sheet.merge({{5, 1}, {6, 2}});
    // Only the merged range the new one overlaps goes, not the one beside it.
    sheet.merge({{8, 2}, {10, 3}});
    sheet.merge({{9, 1}, {10, 1}});
    sheet.merge({{8, 1}, {8, 2}});
    sheet.setColumnWidth(1, 1, 20.0);
    sheet.autofitColumn(3);
    sheet.freezePanes({2, 1});
}

QJsonObject protocolExpectations() {
    const auto cell = [](const char* address, QJsonObject facts) {
        facts.insert(u"sheet"_s, u"Protocol"_s);
        facts.insert(u"cell"_s, QString::fromLatin1(address));
        return facts;
    };
    return {
        {u"sheetNames"_s, QJsonArray{u"Extra"_s, u"Protocol"_s, u"Protocol (2)"_s}},
        {u"sheets"_s,
         QJsonObject{
             {u"Protocol"_s, QJsonObject{{u"merged"_s, QJsonArray{u"A5:B6"_s, u"A8:B8"_s, u"A9:A10"_s}},
                                         {u"frozen"_s, u"A2"_s}}},
             {u"Protocol (2)"_s,
              QJsonObject{{u"merged"_s, QJsonArray{u"A5:B6"_s, u"A8:B8"_s, u"A9:A10"_s}}}}}},
        {u"cells"_s,
         QJsonArray{cell("A1", {{u"value"_s, u"Feature"_s},
                                {u"bold"_s, true},
                                {u"fill"_s, u"C0C0C0"_s},
                                {u"horizontal"_s, u"center"_s},
                                {u"border"_s, true}}),
                    cell("C1", {{u"bold"_s, true}, {u"border"_s, true}}),
                    cell("A2", {{u"value"_s, u"=1+1"_s}, {u"bold"_s, false}, {u"fill"_s, QJsonValue()}}),
                    cell("B2", {{u"value"_s, 10}}),
                    cell("C2", {{u"value"_s, 10.012},
                                {u"numberFormat"_s, u"####0.000"_s},
                                {u"underline"_s, u"single"_s},
                                {u"fontColor"_s, u"FF0000"_s}}),
                    cell("B3", {{u"value"_s, u"kept"_s}}), cell("C3", {{u"value"_s, 5.5}}),
                    cell("D2", {{u"value"_s, u"2026-03-14 00:00:00"_s}}),
                    cell("E2", {{u"value"_s, u"09:26:53"_s}}), cell("A5", {{u"value"_s, u"Group"_s}})}},
    };
}

TEST(CalcBackend, EveryOperationIsSavedAndReadBackInEachFormat) {
    test::CalcPluginFixture calc;
    EXPECT_TRUE(calc.version().startsWith(u"LibreOffice "_s)) << calc.version().toStdString();
    std::unique_ptr<SpreadsheetApplication> app = startedApplication(calc.backend());
    ASSERT_TRUE(app);
    EXPECT_TRUE(app->isRunning());
    SpreadsheetResult<Workbook*> added = app->addWorkbook();
    ASSERT_TRUE(added) << added.error().toStdString();
    Workbook& book = **added;
    EXPECT_EQ(app->activeWorkbook(), &book);
    Worksheet* sheet = book.activeSheet();
    ASSERT_NE(sheet, nullptr);
    ASSERT_TRUE(sheet->rename(u"Protocol"_s));
    writeProtocol(*sheet);

    EXPECT_EQ(sheet->readText({2, 1}), u"=1+1"_s);
    EXPECT_EQ(sheet->readText({2, 3}), u"10.012"_s);
    EXPECT_EQ(sheet->readText({3, 2}), u"kept"_s);
    EXPECT_EQ(sheet->readText({4, 1}), QString());

    // Sheets: a new one before the active sheet, a copy named as a fresh copy, and the refusals.
    ASSERT_TRUE(book.addSheet(u"Extra"_s));
    EXPECT_EQ(book.activeSheet()->name(), u"Extra"_s);
    SpreadsheetResult<Worksheet*> copy = book.copySheetAfter(u"protocol"_s, u"Protocol"_s);
    ASSERT_TRUE(copy) << copy.error().toStdString();
    EXPECT_EQ((*copy)->name(), u"Protocol (2)"_s);
    EXPECT_EQ(book.sheet(u"PROTOCOL"_s), sheet);
    EXPECT_EQ(book.sheet(u"missing"_s), nullptr);
    EXPECT_EQ(book.addSheet(u"extra"_s).errorKind(), SpreadsheetErrorKind::BadSheetName);
    EXPECT_EQ(book.addSheet(u"a/b"_s).errorKind(), SpreadsheetErrorKind::BadSheetName);
    EXPECT_EQ((*copy)->rename(u"Extra"_s).errorKind(), SpreadsheetErrorKind::BadSheetName);
    EXPECT_EQ(book.copySheetAfter(u"missing"_s, u"Extra"_s).errorKind(), SpreadsheetErrorKind::NoSuchSheet);

    const QString xlsx = calc.file(u"protocol.xlsx"_s);
    ASSERT_TRUE(book.saveAs(xlsx));
    EXPECT_EQ(book.path(), xlsx);
    const test::CheckerRun checked =
        test::runChecker(u"check_workbook.py"_s, xlsx, protocolExpectations(), calc.file(QString()));
    EXPECT_EQ(checked.exitCode, 0) << checked.output.toStdString();

    // The other formats keep what was written; each opens again in the office.
    for (const QString& name : {u"protocol.xls"_s, u"protocol.ods"_s}) {
        ASSERT_TRUE(book.saveAs(calc.file(name)));
        SpreadsheetResult<Workbook*> reopened = app->open(calc.file(name));
        ASSERT_TRUE(reopened) << reopened.error().toStdString();
        Worksheet* again = (*reopened)->sheet(u"Protocol"_s);
        ASSERT_NE(again, nullptr);
        EXPECT_EQ(again->readText({2, 1}), u"=1+1"_s) << name.toStdString();
        EXPECT_EQ(again->readText({3, 3}), u"5.5"_s) << name.toStdString();
        EXPECT_EQ((*reopened)->sheetNames().size(), 3);
    }

    // A file that cannot be saved leaves the old one as it was; a missing file does not open.
    EXPECT_EQ(book.saveAs(calc.file(u"no/such/folder/x.xlsx"_s)).errorKind(),
              SpreadsheetErrorKind::CannotSave);
    EXPECT_EQ(app->open(calc.file(u"missing.xls"_s)).errorKind(), SpreadsheetErrorKind::CannotOpen);
    // The office would import a text file as a sheet, and saving would turn it into a workbook.
    QFile text(calc.file(u"notes.xls"_s));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("Feature;Nominal\n");
    text.close();
    EXPECT_EQ(app->open(text.fileName()).errorKind(), SpreadsheetErrorKind::Unsupported);

    // The hidden office ends with its application.
    EXPECT_EQ(calc.offices().size(), 1);
    app.reset();
    EXPECT_TRUE(calc.officesEnd());
}

TEST(CalcBackend, AnOfficeThatDiedIsNoLongerRunningAndNotAttached) {
    test::CalcPluginFixture calc;
    EXPECT_FALSE(calc.backend().attach()) << "nothing was started yet";
    std::unique_ptr<SpreadsheetApplication> app = startedApplication(calc.backend());
    ASSERT_TRUE(app);
    SpreadsheetResult<Workbook*> added = app->addWorkbook();
    ASSERT_TRUE(added) << added.error().toStdString();
    auto attached = calc.backend().attach();
    ASSERT_TRUE(attached) << attached.error().toStdString();
    EXPECT_TRUE((*attached)->isRunning());

    for (const pid_t office : calc.offices()) {
        kill(office, SIGKILL);
    }
    for (int attempt = 0; attempt < 50 && app->isRunning(); ++attempt) {
        QThread::msleep(100);
    }
    EXPECT_FALSE(app->isRunning());
    EXPECT_FALSE((*attached)->isRunning());
    EXPECT_FALSE(calc.backend().attach());
    // Every later call fails or does nothing, quickly.
    Worksheet* sheet = (*added)->activeSheet();
    if (sheet != nullptr) {
        sheet->writeText({1, 1}, u"lost"_s);
    }
    EXPECT_FALSE((*added)->saveAs(calc.file(u"lost.xlsx"_s)));
    EXPECT_FALSE(app->addWorkbook());
    EXPECT_FALSE(app->quit());
}

QString xdotool(const QStringList& arguments) {
    QProcess process;
    process.start(u"xdotool"_s, arguments);
    process.waitForFinished(10000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The live protocol's office: a window with the caption and place asked for, frozen panes that are
// saved, and on release the office stays open for the operator, still to be attached.
TEST(CalcBackend, AVisibleOfficeStaysOpenForTheOperator) {
    test::X11Session x11;
    if (!x11.isRunning()) {
        GTEST_SKIP() << x11.failure().toStdString();
    }
    test::CalcPluginFixture calc;
    std::unique_ptr<SpreadsheetApplication> app = startedApplication(calc.backend());
    ASSERT_TRUE(app);
    app->setVisible(true);
    EXPECT_TRUE(app->isVisible());
    // The window settings come before the workbook, as the live protocol gives them: its window takes them.
    app->setCaption(u"KORVEX - Protocol"_s);
    app->showNormal();
    app->setWindowGeometry({40, 30, 900, 600});
    SpreadsheetResult<Workbook*> added = app->addWorkbook();
    ASSERT_TRUE(added) << added.error().toStdString();
    Worksheet* sheet = (*added)->activeSheet();
    ASSERT_NE(sheet, nullptr);
    sheet->writeText({1, 1}, u"Feature"_s);
    sheet->freezePanes({2, 1});
    const QString saved = calc.file(u"visible.xlsx"_s);
    ASSERT_TRUE((*added)->saveAs(saved));
    const QString sheetName = sheet->name();
    const test::CheckerRun checked = test::runChecker(
        u"check_workbook.py"_s, saved,
        {{u"sheets"_s, QJsonObject{{sheetName, QJsonObject{{u"frozen"_s, u"A2"_s}}}}}}, calc.file(QString()));
    EXPECT_EQ(checked.exitCode, 0) << checked.output.toStdString();

    const QString window = xdotool({u"search"_s, u"--sync"_s, u"--name"_s, u"KORVEX - Protocol"_s}).trimmed();
    ASSERT_FALSE(window.isEmpty());
    const QString geometry = xdotool({u"getwindowgeometry"_s, window});
    EXPECT_TRUE(geometry.contains(u"Geometry: 900x600"_s)) << geometry.toStdString();

    app.reset();
    EXPECT_EQ(calc.offices().size(), 1);
    // A report's hidden office comes and goes meanwhile; attaching still finds the operator's.
    std::unique_ptr<SpreadsheetApplication> report = startedApplication(calc.backend());
    ASSERT_TRUE(report && report->addWorkbook());
    report.reset();
    EXPECT_EQ(calc.offices().size(), 1);
    auto attached = calc.backend().attach();
    ASSERT_TRUE(attached) << attached.error().toStdString();
    SpreadsheetApplication& again = **attached;
    EXPECT_TRUE(again.isRunning());

    // The operator closes a workbook's window (and does not save it): the application no longer runs
    // for this program.
    ASSERT_TRUE(again.addWorkbook());
    again.setCaption(u"KORVEX - Second"_s);
    const QString second = xdotool({u"search"_s, u"--sync"_s, u"--name"_s, u"KORVEX - Second"_s}).trimmed();
    ASSERT_FALSE(second.isEmpty());
    xdotool({u"windowactivate"_s, u"--sync"_s, second, u"key"_s, u"--clearmodifiers"_s, u"ctrl+w"_s});
    for (int attempt = 0; attempt < 50 && again.isRunning(); ++attempt) {
        QThread::msleep(100);
    }
    EXPECT_FALSE(again.isRunning());
}

// A program that is killed takes its hidden office with it.
TEST(CalcBackend, AKilledProgramLeavesNoHiddenOffice) {
    test::CalcPluginFixture calc;
    QProcess holder;
    holder.start(QStringLiteral(KORVEX_OFFICE_HOLDER), {QStringLiteral(KORVEX_CALC_PLUGIN_DIR)});
    ASSERT_TRUE(holder.waitForReadyRead(120000)) << holder.readAllStandardError().toStdString();
    EXPECT_EQ(holder.readAllStandardOutput().trimmed(), "running");
    EXPECT_EQ(calc.offices().size(), 1);
    holder.kill();
    holder.waitForFinished();
    EXPECT_TRUE(calc.officesEnd());
}

}  // namespace
}  // namespace korvex
