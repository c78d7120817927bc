// The report filled into .xls and .ods templates through the office gives the cells the embedded
// engine writes into the .xlsx twin.

#include "CalcTestSupport.h"
#include "XlsxTestSupport.h"
#include "fill/ReportFillFixture.h"
#include "report/OwnInstanceBackend.h"
#include "support/TestFiles.h"

#include <map>

namespace korvex {
namespace {

constexpr int kRows = 45;
constexpr int kColumns = 12;

using SheetTexts = std::map<QString, QStringList>;

class CalcReportFillTest : public test::ReportFillFixture {
  protected:
    std::unique_ptr<SpreadsheetApplication> office() {
        auto created = calc_.backend().create();
        EXPECT_TRUE(created) << created.error().toStdString();
        return created ? std::move(*created) : nullptr;
    }

    // The template, and its twins saved by the office in its other formats.
    void makeTwins(const QString& xlsx, const QStringList& twins) {
        test::writeFile(xlsx, test::readFile(test::xlsxFixture(QStringLiteral("report-template.xlsx"))));
        const std::unique_ptr<SpreadsheetApplication> app = office();
        ASSERT_TRUE(app);
        SpreadsheetResult<Workbook*> opened = app->open(xlsx);
        ASSERT_TRUE(opened) << opened.error().toStdString();
        for (const QString& twin : twins) {
            ASSERT_TRUE((*opened)->saveAs(twin));
        }
    }

    // Every sheet's cells in the top left of the sheet, as the office reads them.
    SheetTexts textsOf(SpreadsheetApplication& app, const QString& path) {
        SpreadsheetResult<Workbook*> opened = app.open(path);
        EXPECT_TRUE(opened) << opened.error().toStdString();
        SheetTexts texts;
        if (!opened) {
            return texts;
        }
        for (const QString& name : (*opened)->sheetNames()) {
            Worksheet* sheet = (*opened)->sheet(name);
            QStringList& cells = texts[name];
            for (int row = 1; row <= kRows; ++row) {
                for (int column = 1; column <= kColumns; ++column) {
                    cells.append(sheet->readText({row, column}));
                }
            }
        }
        return texts;
    }

    test::CalcPluginFixture calc_;
};

TEST_F(CalcReportFillTest, XlsAndOdsTemplatesGetTheCellsOfTheXlsxTwin) {
    const QString xlsx = file(QStringLiteral("report.xlsx"));
    const QStringList twins = {file(QStringLiteral("report.xls")), file(QStringLiteral("report.ods"))};
    makeTwins(xlsx, twins);
    setCharacteristics(31);
    ASSERT_TRUE(fill(xlsx).saved) << messageTexts().join(u'|').toStdString();
    OwnInstanceBackend officeBackend(calc_.backend());
    fillingBackend_ = &officeBackend;
    for (const QString& twin : twins) {
        const ReportFillResult filled = fill(twin);
        ASSERT_TRUE(filled.saved) << messageTexts().join(u'|').toStdString();
        EXPECT_EQ(filled.path, twin);
    }
    EXPECT_TRUE(calc_.officesEnd()) << "every fill ends its office";

    const std::unique_ptr<SpreadsheetApplication> app = office();
    ASSERT_TRUE(app);
    const SheetTexts expected = textsOf(*app, xlsx);
    ASSERT_TRUE(expected.contains(QStringLiteral("Bericht1_Seite2")));
    EXPECT_EQ(expected.at(QStringLiteral("Bericht1_Seite1"))[9 * kColumns], QStringLiteral("C1"));
    for (const QString& twin : twins) {
        const SheetTexts found = textsOf(*app, twin);
        for (const auto& [sheet, cells] : expected) {
            ASSERT_TRUE(found.contains(sheet)) << twin.toStdString() << " lacks " << sheet.toStdString();
            for (int cell = 0; cell < cells.size(); ++cell) {
                EXPECT_EQ(found.at(sheet)[cell], cells[cell])
                    << twin.toStdString() << " " << sheet.toStdString() << " "
                    << CellRef{cell / kColumns + 1, cell % kColumns + 1}.address().toStdString();
            }
        }
        EXPECT_EQ(found.size(), expected.size()) << twin.toStdString();
    }
}

}  // namespace
}  // namespace korvex
