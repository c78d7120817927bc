// Workbooks that the engine writes, read by programs nobody here wrote: openpyxl (values, fills,
// fonts, sheet features, package soundness) and LibreOffice headless (CSV and PDF conversion).

#include "XlsxTestSupport.h"

#include "report/xlsx/XlsxApplication.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QJsonArray>
#include <QTemporaryDir>

namespace korvex {
namespace {

using xlsx::XlsxApplication;
using namespace Qt::Literals::StringLiterals;

constexpr int kRed = 3;

struct Template {
    QString file;
    bool masterHidden;
    // Visible sheets that show the logo: the page sheets, and "Master" unless it is hidden.
    int sheetsWithLogo;
};

void PrintTo(const Template& fixture, std::ostream* stream) {
    *stream << fixture.file.toStdString();
}

// Fills a template the way the report filler does: a "UniqueIDs" sheet with a red mismatch, three
// page sheets copied from "Master" and renamed, values of every kind, a red underlined measurement.
void fillReport(Workbook& workbook) {
    ASSERT_EQ(workbook.sheet(QStringLiteral("UniqueIDs")), nullptr);
    SpreadsheetResult<Worksheet*> ids = workbook.addSheet(QStringLiteral("UniqueIDs"));
    ASSERT_TRUE(ids) << ids.error().toStdString();
    (*ids)->writeText({1, 1}, QStringLiteral("ID"));
    (*ids)->writeText({1, 2}, QStringLiteral("Unique-ID"));
    (*ids)->writeText({1, 3}, QStringLiteral("New Unique-ID"));
    (*ids)->writeText({2, 1}, QStringLiteral("CIR1.X"));
    (*ids)->writeNumber({2, 2}, 12345);
    (*ids)->writeNumber({2, 3}, 12346);
    (*ids)->format(CellRange::cell(2, 3), {.fill = CellFill::solid(kRed)});
    (*ids)->writeNumber({3, 3}, 1);
    (*ids)->format(CellRange::cell(3, 3), {.fill = CellFill::none()});

    QString previous = QStringLiteral("Master");
    for (int page = 1; page <= 3; ++page) {
        SpreadsheetResult<Worksheet*> copy = workbook.copySheetAfter(QStringLiteral("Master"), previous);
        ASSERT_TRUE(copy) << copy.error().toStdString();
        ASSERT_EQ((*copy)->name(), QStringLiteral("Master (2)"));
        previous = QStringLiteral("Bericht1_Seite%1").arg(page);
        ASSERT_TRUE((*copy)->rename(previous));
        (*copy)->select();
        (*copy)->writeNumber({3, 8}, page);
    }
    Worksheet* page = workbook.sheet(QStringLiteral("Bericht1_Seite1"));
    ASSERT_NE(page, nullptr);
    page->writeText(CellRange::parse(u"A10")->first, QStringLiteral("CIR1.X"));
    page->writeNumber({10, 2}, -5.0);
    page->writeText({10, 4}, QStringLiteral("   "));
    page->writeNumber({10, 5}, 12.5);
    page->writeNumber({11, 5}, 7.25);
    page->format(CellRange::cell(11, 5),
                 {.font = {.underline = Underline::Single, .color = PaletteColor{kRed}}});
    page->writeText({11, 1}, QStringLiteral("=not a formula"));
    page->writeText({12, 1}, QStringLiteral("  kept blanks  "));
    page->writeText({13, 1}, QStringLiteral("tab\tand\x01"
                                            "control"));
    page->writeText({10, 6}, QStringLiteral("n.g."));
    page->writeDate({7, 5}, QDate(2024, 3, 1));
    page->writeTime({8, 5}, QTime(13, 45, 10));
}

QJsonObject cell(const char* sheet, const char* address, QJsonObject facts) {
    facts.insert(QStringLiteral("sheet"), QString::fromLatin1(sheet));
    facts.insert(QStringLiteral("cell"), QString::fromLatin1(address));
    return facts;
}

QJsonObject templateFeatures(bool hidden) {
    return {{"hidden", hidden},      {"tabSelected", false},    {"merged", QJsonArray{"A1:H1"}},
            {"printArea", "A1:H40"}, {"printTitleRows", "1:9"}, {"images", 1},
            {"header", "Quality"},   {"footer", "KORVEX"}};
}

QJsonObject reportExpectations(const Template& fixture) {
    QJsonObject page = templateFeatures(false);
    QJsonObject activePage = page;
    activePage.insert(QStringLiteral("tabSelected"), true);
    return {
        {"sheetNames",
         QJsonArray{"UniqueIDs", "Cover", "Master", "Bericht1_Seite1", "Bericht1_Seite2", "Bericht1_Seite3"}},
        {"activeSheet", "Bericht1_Seite3"},
        {"sheets", QJsonObject{{"Master", templateFeatures(fixture.masterHidden)},
                               {"Bericht1_Seite1", page},
                               {"Bericht1_Seite3", activePage}}},
        {"cells",
         QJsonArray{
             cell("UniqueIDs", "C2", {{"value", 12346}, {"fill", "FF0000"}}),
             cell("UniqueIDs", "C3", {{"value", 1}, {"fill", QJsonValue::Null}}),
             cell("Bericht1_Seite1", "A1",
                  {{"value", "Quality report"}, {"bold", true}, {"fontName", "Arial"}}),
             cell("Bericht1_Seite1", "C5", {{"value", "=B5*2"}}),
             cell("Bericht1_Seite1", "A10", {{"value", "CIR1.X"}, {"border", true}}),
             cell("Bericht1_Seite1", "B10", {{"value", -5}}),
             cell("Bericht1_Seite1", "D10", {{"value", "   "}}),
             cell("Bericht1_Seite1", "E10", {{"value", 12.5}, {"underline", QJsonValue::Null}}),
             cell("Bericht1_Seite1", "E11",
                  {{"value", 7.25}, {"underline", "single"}, {"fontColor", "FF0000"}}),
             cell("Bericht1_Seite1", "A11", {{"value", "=not a formula"}}),
             cell("Bericht1_Seite1", "A12", {{"value", "  kept blanks  "}}),
             // openpyxl leaves escaped characters as they are stored.
             cell("Bericht1_Seite1", "A13", {{"value", "tab\tand_x0001_control"}}),
             cell("Bericht1_Seite1", "E7", {{"value", "2024-03-01 00:00:00"}}),
             cell("Bericht1_Seite1", "E8", {{"value", "13:45:10"}}),
             cell("Bericht1_Seite2", "H3", {{"value", 2}}),
             cell("Bericht1_Seite2", "E10", {{"value", QJsonValue::Null}}),
         }},
    };
}

QJsonObject libreOfficeExpectations(const Template& fixture) {
    return {{"csv", QJsonObject{{"Bericht1_Seite1", QJsonObject{{"A1", "Quality report"},
                                                                {"C5", "42"},
                                                                {"E10", "12.5"},
                                                                {"A11", "=not a formula"},
                                                                {"A12", "  kept blanks  "},
                                                                {"A13",
                                                                 "tab\tand\x01"
                                                                 "control"}}},
                                {"UniqueIDs", QJsonObject{{"B2", "12345"}, {"C1", "New Unique-ID"}}}}},
            {"pdfPagesWithoutImages", 2},
            {"pdfSheetsWithImages", fixture.sheetsWithLogo}};
}

class OutsideReaders : public ::testing::TestWithParam<Template> {
  protected:
    // Fills the template, saves the result and lets a checker script read it.
    void checkFilledTemplate(const char* script, const QJsonObject& expectations) {
        XlsxApplication application;
        SpreadsheetResult<Workbook*> workbook = application.open(test::xlsxFixture(GetParam().file));
        ASSERT_TRUE(workbook) << workbook.error().toStdString();
        fillReport(**workbook);
        ASSERT_FALSE(HasFailure());
        const QString result = folder_.filePath(QStringLiteral("report.xlsx"));
        SpreadsheetStatus saved = (*workbook)->saveAs(result);
        ASSERT_TRUE(saved) << saved.error().toStdString();
        const test::CheckerRun run =
            test::runChecker(QString::fromLatin1(script), result, expectations, folder_.path());
        EXPECT_EQ(run.exitCode, 0) << run.output.toStdString();
    }

