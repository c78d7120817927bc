#include "TabulorRunFixture.h"
#include "XlsxTestSupport.h"
#include "fill/LayoutTestSupport.h"

#include "app/core/CreateBatchFile.h"
#include "host/sim/SimProgram.h"
#include "report/layout/LayoutFile.h"
#include "report/xlsx/XlsxWorkbook.h"
#include "support/ExamplePrograms.h"
#include "support/HostSimProcess.h"
#include "support/RecordingUserInteraction.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

namespace korvex {
namespace {

// The layout of report-template.xlsx: characteristics on rows 10 to 39, runs in E to H.
LayoutValues templateLayout() {
    const test::LayoutTexts texts = {{layout::kFormATolColum, "J"},
                                     {layout::kFormDevColum, "I"},
                                     {layout::kFormIDColum, "A"},
                                     {layout::kFormCommentColum, "L"},
                                     {layout::kCommentLength, "30"},
                                     {layout::kFormNominalColum, "B"},
                                     {layout::kFormOTolColum, "C"},
                                     {layout::kFormMeasColums, "E-H"},
                                     {layout::kFormSymbolColum, "K"},
                                     {layout::kFormUTolColum, "D"},
                                     {layout::kFormEndRow, "39"},
                                     {layout::kFormStartRow, "10"},
                                     {layout::kZeileSpalte, "-1"},
                                     {layout::kFormDateRow, "7"},
                                     {layout::kFormTimeRow, "8"},
                                     {layout::kZeileProgrammName, "3"},
                                     {layout::kSpalteProgrammName, "B"},
                                     {layout::kZeileZeichnungsnummer, "4"},
                                     {layout::kSpalteZeichnungsnummer, "B"},
                                     {layout::kZeileAenderungsstand, "5"},
                                     {layout::kSpalteAenderungsstand, "B"},
                                     {layout::kSeitennummerSpalte, "H"},
                                     {layout::kSeitennummerZeile, "2"},
                                     {layout::kSeitenAnzahlSpalte, "H"},
                                     {layout::kSeitenAnzahlZeile, "3"}};
    LayoutValues values;
    for (const QStringView name : layout::kFileLeadingValues) {
        values.set(name, layout::kNotUsed.toString());
    }
    values.set(layout::kLfdNr, layout::kNotUsed.toString());
    test::setLayoutTexts(values, texts);
    return values;
}

// Characteristics across the sheet, in columns B to K, runs stacked in rows 20 to 29.
LayoutValues columnsLayout() {
    LayoutValues values = templateLayout();
    const test::LayoutTexts texts = {{layout::kZeileSpalte, "0"},      {layout::kFormMeasColums, "B-K"},
                                     {layout::kFormStartRow, "20"},    {layout::kFormEndRow, "29"},
                                     {layout::kFormIDColum, "10"},     {layout::kFormNominalColum, "11"},
                                     {layout::kFormOTolColum, "12"},   {layout::kFormUTolColum, "13"},
                                     {layout::kFormDevColum, "14"},    {layout::kFormATolColum, "15"},
                                     {layout::kFormSymbolColum, "16"}, {layout::kFormCommentColum, "NotUsed"},
                                     {layout::kFormDateRow, "A"},      {layout::kFormTimeRow, "NotUsed"}};
    test::setLayoutTexts(values, texts);
    return values;
}

QJsonObject cellFact(const char* sheet, const char* cell, const QJsonObject& facts) {
    QJsonObject fact = facts;
    fact.insert(QStringLiteral("sheet"), QString::fromLatin1(sheet));
    fact.insert(QStringLiteral("cell"), QString::fromLatin1(cell));
    return fact;
}

// What every page copied from the template's Master keeps.
QJsonObject templatePage() {
    return {{"merged", QJsonArray{"A1:G1"}}, {"printArea", "A1:L40"}, {"images", 1}};
}

class ReportRunTest : public test::TabulorRunFixture {
  protected:
    QString path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

    QString copyTemplate(const char* name) const {
        test::writeFile(path(name),
                        test::readFile(test::xlsxFixture(QStringLiteral("report-template.xlsx"))));
        return path(name);
    }
    QString layoutFile(const char* name, const LayoutValues& values) const {
        EXPECT_TRUE(writeLayoutFile(path(name), {values, {}}));
        return path(name);
    }
    QString programFile(int copies) const {
        const QString file = dir_.filePath(QStringLiteral("program%1.json").arg(copies));
        test::writeProgram(
            test::repeatedProgram(test::exampleProgram(QStringLiteral("housing.json")), copies), file);
        return file;
    }

