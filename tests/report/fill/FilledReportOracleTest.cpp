#include "XlsxTestSupport.h"
#include "fill/LayoutTestSupport.h"
#include "fill/ReportFillFixture.h"
#include "support/TestFiles.h"

#include <QJsonObject>

namespace korvex {
namespace {

class FilledReportOracleTest : public test::ReportFillFixture {};

// Two fills of 31 characteristics into the operator's template: LibreOffice reads every page with its
// values, and prints the template's logo on each page copied from Master.
TEST_F(FilledReportOracleTest, LibreOfficeReadsEveryPageOfAFilledTemplate) {
    const QString book = file(QStringLiteral("report.xlsx"));
    test::writeFile(book, test::readFile(test::xlsxFixture(QStringLiteral("report-template.xlsx"))));
    setCharacteristics(31);
    ASSERT_TRUE(fill(book).saved);
    row(31).measured = 31.5;
    ASSERT_TRUE(fill(book).saved);
    const QJsonObject expectations{
        {"csv", QJsonObject{{"Bericht1_Seite1", QJsonObject{{"A1", "Quality report"},
                                                            {"A10", "C1"},
                                                            {"E10", "1.010"},
                                                            {"F39", "30.010"},
                                                            {"B3", "HOUSING"}}},
                            {"Bericht1_Seite2", QJsonObject{{"A10", "C31"}, {"F10", "31.500"}, {"H2", "2"}}},
                            {"UniqueIDs", QJsonObject{{"A32", "C31"}, {"B32", "1311"}}}}},
        {"pdfPagesWithoutImages", 1},
        {"pdfSheetsWithImages", 3}};
    const test::CheckerRun run =
        test::runChecker(QStringLiteral("check_with_libreoffice.py"), book, expectations, dir_.path());
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.output);
}

}  // namespace
}  // namespace korvex
