// The embedded engine's workbooks: values, styles, shared strings, saving.

#include "XlsxTestSupport.h"

#include "report/xlsx/XlsxApplication.h"
#include "report/xlsx/XlsxWorkbook.h"
#include "report/xlsx/ZipPackage.h"
#include "support/FullDisk.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <pugixml.hpp>

#include <cmath>
#include <limits>

namespace korvex {
namespace {

using xlsx::XlsxWorkbook;
using namespace Qt::Literals::StringLiterals;

std::unique_ptr<XlsxWorkbook> reopen(const QString& path) {
    auto workbook = XlsxWorkbook::open(path);
    EXPECT_TRUE(workbook) << workbook.error().toStdString();
    return workbook ? std::move(*workbook) : nullptr;
}

std::size_t countOf(const QByteArray& xml, const char* path) {
    pugi::xml_document document;
    document.load_buffer(xml.constData(), static_cast<size_t>(xml.size()));
    return document.select_nodes(path).size();
}

class XlsxWorkbookTest : public ::testing::Test {
  protected:
    QString file(const char* name) const { return folder_.filePath(QString::fromLatin1(name)); }
    QTemporaryDir folder_;
};

TEST_F(XlsxWorkbookTest, ReadsBackEveryKindOfValueAfterSavingAndReopening) {
    std::unique_ptr<XlsxWorkbook> workbook = XlsxWorkbook::createEmpty();
    ASSERT_EQ(workbook->sheetNames(), QStringList{QStringLiteral("Sheet1")});
    Worksheet* sheet = workbook->activeSheet();
    sheet->writeText({1, 1}, QStringLiteral("=1+1"));
    sheet->writeNumber({1, 2}, 0.1);
    sheet->writeNumber({1, 3}, -1234567.125);
    sheet->writeNumber({1, 4}, std::numeric_limits<double>::quiet_NaN());
    sheet->writeDate({2, 1}, QDate(2024, 3, 1));
    sheet->writeDate({2, 2}, QDate(1900, 2, 28));
    sheet->writeTime({2, 3}, QTime(12, 0));
    sheet->writeText({3, 1}, QString(40000, u'x'));
    sheet->writeText({3, 2}, QStringLiteral("gone"));
    sheet->writeText({3, 2}, QString());
    sheet->writeText({4, 26}, QStringLiteral("Z4"));
    sheet->writeText({4, 3}, QStringLiteral("C4 before Z4"));
    ASSERT_TRUE(workbook->saveAs(file("values.xlsx")));

    auto reopened = reopen(file("values.xlsx"));
    ASSERT_TRUE(reopened);
    Worksheet* read = reopened->sheet(QStringLiteral("sheet1"));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->readText({1, 1}), u"=1+1");
    EXPECT_EQ(read->readText({1, 2}), u"0.1");
    EXPECT_EQ(read->readText({1, 3}), u"-1234567.125");
    EXPECT_EQ(read->readText({1, 4}), u"#NUM!");
    EXPECT_EQ(read->readText({2, 1}), u"45352");
    EXPECT_EQ(read->readText({2, 2}), u"59");
    EXPECT_EQ(read->readText({2, 3}), u"0.5");
    EXPECT_EQ(read->readText({3, 1}).size(), 32767);
    EXPECT_EQ(read->readText({3, 2}), QString());
    EXPECT_EQ(read->readText({99, 99}), QString());
    EXPECT_EQ(read->readText({4, 3}), u"C4 before Z4");
    EXPECT_EQ(read->readText({4, 26}), u"Z4");
}

TEST_F(XlsxWorkbookTest, ABlockWriteFillsRowByRowAndLeavesCellsWithoutValueAlone) {
    std::unique_ptr<XlsxWorkbook> workbook = XlsxWorkbook::createEmpty();
    Worksheet* sheet = workbook->activeSheet();
    sheet->writeText({3, 3}, QStringLiteral("kept"));
    const std::vector<CellValue> values{
        QStringLiteral("title"), std::monostate{}, 1.5, -2.0, std::monostate{}, u"x"_s};
    sheet->writeBlock({2, 2}, 3, values);
    EXPECT_EQ(sheet->readText({2, 2}), u"title");
    EXPECT_EQ(sheet->readText({2, 3}), QString());
    EXPECT_EQ(sheet->readText({2, 4}), u"1.5");
    EXPECT_EQ(sheet->readText({3, 2}), u"-2");
    EXPECT_EQ(sheet->readText({3, 3}), u"kept");
    EXPECT_EQ(sheet->readText({3, 4}), u"x");
}

TEST_F(XlsxWorkbookTest, KeepsEveryPartItDoesNotTouchByteForByte) {
    const QString original = test::xlsxFixture(QStringLiteral("template-libreoffice.xlsx"));
    auto workbook = reopen(original);
    ASSERT_TRUE(workbook);
    workbook->sheet(QStringLiteral("Cover"))->writeText({5, 1}, QStringLiteral("new"));
    ASSERT_TRUE(workbook->saveAs(file("touched.xlsx")));
    for (const char* part : {"xl/worksheets/sheet2.xml", "xl/drawings/drawing1.xml", "xl/media/image1.png",
                             "xl/styles.xml", "docProps/app.xml", "xl/worksheets/_rels/sheet2.xml.rels"}) {
        EXPECT_EQ(test::partOf(file("touched.xlsx"), QString::fromLatin1(part)),
                  test::partOf(original, QString::fromLatin1(part)))
            << part;
    }
    EXPECT_NE(test::partOf(file("touched.xlsx"), QStringLiteral("xl/worksheets/sheet1.xml")),
              test::partOf(original, QStringLiteral("xl/worksheets/sheet1.xml")));
}

// Saving looks for the selected-tab mark of sheets it never loaded in the head of their parts only. A
// sheet whose mark is right stays as it came; one whose mark is wrong is loaded and rewritten whole.
TEST_F(XlsxWorkbookTest, FindsTheTabMarkOfSheetsItNeverLoadedBeyondALongHead) {
    QByteArray master =
        R"(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)"
        R"(<sheetPr codeName=")" +
        QByteArray(20000, 'x') +
        R"("/><sheetViews><sheetView tabSelected="1" workbookViewId="0"/></sheetViews><sheetData>)";
    for (int row = 1; row <= 3000; ++row) {
        master +=
            "<row r=\"" + QByteArray::number(row) + "\"><c><v>" + QByteArray::number(row) + "</v></c></row>";
    }
    master += "</sheetData></worksheet>";
    const auto withMarkedMaster = [&](const char* activeTab) {
        return test::changedFixture(u"template-libreoffice.xlsx"_s, [&](xlsx::ZipPackage& package) {
            package.write(u"xl/worksheets/sheet2.xml"_s, master);
            QByteArray book = *package.read(u"xl/workbook.xml"_s);
            package.write(u"xl/workbook.xml"_s, book.replace("activeTab=\"0\"", activeTab));
        });
    };

    auto activeMaster = XlsxWorkbook::fromBytes(withMarkedMaster("activeTab=\"1\""));
    ASSERT_TRUE(activeMaster);
    ASSERT_TRUE((*activeMaster)->saveAs(file("master.xlsx")));
    EXPECT_EQ(test::partOf(file("master.xlsx"), u"xl/worksheets/sheet2.xml"_s), master);

    auto activeCover = XlsxWorkbook::fromBytes(withMarkedMaster("activeTab=\"0\""));
    ASSERT_TRUE(activeCover);
    ASSERT_TRUE((*activeCover)->saveAs(file("cover.xlsx")));
    EXPECT_FALSE(test::partOf(file("cover.xlsx"), u"xl/worksheets/sheet2.xml"_s).contains("tabSelected"));
    auto reopened = reopen(file("cover.xlsx"));
    ASSERT_TRUE(reopened);
    EXPECT_EQ(reopened->sheet(u"Master"_s)->readText({3000, 1}), u"3000");
}

