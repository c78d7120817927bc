// Workbooks that the engine writes, read by programs nobody here wrote: openpyxl (values, fills,
// fonts, sheet features, package soundness) and LibreOffice headless (CSV and PDF conversion).

#include "XlsxTestSupport.h"

#include "report/xlsx/XlsxApplication.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QTemporaryDir>

namespace korvex {
namespace {

using xlsx::XlsxApplication;

constexpr int kRed = 3;

struct Template {
    QString file;
    bool masterHidden;
    // Visible sheets that show the logo: the page sheets, and "Master" unless it is hidden.
    int sheetsWithLogo;
};

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
    page->format(CellRange::cell(11, 5), {.font = {.underline = Underline::Single, .color = PaletteColor{kRed}}});
    page->writeText({11, 1}, QStringLiteral("=not a formula"));
    page->writeText({12, 1}, QStringLiteral("  kept blanks  "));
    page->writeText({13, 1}, QStringLiteral("tab\tand\x01" "control"));
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
    return {{"hidden", hidden},
            {"tabSelected", false},
            {"merged", QJsonArray{"A1:H1"}},
            {"printArea", "A1:H40"},
            {"printTitleRows", "1:9"},
            {"images", 1},
            {"header", "Inspection"},
            {"footer", "KORVEX"}};
}

QJsonObject reportExpectations(const Template& fixture) {
    QJsonObject page = templateFeatures(false);
    QJsonObject activePage = page;
    activePage.insert(QStringLiteral("tabSelected"), true);
    return {
        {"sheetNames", QJsonArray{"UniqueIDs", "Cover", "Master", "Bericht1_Seite1", "Bericht1_Seite2",
                                  "Bericht1_Seite3"}},
        {"activeSheet", "Bericht1_Seite3"},
        {"sheets", QJsonObject{{"Master", templateFeatures(fixture.masterHidden)},
                               {"Bericht1_Seite1", page},
                               {"Bericht1_Seite3", activePage}}},
        {"cells",
         QJsonArray{
             cell("UniqueIDs", "C2", {{"value", 12346}, {"fill", "FF0000"}}),
             cell("UniqueIDs", "C3", {{"value", 1}, {"fill", QJsonValue::Null}}),
             cell("Bericht1_Seite1", "A1", {{"value", "Inspection report"}, {"bold", true}, {"fontName", "Arial"}}),
             cell("Bericht1_Seite1", "C5", {{"value", "=B5*2"}}),
             cell("Bericht1_Seite1", "A10", {{"value", "CIR1.X"}, {"border", true}}),
             cell("Bericht1_Seite1", "B10", {{"value", -5}}),
             cell("Bericht1_Seite1", "D10", {{"value", "   "}}),
             cell("Bericht1_Seite1", "E10", {{"value", 12.5}, {"underline", QJsonValue::Null}}),
             cell("Bericht1_Seite1", "E11", {{"value", 7.25}, {"underline", "single"}, {"fontColor", "FF0000"}}),
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
    return {{"csv", QJsonObject{{"Bericht1_Seite1", QJsonObject{{"A1", "Inspection report"},
                                                                 {"C5", "42"},
                                                                 {"E10", "12.5"},
                                                                 {"A11", "=not a formula"},
                                                                 {"A12", "  kept blanks  "},
                                                                 {"A13", "tab\tand\x01" "control"}}},
                                {"UniqueIDs", QJsonObject{{"B2", "12345"}, {"C1", "New Unique-ID"}}}}},
            {"pdfPagesWithoutImages", 2},
            {"pdfSheetsWithImages", fixture.sheetsWithLogo}};
}

class OutsideReaders : public ::testing::TestWithParam<Template> {
protected:
    QString fillTemplate() {
        XlsxApplication application;
        SpreadsheetResult<Workbook*> workbook = application.open(test::xlsxFixture(GetParam().file));
        EXPECT_TRUE(workbook) << workbook.error().toStdString();
        if (!workbook) {
            return {};
        }
        fillReport(**workbook);
        const QString result = folder_.filePath(QStringLiteral("report.xlsx"));
        SpreadsheetStatus saved = (*workbook)->saveAs(result);
        EXPECT_TRUE(saved) << saved.error().toStdString();
        return result;
    }

    QTemporaryDir folder_;
};

TEST_P(OutsideReaders, OpenpyxlReadsEveryValueFillFontAndTemplateFeatureOfAFilledReport) {
    const QString result = fillTemplate();
    ASSERT_FALSE(HasFailure());
    const test::CheckerRun run =
        test::runChecker(QStringLiteral("check_workbook.py"), result, reportExpectations(GetParam()), folder_.path());
    EXPECT_EQ(run.exitCode, 0) << run.output.toStdString();
}

TEST_P(OutsideReaders, LibreOfficeConvertsAFilledReportWithItsFormulaAndALogoOnEveryPage) {
    const QString result = fillTemplate();
    ASSERT_FALSE(HasFailure());
    const test::CheckerRun run = test::runChecker(QStringLiteral("check_with_libreoffice.py"), result,
                                                  libreOfficeExpectations(GetParam()), folder_.path());
    EXPECT_EQ(run.exitCode, 0) << run.output.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Templates, OutsideReaders,
                         ::testing::Values(Template{QStringLiteral("template-openpyxl.xlsx"), true, 3},
                                           Template{QStringLiteral("template-libreoffice.xlsx"), false, 4}),
                         [](const auto& parameter) { return parameter.index == 0 ? "Openpyxl" : "LibreOffice"; });

}  // namespace
}  // namespace korvex