    // Lets openpyxl read the workbook and compare it with the expectations.
    void expectOpenpyxlFinds(const QString& workbook, const QJsonObject& expectations) const {
        const test::CheckerRun run =
            test::runChecker(QStringLiteral("check_workbook.py"), workbook, expectations, dir_.path());
        EXPECT_EQ(run.exitCode, 0) << qPrintable(run.output);
    }
};

TEST_F(ReportRunTest, FiveAllRunsFillTheFourRunColumnsThenStartReportTwo) {
    test::HostSimProcess host({QStringLiteral("--no-window"), programFile(2)});
    ASSERT_TRUE(host.isOnBus()) << qPrintable(host.failure());
    const QString book = copyTemplate("book.xlsx");
    const QString layout = layoutFile("layout.cfg", templateLayout());
    for (int run = 1; run <= 5; ++run) {
        ASSERT_EQ(runTabulor({QStringLiteral("/a"), book, layout, QStringLiteral("/ALL")}), 0)
            << run << qPrintable(messages_);
    }
    const QJsonObject underlinedRed{{"value", 12.021}, {"underline", "single"}, {"fontColor", "FF0000"}};
    const QJsonObject expectations{
        {"sheetNames", QJsonArray{"UniqueIDs", "Master", "Bericht2_Seite1", "Bericht2_Seite2",
                                  "Bericht1_Seite1", "Bericht1_Seite2"}},
        {"sheets", QJsonObject{{"Bericht1_Seite1", templatePage()},
                               {"Bericht1_Seite2", templatePage()},
                               {"Bericht2_Seite2", templatePage()}}},
        {"cells",
         QJsonArray{cellFact("Bericht1_Seite1", "A10", {{"value", "LOC_BORE1.X"}}),
                    cellFact("Bericht1_Seite1", "E10", {{"value", 42.51235}, {"underline", QJsonValue()}}),
                    cellFact("Bericht1_Seite1", "H10", {{"value", 42.51235}}),
                    cellFact("Bericht1_Seite1", "E12", underlinedRed),
                    cellFact("Bericht1_Seite1", "H12", underlinedRed),
                    cellFact("Bericht1_Seite1", "B3", {{"value", "Pump housing PH-200"}}),
                    cellFact("Bericht1_Seite1", "H3", {{"value", 2}}),
                    cellFact("Bericht1_Seite2", "H2", {{"value", 2}}),
                    cellFact("Bericht1_Seite2", "A10", {{"value", "ANG_SLOT.M"}}),
                    cellFact("Bericht1_Seite2", "H10", {{"value", 29.9}}),
                    cellFact("Bericht2_Seite1", "E10", {{"value", 42.51235}}),
                    cellFact("Bericht2_Seite1", "F10", {{"value", QJsonValue()}}),
                    cellFact("Master", "E10", {{"value", QJsonValue()}})}}};
    expectOpenpyxlFinds(book, expectations);
}

// The script is written beside the workbook in a folder whose name holds a blank, quotes and a "$".
TEST_F(ReportRunTest, AGeneratedShellScriptFillsTheReportWithTheChosenArguments) {
    test::HostSimProcess host({QStringLiteral("--no-window"), test::exampleFile("housing.json")});
    ASSERT_TRUE(host.isOnBus()) << qPrintable(host.failure());
    const QString folder = dir_.filePath(QStringLiteral("report's \"folder\" $1"));
    QDir().mkpath(folder);
    const QString book = folder + QStringLiteral("/Teil 1.xlsx");
    test::writeFile(book, test::readFile(test::xlsxFixture(QStringLiteral("report-template.xlsx"))));
    const QString layout = folder + QStringLiteral("/Layout A.cfg");
    ASSERT_TRUE(writeLayoutFile(layout, {templateLayout(), {}}));
    const BatchRequest request{.selection = BatchSelection::All,
                               .report = BatchReport::Complete,
                               .workbook1 = book,
                               .layoutFile = layout};
    test::RecordingUserInteraction user;
    const auto script = createBatchFile(request, QStringLiteral(KORVEX_TABULOR_PROGRAM), language_, user);
    ASSERT_TRUE(script);

    QProcess syntax;
    syntax.start(QStringLiteral("/bin/sh"), {QStringLiteral("-n"), *script});
    ASSERT_TRUE(syntax.waitForFinished());
    EXPECT_EQ(syntax.exitCode(), 0) << syntax.readAllStandardError().constData();
    startBatchFile(*script);
    ASSERT_EQ(waitForExit(), 0) << qPrintable(messages_);
    expectOpenpyxlFinds(book,
                        {{"cells", QJsonArray{cellFact("Bericht1_Seite1", "A10", {{"value", "LOC_BORE1.X"}}),
                                              cellFact("Bericht1_Seite1", "E10", {{"value", 42.51235}})}}});
}

TEST_F(ReportRunTest, AloFillsOneWorkbookAndSavesTheOutOfToleranceReportUnderAGeneratedName) {
    test::HostSimProcess host({QStringLiteral("--no-window"), programFile(1)});
    ASSERT_TRUE(host.isOnBus()) << qPrintable(host.failure());
    const QString book = copyTemplate("book.xlsx");
    const QString second = copyTemplate("second.xlsx");
    const QByteArray secondBefore = test::readFile(second);
    const QString layout = layoutFile("columns.cfg", columnsLayout());
    ASSERT_EQ(runTabulor({QStringLiteral("/a"), book, layout, QStringLiteral("/ALO"), second}), 0)
        << qPrintable(messages_);
    EXPECT_EQ(test::readFile(second), secondBefore);
    const QStringList generated = QDir(dir_.path()).entryList({QStringLiteral("second__*.xlsx")});
    ASSERT_EQ(generated.size(), 1) << generated.join(u' ').toStdString();
    const QJsonObject columns{
        {"cells", QJsonArray{cellFact("Bericht1_Seite1", "B10", {{"value", "LOC_BORE1.X"}}),
                             cellFact("Bericht1_Seite1", "B20", {{"value", 42.51235}}),
                             cellFact("Bericht1_Seite1", "B21", {{"value", QJsonValue()}}),
                             cellFact("Bericht1_Seite2", "B10", {{"value", "DIST_HUB_B1.M"}})}}};
    expectOpenpyxlFinds(book, columns);
    // Only what is out of tolerance or over the limit, one characteristic beside the other.
    const QJsonObject outOfTolerance{
        {"cells",
         QJsonArray{cellFact("Bericht1_Seite1", "B10", {{"value", "LOC_BORE1.Y"}}),
                    cellFact("Bericht1_Seite1", "C10", {{"value", "LOC_BORE1.D"}}),
                    cellFact("Bericht1_Seite1", "C20",
                             {{"value", 12.021}, {"underline", "single"}, {"fontColor", "FF0000"}})}}};
    expectOpenpyxlFinds(dir_.filePath(generated[0]), outOfTolerance);
}

TEST_F(ReportRunTest, AChangedPartProgramGoesToReportTwoAndAMissingMasterToNothing) {
    const QString book = copyTemplate("book.xlsx");
    const QString layout = layoutFile("layout.cfg", templateLayout());
    {
        test::HostSimProcess host({QStringLiteral("--no-window"), programFile(1)});
        ASSERT_TRUE(host.isOnBus()) << qPrintable(host.failure());
        ASSERT_EQ(runTabulor({QStringLiteral("/a"), book, layout, QStringLiteral("/OOT")}), 0)
            << qPrintable(messages_);
        ASSERT_EQ(runTabulor({QStringLiteral("/a"), book, layout}), 0) << qPrintable(messages_);
    }
    test::HostSimProcess host({QStringLiteral("--no-window"), programFile(2)});
    ASSERT_TRUE(host.isOnBus()) << qPrintable(host.failure());
    ASSERT_EQ(runTabulor({QStringLiteral("/a"), book, layout}), 0) << qPrintable(messages_);
    EXPECT_TRUE(messages_.contains(QStringLiteral("Ihr Messprogramm wurde ge\u00e4ndert.")))
        << qPrintable(messages_);
    const QJsonObject expectations{
        {"sheetNames",
         QJsonArray{"UniqueIDs", "Master", "Bericht2_Seite1", "Bericht2_Seite2", "Bericht1_Seite1"}},
        {"cells", QJsonArray{cellFact("UniqueIDs", "C2", {{"fill", QJsonValue()}}),
                             cellFact("UniqueIDs", "C25", {{"fill", "FF0000"}}),
                             cellFact("Bericht1_Seite1", "F10", {{"value", QJsonValue()}}),
                             cellFact("Bericht2_Seite1", "E10", {{"value", 42.51235}})}}};
    expectOpenpyxlFinds(book, expectations);

    std::unique_ptr<xlsx::XlsxWorkbook> noMaster = xlsx::XlsxWorkbook::createEmpty();
    ASSERT_TRUE(noMaster->saveAs(path("nomaster.xlsx")));
    const QByteArray before = test::readFile(path("nomaster.xlsx"));
    EXPECT_EQ(runTabulor({QStringLiteral("/a"), path("nomaster.xlsx"), layout}), 1);
    EXPECT_TRUE(messages_.contains(language_.text(LanguageTable::MessageBoxen, 30))) << qPrintable(messages_);
    EXPECT_EQ(test::readFile(path("nomaster.xlsx")), before);
}

// Without the office suite's plugin the program runs, and refuses an .xls template with the reason.
TEST_F(ReportRunTest, WithoutTheOfficePluginAnXlsTemplateIsRefusedWithTheReason) {
    const QString layout = layoutFile("layout.cfg", templateLayout());
    test::writeFile(path("book.xls"), "the operator's workbook");
    test::HostSimProcess host({QStringLiteral("--no-window"), programFile(1)});
    ASSERT_TRUE(host.isOnBus()) << qPrintable(host.failure());
    const QTemporaryDir noPlugin;
    qputenv("KORVEX_TABULOR_OFFICE_PLUGIN_DIR", noPlugin.path().toUtf8());
    const int status = runTabulor({QStringLiteral("/a"), path("book.xls"), layout});
    qunsetenv("KORVEX_TABULOR_OFFICE_PLUGIN_DIR");
    EXPECT_EQ(status, 1);
    EXPECT_TRUE(messages_.contains(language_.text(LanguageTable::MessageBoxen, 96))) << qPrintable(messages_);
    EXPECT_EQ(test::readFile(path("book.xls")), "the operator's workbook");
}

}  // namespace
}  // namespace korvex