TEST_F(XlsxWorkbookTest, MakesEachDerivedStyleAndSharedStringOnceAndKeepsBlanks) {
    auto workbook = reopen(test::xlsxFixture(QStringLiteral("template-libreoffice.xlsx")));
    ASSERT_TRUE(workbook);
    const QByteArray stylesBefore = test::partOf(
        test::xlsxFixture(QStringLiteral("template-libreoffice.xlsx")), QStringLiteral("xl/styles.xml"));
    Worksheet* sheet = workbook->sheet(QStringLiteral("Master"));
    const FormatChange redUnderline{.font = {.underline = Underline::Single, .color = PaletteColor{3}}};
    for (int row = 10; row <= 39; ++row) {
        for (int column = 5; column <= 8; ++column) {
            sheet->writeText({row, column}, QStringLiteral("  same  "));
            sheet->format(CellRange::cell(row, column), redUnderline);
            sheet->format(CellRange::cell(row, column), {.fill = CellFill::solid(3)});
        }
    }
    // Colours and sizes the application does not know change nothing.
    sheet->format(CellRange::cell(40, 1),
                  {.fill = CellFill::solid(57), .font = {.size = 0, .color = PaletteColor{0}}});
    ASSERT_TRUE(workbook->saveAs(file("styled.xlsx")));
    const QByteArray styles = test::partOf(file("styled.xlsx"), QStringLiteral("xl/styles.xml"));
    EXPECT_EQ(countOf(styles, "//cellXfs/xf"), countOf(stylesBefore, "//cellXfs/xf") + 2);
    EXPECT_EQ(countOf(styles, "//fonts/font"), countOf(stylesBefore, "//fonts/font") + 1);
    EXPECT_EQ(countOf(styles, "//fills/fill"), countOf(stylesBefore, "//fills/fill") + 1);
    EXPECT_EQ(countOf(styles, "//fills/fill/patternFill[@patternType='solid']/fgColor[@indexed='10']"), 1u);
    const QByteArray strings = test::partOf(file("styled.xlsx"), QStringLiteral("xl/sharedStrings.xml"));
    EXPECT_EQ(countOf(strings, "//si[t='  same  ']"), 1u);
    EXPECT_TRUE(strings.contains("<t xml:space=\"preserve\">  same  </t>"));
}