    QTemporaryDir folder_;
};

TEST_P(OutsideReaders, OpenpyxlReadsEveryValueFillFontAndTemplateFeatureOfAFilledReport) {
    checkFilledTemplate("check_workbook.py", reportExpectations(GetParam()));
}

TEST_P(OutsideReaders, LibreOfficeConvertsAFilledReportWithItsFormulaAndALogoOnEveryPage) {
    checkFilledTemplate("check_with_libreoffice.py", libreOfficeExpectations(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Templates, OutsideReaders,
                         ::testing::Values(Template{QStringLiteral("template-openpyxl.xlsx"), true, 3},
                                           Template{QStringLiteral("template-libreoffice.xlsx"), false, 4}),
                         [](const auto& parameter) {
                             return parameter.index == 0 ? "Openpyxl" : "LibreOffice";
                         });

// Lays out and fills a protocol sheet in a new workbook as the live protocol does: header row,
// centred columns B:H of width 20, thin borders and Arial 9 on every cell, a light blue bold header,
// frozen first row, a merged grey title row, a value row, column A fitted, a number format on B:H.
void writeProtocol(Workbook& workbook) {
    Worksheet* sheet = workbook.activeSheet();
    ASSERT_NE(sheet, nullptr);
    const QStringList headers{
        u"Merkmalstyp und Element"_s, u"Nennwert"_s,        u"Messwert"_s,      u"Abweichung"_s,
        u"obere Toleranz"_s,          u"untere Toleranz"_s, u"Bonustoleranz"_s, u"ATol"_s};
    for (int column = 1; column <= 8; ++column) {
        sheet->writeText({1, column}, headers[column - 1]);
    }
    const AlignmentChange centred{.horizontal = HorizontalAlignment::Center,
                                  .vertical = VerticalAlignment::Bottom,
                                  .wrapText = false,
                                  .shrinkToFit = false,
                                  .orientation = 0};
    sheet->format(CellRange::columns(2, 8), {.alignment = centred});
    sheet->unmerge(CellRange::columns(2, 8));
    sheet->setColumnWidth(2, 8, 20);
    sheet->format(CellRange::wholeSheet(), {.font = {.name = u"Arial"_s,
                                                     .size = 9,
                                                     .underline = Underline::None,
                                                     .color = PaletteColor::automatic(),
                                                     .plainEffects = true},
                                            .thinBorders = true});
    sheet->format(*CellRange::parse(u"A1:H1"), {.fill = CellFill::solid(33), .font = {.bold = true}});
    sheet->freezePanes({2, 1});
    sheet->selectRange(CellRange::cell(2, 1));

    sheet->writeText({2, 1}, QStringLiteral("DIM LOC1= LOCATION OF CIRCLE CIR1"));
    sheet->format(*CellRange::parse(u"A2:H2"), {.alignment = centred});
    sheet->merge(*CellRange::parse(u"A2:H2"));
    sheet->format(*CellRange::parse(u"A2:H2"), {.fill = CellFill::solid(15), .font = {.bold = true}});
    sheet->writeText({3, 1}, QStringLiteral("X_LOCATION von CIR1"));
    sheet->format(CellRange::cell(3, 1), {.font = {.bold = true}});
    for (int column = 2; column <= 8; ++column) {
        sheet->writeNumber({3, column}, column * 1.25);
    }
    sheet->autofitColumn(1);
    sheet->format(CellRange::columns(2, 8), {.numberFormat = u"#,##0.0000"_s});
}

TEST(OutsideReaders, OpenpyxlReadsTheLayoutAndFormattingOfALiveProtocolInANewWorkbook) {
    XlsxApplication application;
    SpreadsheetResult<Workbook*> workbook = application.addWorkbook();
    ASSERT_TRUE(workbook);
    writeProtocol(**workbook);
    ASSERT_FALSE(::testing::Test::HasFailure());
    QTemporaryDir folder;
    const QString result = folder.filePath(QStringLiteral("protocol.xlsx"));
    ASSERT_TRUE((*workbook)->saveAs(result));
    const QJsonObject arial9{{"fontName", "Arial"}, {"fontSize", 9}, {"border", true}};
    const auto with = [](QJsonObject facts, const QJsonObject& more) {
        for (auto fact = more.begin(); fact != more.end(); ++fact) {
            facts.insert(fact.key(), fact.value());
        }
        return facts;
    };
    const QJsonObject expectations{
        {"sheetNames", QJsonArray{"Sheet1"}},
        {"sheets",
         QJsonObject{{"Sheet1", QJsonObject{{"frozen", "A2"},
                                            {"merged", QJsonArray{"A2:H2"}},
                                            {"columnWidths", QJsonObject{{"B", 20.0}, {"H", 20.0}}}}}}},
        {"cells",
         QJsonArray{
             cell("Sheet1", "A1",
                  with(arial9, {{"value", "Merkmalstyp und Element"}, {"fill", "00CCFF"}, {"bold", true}})),
             cell("Sheet1", "E1",
                  with(arial9, {{"value", "obere Toleranz"}, {"horizontal", "center"}, {"bold", true}})),
             cell("Sheet1", "A2",
                  with(arial9, {{"value", "DIM LOC1= LOCATION OF CIRCLE CIR1"},
                                {"fill", "C0C0C0"},
                                {"bold", true},
                                {"horizontal", "center"}})),
             cell("Sheet1", "A3",
                  with(arial9,
                       {{"value", "X_LOCATION von CIR1"}, {"bold", true}, {"fill", QJsonValue::Null}})),
             cell("Sheet1", "C3",
                  with(arial9, {{"value", 3.75},
                                {"numberFormat", "#,##0.0000"},
                                {"bold", false},
                                {"horizontal", "center"},
                                {"wrap", false},
                                {"underline", QJsonValue::Null}})),
         }},
    };
    const test::CheckerRun run =
        test::runChecker(QStringLiteral("check_workbook.py"), result, expectations, folder.path());
    EXPECT_EQ(run.exitCode, 0) << run.output.toStdString();
}

// A page copied from a 1904-based master whose formulas, validation, conditional format, chart and
// comment name the master, with whole-column and whole-row shared formulas beside it.
QString filledFeaturesTemplate(const QString& folder) {
    XlsxApplication application;
    SpreadsheetResult<Workbook*> workbook = application.open(test::xlsxFixture(u"template-features.xlsx"_s));
    EXPECT_TRUE(workbook) << workbook.error().toStdString();
    SpreadsheetResult<Worksheet*> page = (*workbook)->copySheetAfter(u"Master"_s, u"Master"_s);
    EXPECT_TRUE(page && (*page)->rename(u"Seite1"_s));
    for (int row = 2; row <= 6; ++row) {
        (*page)->writeNumber({row, 2}, 98 + row);
    }
    (*page)->writeDate({2, 5}, QDate(2024, 2, 29));
    const QString result = QDir(folder).filePath(u"features.xlsx"_s);
    EXPECT_TRUE((*workbook)->saveAs(result));
    return result;
}

TEST(OutsideReaders, ReadAPageCopiedFromAMasterThatRefersToItselfInA1904Workbook) {
    QTemporaryDir folder;
    const QString result = filledFeaturesTemplate(folder.path());
    ASSERT_FALSE(::testing::Test::HasFailure());
    const QJsonObject openpyxl{
        {"sheetNames", QJsonArray{"Master", "Seite1", "Sums"}},
        {"sheets", QJsonObject{{"Seite1", QJsonObject{{"dataValidations", 1}, {"conditionalFormats", 1}}}}},
        {"cells", QJsonArray{cell("Seite1", "C2", {{"value", "=SUM(Seite1!B2:B6)"}}),
                             cell("Seite1", "E2", {{"value", "2024-02-29 00:00:00"}}),
                             cell("Sums", "G1", {{"value", "=SUM(C:C)"}}),
                             cell("Sums", "I5", {{"value", "=SUM(2:2)"}})}},
    };
    const test::CheckerRun checked =
        test::runChecker(u"check_workbook.py"_s, result, openpyxl, folder.path());
    EXPECT_EQ(checked.exitCode, 0) << checked.output.toStdString();
    const QJsonObject libreOffice{
        {"csv", QJsonObject{{"Seite1", QJsonObject{{"C2", "510"}, {"C3", "200"}}},
                            {"Master", QJsonObject{{"C2", "20"}, {"C3", "4"}}},
                            {"Sums", QJsonObject{{"F1", "22"}, {"G1", "33"}, {"I4", "72"}, {"I5", "60"}}}}}};
    const test::CheckerRun converted =
        test::runChecker(u"check_with_libreoffice.py"_s, result, libreOffice, folder.path());
    EXPECT_EQ(converted.exitCode, 0) << converted.output.toStdString();
}

}  // namespace
}  // namespace korvex
