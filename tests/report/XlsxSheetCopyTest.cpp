// Copies of a template's "Master" sheet carry everything the template holds.

#include "XlsxTestSupport.h"

#include "report/xlsx/XlsxWorkbook.h"
#include "report/xlsx/ZipPackage.h"

#include <gtest/gtest.h>

#include <QSet>
#include <QTemporaryDir>

#include <pugixml.hpp>

#include <tuple>

namespace korvex {
namespace {

using xlsx::XlsxWorkbook;

pugi::xml_document parsed(const QByteArray& xml) {
    pugi::xml_document document;
    document.load_buffer(xml.constData(), static_cast<size_t>(xml.size()));
    return document;
}

class XlsxSheetCopyTest : public ::testing::Test {
  protected:
    std::unique_ptr<XlsxWorkbook> open(const char* fixture) {
        auto workbook = XlsxWorkbook::open(test::xlsxFixture(QString::fromLatin1(fixture)));
        EXPECT_TRUE(workbook) << workbook.error().toStdString();
        return workbook ? std::move(*workbook) : nullptr;
    }
    QString saved(XlsxWorkbook& workbook) {
        const QString path = folder_.filePath(QStringLiteral("copied.xlsx"));
        const SpreadsheetStatus status = workbook.saveAs(path);
        EXPECT_TRUE(status) << status.error().toStdString();
        return path;
    }
    QByteArray part(const QString& workbook, const char* name) {
        return test::partOf(workbook, QString::fromLatin1(name));
    }