TEST_F(XlsxWorkbookTest, KeepsABlankAtEitherEndAndALineBreakOfAText) {
    auto workbook = reopen(test::xlsxFixture(QStringLiteral("template-libreoffice.xlsx")));
    ASSERT_TRUE(workbook);
    Worksheet* sheet = workbook->sheet(QStringLiteral("Master"));
    const QStringList texts = {QStringLiteral(" leading"), QStringLiteral("trailing "),
                               QStringLiteral("two\nlines"), QStringLiteral("in between")};
    for (int row = 0; row < texts.size(); ++row) {
        sheet->writeText({50 + row, 1}, texts[row]);
    }
    ASSERT_TRUE(workbook->saveAs(file("blanks.xlsx")));
    const QByteArray strings = test::partOf(file("blanks.xlsx"), QStringLiteral("xl/sharedStrings.xml"));
    for (const char* preserved :
         {"<t xml:space=\"preserve\"> leading</t>", "<t xml:space=\"preserve\">trailing </t>",
          "<t xml:space=\"preserve\">two\nlines</t>"}) {
        EXPECT_TRUE(strings.contains(preserved)) << preserved;
    }
    EXPECT_TRUE(strings.contains("<t>in between</t>"));
}

TEST_F(XlsxWorkbookTest, DropsTheCalculationChainAndStoredResultsSoFormulasAreCalculatedAnew) {
    const QByteArray withChain =
        test::changedFixture(QStringLiteral("template-libreoffice.xlsx"), [](xlsx::ZipPackage& package) {
            package.write(QStringLiteral("xl/calcChain.xml"),
                          R"(<calcChain xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)"
                          R"(<c r="C5" i="2"/></calcChain>)");
            QByteArray rels = *package.read(QStringLiteral("xl/_rels/workbook.xml.rels"));
            rels.replace(
                "</Relationships>",
                R"(<Relationship Id="rIdChain" Target="calcChain.xml" Type="http://schemas.openxmlformats.org/)"
                R"(officeDocument/2006/relationships/calcChain"/></Relationships>)");
            package.write(QStringLiteral("xl/_rels/workbook.xml.rels"), rels);
            QByteArray types = *package.read(QStringLiteral("[Content_Types].xml"));
            types.replace(
                "</Types>",
                R"(<Override PartName="/xl/calcChain.xml" ContentType="application/vnd.openxmlformats-)"
                R"(officedocument.spreadsheetml.calcChain+xml"/></Types>)");
            package.write(QStringLiteral("[Content_Types].xml"), types);
        });
    auto workbook = XlsxWorkbook::fromBytes(withChain);
    ASSERT_TRUE(workbook) << workbook.error().toStdString();
    Worksheet* master = (*workbook)->sheet(QStringLiteral("Master"));
    EXPECT_EQ(master->readText({5, 3}), u"=B5*2");
    ASSERT_TRUE((*workbook)->saveAs(file("recalc.xlsx")));
    EXPECT_FALSE(test::hasPart(file("recalc.xlsx"), QStringLiteral("xl/calcChain.xml")));
    EXPECT_FALSE(
        test::partOf(file("recalc.xlsx"), QStringLiteral("[Content_Types].xml")).contains("calcChain"));
    EXPECT_FALSE(test::partOf(file("recalc.xlsx"), QStringLiteral("xl/_rels/workbook.xml.rels"))
                     .contains("calcChain"));
    EXPECT_TRUE(test::partOf(file("recalc.xlsx"), QStringLiteral("xl/workbook.xml"))
                    .contains("fullCalcOnLoad=\"1\""));
    const QByteArray sheet = test::partOf(file("recalc.xlsx"), QStringLiteral("xl/worksheets/sheet2.xml"));
    EXPECT_TRUE(sheet.contains("<f aca=\"false\">B5*2</f></c>")) << sheet.constData();
}

TEST_F(XlsxWorkbookTest, WritingOverTheFirstCellOfASharedFormulaKeepsTheFormulasOfTheOthers) {
    const QByteArray shared =
        test::changedFixture(QStringLiteral("template-libreoffice.xlsx"), [](xlsx::ZipPackage& package) {
            QByteArray sheet = *package.read(QStringLiteral("xl/worksheets/sheet2.xml"));
            sheet.replace(
                R"(<f aca="false">B5*2</f><v>42</v>)",
                R"(<f t="shared" ref="C5:E5" si="0">B5*2</f><v>42</v></c>)"
                R"(<c r="D5"><f t="shared" si="0"/><v>0</v></c><c r="E5"><f t="shared" si="0"/><v>0</v>)");
            package.write(QStringLiteral("xl/worksheets/sheet2.xml"), sheet);
        });
    auto workbook = XlsxWorkbook::fromBytes(shared);
    ASSERT_TRUE(workbook) << workbook.error().toStdString();
    Worksheet* master = (*workbook)->sheet(QStringLiteral("Master"));
    master->writeNumber({5, 3}, 1);
    ASSERT_TRUE((*workbook)->saveAs(file("shared.xlsx")));
    auto reopened = reopen(file("shared.xlsx"));
    ASSERT_TRUE(reopened);
    Worksheet* read = reopened->sheet(QStringLiteral("Master"));
    EXPECT_EQ(read->readText({5, 3}), u"1");
    EXPECT_EQ(read->readText({5, 4}), u"=C5*2");
    EXPECT_EQ(read->readText({5, 5}), u"=D5*2");
    EXPECT_FALSE(
        test::partOf(file("shared.xlsx"), QStringLiteral("xl/worksheets/sheet2.xml")).contains("shared"));
}