    QTemporaryDir folder_;
};

TEST_F(XlsxSheetCopyTest, NamesTheCopyAsTheApplicationDoesAndPutsItRightAfterTheGivenSheet) {
    auto workbook = open("template-libreoffice.xlsx");
    ASSERT_TRUE(workbook);
    auto first = workbook->copySheetAfter(QStringLiteral("master"), QStringLiteral("Cover"));
    ASSERT_TRUE(first) << first.error().toStdString();
    EXPECT_EQ((*first)->name(), u"Master (2)");
    auto second = workbook->copySheetAfter(QStringLiteral("Master"), QStringLiteral("Master"));
    ASSERT_TRUE(second);
    EXPECT_EQ((*second)->name(), u"Master (3)");
    EXPECT_EQ(workbook->sheetNames(), (QStringList{QStringLiteral("Cover"), QStringLiteral("Master (2)"),
                                                   QStringLiteral("Master"), QStringLiteral("Master (3)")}));
    EXPECT_EQ((*first)->readText({1, 1}), u"Quality report");
    EXPECT_FALSE(workbook->copySheetAfter(QStringLiteral("Missing"), QStringLiteral("Cover")));
    EXPECT_FALSE(workbook->copySheetAfter(QStringLiteral("Master"), QStringLiteral("Missing")));
}

TEST_F(XlsxSheetCopyTest, GivesTheCopyPrintAreaAndTitlesOfItsOwnAndShiftsTheNamesOfLaterSheets) {
    auto workbook = open("template-libreoffice.xlsx");
    ASSERT_TRUE(workbook);
    auto copy = workbook->copySheetAfter(QStringLiteral("Master"), QStringLiteral("Cover"));
    ASSERT_TRUE(copy);
    ASSERT_TRUE((*copy)->rename(QStringLiteral("Bericht1_Seite1")));
    pugi::xml_document book = parsed(part(saved(*workbook), "xl/workbook.xml"));
    const auto name = [&](const char* which, int sheet) {
        return std::string(book.select_node(QStringLiteral("//definedName[@name='%1'][@localSheetId='%2']")
                                                .arg(QLatin1String(which))
                                                .arg(sheet)
                                                .toUtf8()
                                                .constData())
                               .node()
                               .text()
                               .get());
    };
    EXPECT_EQ(name("_xlnm.Print_Area", 1), "Bericht1_Seite1!$A$1:$H$40");
    EXPECT_EQ(name("_xlnm.Print_Titles", 1), "Bericht1_Seite1!$1:$9");
    EXPECT_EQ(name("_xlnm.Print_Area", 2), "Master!$A$1:$H$40");
    EXPECT_EQ(name("_xlnm.Print_Titles", 2), "Master!$1:$9");
    EXPECT_EQ(book.select_nodes("//definedName").size(), 4u);
}

TEST_F(XlsxSheetCopyTest, GivesEachCopyItsOwnDrawingsAndPrinterSettingsAndSharesTheImage) {
    auto workbook = open("template-openpyxl.xlsx");
    ASSERT_TRUE(workbook);
    ASSERT_TRUE(workbook->copySheetAfter(QStringLiteral("Master"), QStringLiteral("Master")));
    const QString path = saved(*workbook);
    pugi::xml_document relationships = parsed(part(path, "xl/worksheets/_rels/sheet3.xml.rels"));
    QStringList targets;
    for (pugi::xpath_node node : relationships.select_nodes("//*[local-name()='Relationship']")) {
        targets.append(QString::fromUtf8(node.node().attribute("Target").value()));
    }
    targets.sort();
    EXPECT_EQ(targets, (QStringList{QStringLiteral("../drawings/drawing2.xml"),
                                    QStringLiteral("../drawings/vmlDrawingHF2.vml"),
                                    QStringLiteral("../printerSettings/printerSettings2.bin")}));
    EXPECT_EQ(part(path, "xl/drawings/drawing2.xml"), part(path, "xl/drawings/drawing1.xml"));
    EXPECT_EQ(part(path, "xl/printerSettings/printerSettings2.bin"),
              part(path, "xl/printerSettings/printerSettings1.bin"));
    EXPECT_TRUE(part(path, "xl/drawings/_rels/drawing2.xml.rels").contains("Target=\"../media/image1.png\""));
    EXPECT_TRUE(
        part(path, "xl/drawings/_rels/vmlDrawingHF2.vml.rels").contains("Target=\"../media/image1.png\""));
    EXPECT_TRUE(part(path, "[Content_Types].xml").contains("/xl/drawings/drawing2.xml"));
    EXPECT_TRUE(part(path, "[Content_Types].xml").contains("/xl/worksheets/sheet3.xml"));
}

TEST_F(XlsxSheetCopyTest, CopyOfASelectedOrHiddenMasterIsNeitherSelectedNorHidden) {
    auto workbook = open("template-openpyxl.xlsx");
    ASSERT_TRUE(workbook);
    workbook->sheet(QStringLiteral("Master"))->select();
    auto reopened = XlsxWorkbook::open(saved(*workbook));
    ASSERT_TRUE(reopened);
    ASSERT_TRUE((*reopened)->copySheetAfter(QStringLiteral("Master"), QStringLiteral("Master")));
    (*reopened)->sheet(QStringLiteral("Cover"))->select();
    const QString path = folder_.filePath(QStringLiteral("again.xlsx"));
    ASSERT_TRUE((*reopened)->saveAs(path));
    pugi::xml_document book = parsed(part(path, "xl/workbook.xml"));
    EXPECT_STREQ(book.select_node("//sheet[@name='Master']").node().attribute("state").value(), "hidden");
    EXPECT_FALSE(book.select_node("//sheet[@name='Master (2)']").node().attribute("state"));
    EXPECT_EQ(book.select_node("//workbookView").node().attribute("activeTab").as_int(), 0);
    for (const char* sheet : {"xl/worksheets/sheet2.xml", "xl/worksheets/sheet3.xml"}) {
        EXPECT_FALSE(part(path, sheet).contains("tabSelected=\"1\"")) << sheet;
    }
    EXPECT_TRUE(part(path, "xl/worksheets/sheet1.xml").contains("tabSelected=\"1\""));
}

TEST_F(XlsxSheetCopyTest, RefusesToCopyASheetWithATableAndLeavesTheWorkbookAsItWas) {
    const QByteArray withTable =
        test::changedFixture(QStringLiteral("template-libreoffice.xlsx"), [](xlsx::ZipPackage& package) {
            package.write(
                QStringLiteral("xl/tables/table1.xml"),
                R"(<table xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" id="1" )"
                R"(name="Table1" displayName="Table1" ref="A9:H12"/>)");
            QByteArray rels = *package.read(QStringLiteral("xl/worksheets/_rels/sheet2.xml.rels"));
            rels.replace("</Relationships>",
                         R"(<Relationship Id="rIdTable" Target="../tables/table1.xml" Type="http://schemas.)"
                         R"(openxmlformats.org/officeDocument/2006/relationships/table"/></Relationships>)");
            package.write(QStringLiteral("xl/worksheets/_rels/sheet2.xml.rels"), rels);
        });
    auto workbook = XlsxWorkbook::fromBytes(withTable);
    ASSERT_TRUE(workbook) << workbook.error().toStdString();
    auto copy = (*workbook)->copySheetAfter(QStringLiteral("Master"), QStringLiteral("Master"));
    ASSERT_FALSE(copy);
    EXPECT_TRUE(copy.error().contains(u"table"));
    EXPECT_EQ((*workbook)->sheetNames(), (QStringList{QStringLiteral("Cover"), QStringLiteral("Master")}));
    EXPECT_FALSE(test::hasPart(saved(**workbook), QStringLiteral("xl/worksheets/sheet3.xml")));
}

// The part's first element of that local name (prefixes vary between writers), as text.
QString textOf(const QByteArray& xml, const char* localName) {
    const pugi::xml_document document = parsed(xml);
    const std::string path = std::string("//*[local-name()='") + localName + "']";
    return QString::fromUtf8(document.select_node(path.c_str()).node().text().get());
}

TEST_F(XlsxSheetCopyTest, ACopyAndItsChartReferToItselfWhereTheMasterReferredToItself) {
    auto workbook = open("template-features.xlsx");
    ASSERT_TRUE(workbook);
    auto copy = workbook->copySheetAfter(QStringLiteral("Master"), QStringLiteral("Master"));
    ASSERT_TRUE(copy) << copy.error().toStdString();
    ASSERT_TRUE((*copy)->rename(QStringLiteral("Seite 1")));
    EXPECT_EQ((*copy)->readText({2, 3}), u"=SUM('Seite 1'!B2:B6)");
    EXPECT_EQ((*copy)->readText({3, 3}), u"='Seite 1'!$B$2*2");
    const QString path = saved(*workbook);

    const QByteArray sheet = part(path, "xl/worksheets/sheet3.xml");
    EXPECT_EQ(textOf(sheet, "formula1"), u"='Seite 1'!$A$2:$A$6");
    EXPECT_EQ(textOf(sheet, "formula"), u"'Seite 1'!$B2>'Seite 1'!$C$3");
    EXPECT_TRUE(sheet.contains("<xm:f>'Seite 1'!B2:B6</xm:f>"));
    const QByteArray chart = part(path, "xl/charts/chart2.xml");
    EXPECT_TRUE(chart.contains("'Seite 1'!$B$2:$B$6")) << chart.constData();
    EXPECT_FALSE(chart.contains("Master"));
    // The master keeps its own references.
    EXPECT_TRUE(part(path, "xl/charts/chart1.xml").contains("'Master'!$B$2:$B$6"));
    EXPECT_TRUE(part(path, "xl/worksheets/sheet1.xml").contains("<xm:f>Master!B2:B6</xm:f>"));
}

TEST_F(XlsxSheetCopyTest, EachCopyHasItsOwnBlockOfCommentAndControlShapeIds) {
    const QByteArray withControl =
        test::changedFixture(QStringLiteral("template-features.xlsx"), [](xlsx::ZipPackage& package) {
            QByteArray sheet = *package.read(QStringLiteral("xl/worksheets/sheet1.xml"));
            sheet.replace("<extLst>",
                          R"(<controls><control shapeId="1026" name="Button 1"/></controls><extLst>)");
            package.write(QStringLiteral("xl/worksheets/sheet1.xml"), sheet);
        });
    auto workbook = XlsxWorkbook::fromBytes(withControl);
    ASSERT_TRUE(workbook) << workbook.error().toStdString();
    for (int copies = 0; copies < 2; ++copies) {
        ASSERT_TRUE((*workbook)->copySheetAfter(QStringLiteral("Master"), QStringLiteral("Master")));
    }
    const QString path = saved(**workbook);
    for (const auto& [vml, block, shape] :
         {std::tuple{"commentsDrawing1.vml", "1", "1026"}, std::tuple{"commentsDrawing2.vml", "2", "2050"},
          std::tuple{"commentsDrawing3.vml", "3", "3074"}}) {
        const QByteArray drawing = part(path, (std::string("xl/drawings/") + vml).c_str());
        EXPECT_TRUE(drawing.contains(QByteArray("data=\"") + block + '"')) << vml;
        EXPECT_TRUE(drawing.contains(QByteArray("_x0000_s") + shape)) << vml;
    }
    QSet<QByteArray> controls;
    for (const char* sheet :
         {"xl/worksheets/sheet1.xml", "xl/worksheets/sheet3.xml", "xl/worksheets/sheet4.xml"}) {
        controls.insert(
            parsed(part(path, sheet)).select_node("//control").node().attribute("shapeId").value());
    }
    EXPECT_EQ(controls, (QSet<QByteArray>{"1026", "2050", "3074"}));
}

TEST_F(XlsxSheetCopyTest, RelationshipPartsOfCopiesGetAContentTypeWhereThePackageListsThemOneByOne) {
    auto workbook = open("template-features.xlsx");
    ASSERT_TRUE(workbook);
    ASSERT_TRUE(workbook->copySheetAfter(QStringLiteral("Master"), QStringLiteral("Master")));
    const QByteArray types = part(saved(*workbook), "[Content_Types].xml");
    for (const char* relationships :
         {"/xl/worksheets/_rels/sheet3.xml.rels", "/xl/drawings/_rels/drawing2.xml.rels"}) {
        EXPECT_TRUE(
            types.contains(QByteArray(R"(<Override PartName=")") + relationships +
                           R"(" ContentType="application/vnd.openxmlformats-package.relationships+xml")"))
            << relationships;
    }
}

// A copy is parsed from the master as it would be saved, and sheets keep cell texts inside their
// elements: texts with escapes, blanks, CDATA and mixed content must come out as they went in, and the
// copy must carry what was written into the master before it was copied, but nothing after.
TEST_F(XlsxSheetCopyTest, TheCopyIsWrittenAsTheMasterIsAndLaterChangesStayWithTheirOwnSheet) {
    const QByteArray master =
        R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
        R"(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)"
        R"(<dimension ref="A1:C3"/><sheetViews><sheetView workbookViewId="0"/></sheetViews><sheetData>)"
        R"(<row r="1"><c r="A1" t="inlineStr"><is><t>a &amp; b &lt;c&gt; "quoted"</t></is></c>)"
        R"(<c r="B1" t="inlineStr"><is><t xml:space="preserve">  two  blanks  </t></is></c>)"
        R"(<c r="C1"><v>3.25</v></c></row>)"
        R"(<row r="2"><c r="A2" t="inlineStr"><is><r><t xml:space="preserve">   </t></r>)"
        R"(<r><rPr><b/></rPr><t>bold</t></r></is></c><c r="B2"><f>A1&amp;"&lt;x&gt;"</f></c></row>)"
        R"(<row r="3"><c r="A3" t="inlineStr"><is><t><![CDATA[in <cdata> & kept]]></t></is></c></row>)"
        R"(</sheetData><extLst><ext uri="{0}" xmlns:x="urn:x"><x:note x:say="&quot;hi&quot;">)"
        R"(mixed <x:b/> tail</x:note></ext></extLst></worksheet>)";
    auto workbook = XlsxWorkbook::fromBytes(
        test::changedFixture(QStringLiteral("template-libreoffice.xlsx"), [&](xlsx::ZipPackage& package) {
            package.write(QStringLiteral("xl/worksheets/sheet2.xml"), master);
        }));
    ASSERT_TRUE(workbook) << workbook.error().toStdString();
    Worksheet* original = (*workbook)->sheet(QStringLiteral("Master"));
    ASSERT_NE(original, nullptr);
    original->writeNumber({4, 4}, 7.5);
    auto copy = (*workbook)->copySheetAfter(QStringLiteral("Master"), QStringLiteral("Master"));
    ASSERT_TRUE(copy) << copy.error().toStdString();
    const QString path = saved(**workbook);
    const QByteArray savedMaster = part(path, "xl/worksheets/sheet2.xml");
    EXPECT_EQ(part(path, "xl/worksheets/sheet3.xml"), savedMaster);
    for (const char* kept :
         {R"(<t>a &amp; b &lt;c&gt; "quoted"</t>)", R"(<t xml:space="preserve">  two  blanks  </t>)",
          R"(<r><t xml:space="preserve">   </t></r>)", R"(<![CDATA[in <cdata> & kept]]>)",
          R"(<f>A1&amp;"&lt;x&gt;"</f>)", R"(<x:note x:say="&quot;hi&quot;">mixed <x:b/> tail</x:note>)",
          R"(<c r="D4"><v>7.5</v></c>)"}) {
        EXPECT_TRUE(savedMaster.contains(kept)) << kept;
    }
    (*copy)->writeText({1, 3}, QStringLiteral("copy"));
    original->writeNumber({1, 1}, 1);
    auto reopened = XlsxWorkbook::open(saved(**workbook));
    ASSERT_TRUE(reopened);
    Worksheet* reopenedMaster = (*reopened)->sheet(QStringLiteral("Master"));
    Worksheet* reopenedCopy = (*reopened)->sheet(QStringLiteral("Master (2)"));
    ASSERT_TRUE(reopenedMaster && reopenedCopy);
    EXPECT_EQ(reopenedMaster->readText({1, 3}), u"3.25");
    EXPECT_EQ(reopenedMaster->readText({1, 1}), u"1");
    EXPECT_EQ(reopenedCopy->readText({1, 3}), u"copy");
    EXPECT_EQ(reopenedCopy->readText({1, 1}), u"a & b <c> \"quoted\"");
    EXPECT_EQ(reopenedCopy->readText({2, 1}), u"   bold");
    EXPECT_EQ(reopenedCopy->readText({3, 1}), u"in <cdata> & kept");
    EXPECT_EQ(reopenedCopy->readText({4, 4}), u"7.5");
}

}  // namespace
}  // namespace korvex