TEST_F(XlsxWorkbookTest, SavesAtomicallyAndNeverLeavesAHalfWrittenFile) {
    std::unique_ptr<XlsxWorkbook> workbook = XlsxWorkbook::createEmpty();
    const SpreadsheetStatus unnamed = workbook->save();
    EXPECT_FALSE(unnamed);
    EXPECT_FALSE(unnamed.error().isEmpty());
    ASSERT_TRUE(QDir(folder_.path()).mkdir(QStringLiteral("folder.xlsx")));
    EXPECT_FALSE(workbook->saveAs(file("folder.xlsx")));
    EXPECT_FALSE(workbook->saveAs(file("missing/folder/book.xlsx")));
    EXPECT_TRUE(QDir(folder_.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());

    test::writeFile(file("book.xlsx"), "old content");
    workbook->activeSheet()->writeNumber({1, 1}, 7);
    ASSERT_TRUE(workbook->saveAs(file("book.xlsx")));
    ASSERT_TRUE(workbook->save());
    auto reopened = reopen(file("book.xlsx"));
    ASSERT_TRUE(reopened);
    EXPECT_EQ(reopened->activeSheet()->readText({1, 1}), u"7");
    EXPECT_EQ(reopened->path(), file("book.xlsx"));
}

TEST_F(XlsxWorkbookTest, WritesDatesInTheDaySystemOfTheWorkbook) {
    auto from1904 = reopen(test::xlsxFixture(QStringLiteral("template-features.xlsx")));
    ASSERT_TRUE(from1904);
    std::unique_ptr<XlsxWorkbook> from1900 = XlsxWorkbook::createEmpty();
    for (Worksheet* sheet : {from1904->sheet(QStringLiteral("Master")), from1900->activeSheet()}) {
        sheet->writeDate({1, 5}, QDate(2024, 2, 29));
        sheet->writeDate({2, 5}, QDate(1904, 1, 1));
        sheet->writeDate({3, 5}, QDate(1903, 12, 31));
    }
    const Worksheet& mac = *from1904->sheet(QStringLiteral("Master"));
    EXPECT_EQ(mac.readText({1, 5}), u"43889");
    EXPECT_EQ(mac.readText({2, 5}), u"0");
    EXPECT_EQ(mac.readText({3, 5}), u"1903-12-31");
    EXPECT_EQ(from1900->activeSheet()->readText({1, 5}), u"45351");
    EXPECT_EQ(from1900->activeSheet()->readText({3, 5}), u"1461");
}

TEST_F(XlsxWorkbookTest, SharedFormulasOverWholeColumnsAndRowsMoveWithTheirCells) {
    auto workbook = reopen(test::xlsxFixture(QStringLiteral("template-features.xlsx")));
    ASSERT_TRUE(workbook);
    const Worksheet& sums = *workbook->sheet(QStringLiteral("Sums"));
    EXPECT_EQ(sums.readText({1, 5}), u"=SUM(A:A)");
    EXPECT_EQ(sums.readText({1, 7}), u"=SUM(C:C)");
    EXPECT_EQ(sums.readText({4, 9}), u"=SUM(1:1)");
    EXPECT_EQ(sums.readText({5, 9}), u"=SUM(2:2)");
}

TEST_F(XlsxWorkbookTest, ASaveBeyondTheFileSizeLimitKeepsTheOldWorkbookAndSaysWhy) {
    const QByteArray old = test::readFile(test::xlsxFixture(QStringLiteral("template-openpyxl.xlsx")));
    test::writeFile(file("book.xlsx"), old);
    auto workbook = reopen(file("book.xlsx"));
    ASSERT_TRUE(workbook);
    workbook->activeSheet()->writeNumber({1, 1}, 7);
    // Small enough for the save file's buffer: the failure shows only when the buffer is written.
    const bool refused = test::passesUnderFileSizeLimit(1024, [&] {
        const SpreadsheetStatus saved = workbook->save();
        return !saved && saved.error().contains(file("book.xlsx"));
    });
    EXPECT_TRUE(refused);
    EXPECT_EQ(test::readFile(file("book.xlsx")), old);
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"book.xlsx"_s});
}

TEST_F(XlsxWorkbookTest, AddsAndRenamesSheetsOnlyUnderValidUniqueNames) {
    auto workbook = reopen(test::xlsxFixture(QStringLiteral("template-openpyxl.xlsx")));
    ASSERT_TRUE(workbook);
    EXPECT_FALSE(workbook->addSheet(QStringLiteral("a/b")));
    EXPECT_FALSE(workbook->addSheet(QStringLiteral("COVER")));
    SpreadsheetResult<Worksheet*> added = workbook->addSheet(QStringLiteral("UniqueIDs"));
    ASSERT_TRUE(added);
    EXPECT_EQ(workbook->activeSheet(), *added);
    EXPECT_EQ(workbook->sheetNames(),
              (QStringList{QStringLiteral("UniqueIDs"), QStringLiteral("Cover"), QStringLiteral("Master")}));
    EXPECT_FALSE((*added)->rename(QStringLiteral("master")));
    EXPECT_FALSE((*added)->rename(QString(32, u'x')));
    EXPECT_TRUE((*added)->rename(QStringLiteral("uniqueids")));
    EXPECT_EQ((*added)->name(), u"uniqueids");
    EXPECT_EQ(workbook->sheet(QStringLiteral("missing")), nullptr);
}

TEST_F(XlsxWorkbookTest, ApplicationOpensAddsAndClosesWorkbooksAndReportsOpenErrors) {
    xlsx::XlsxBackend backend;
    auto application = backend.attach();
    ASSERT_TRUE(application);
    EXPECT_EQ((*application)->version(), u"12.0");
    (*application)->setVisible(true);
    EXPECT_TRUE((*application)->isVisible());
    SpreadsheetResult<Workbook*> missing = (*application)->open(file("missing.xlsx"));
    ASSERT_FALSE(missing);
    EXPECT_TRUE(missing.error().contains(file("missing.xlsx")));
    ASSERT_TRUE((*application)->open(test::xlsxFixture(QStringLiteral("template-openpyxl.xlsx"))));
    SpreadsheetResult<Workbook*> added = (*application)->addWorkbook();
    ASSERT_TRUE(added);
    EXPECT_EQ((*application)->activeWorkbook(), *added);
    EXPECT_TRUE((*application)->closeAll());
    EXPECT_EQ((*application)->activeWorkbook(), nullptr);
    EXPECT_TRUE((*application)->quit());
}

TEST_F(XlsxWorkbookTest, AutofitWidensAColumnToItsLongestTextButIgnoresMergedTitles) {
    std::unique_ptr<XlsxWorkbook> workbook = XlsxWorkbook::createEmpty();
    Worksheet* sheet = workbook->activeSheet();
    sheet->writeText({1, 1}, QString(80, u'T'));
    sheet->merge(*CellRange::parse(u"A1:H1"));
    sheet->writeText({2, 1}, QStringLiteral("short"));
    sheet->writeText({3, 1}, QStringLiteral("X_LOCATION von CIR1--CIR2"));
    sheet->autofitColumn(1);
    ASSERT_TRUE(workbook->saveAs(file("autofit.xlsx")));
    pugi::xml_document document;
    const QByteArray xml = test::partOf(file("autofit.xlsx"), QStringLiteral("xl/worksheets/sheet1.xml"));
    document.load_buffer(xml.constData(), static_cast<size_t>(xml.size()));
    const double width = document.select_node("//col[@min='1']").node().attribute("width").as_double();
    EXPECT_GT(width, 25.0);
    EXPECT_LT(width, 40.0);
}

}  // namespace
}  // namespace korvex
