// What the engine cannot read is refused with a message that says why.

#include "XlsxTestSupport.h"

#include "report/xlsx/XlsxWorkbook.h"
#include "report/xlsx/ZipPackage.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace korvex {
namespace {

using xlsx::XlsxWorkbook;

QString refusal(const QByteArray& bytes) {
    auto workbook = XlsxWorkbook::fromBytes(bytes);
    EXPECT_FALSE(workbook);
    return workbook.error();
}

QByteArray packageWith(std::initializer_list<std::pair<const char*, QByteArray>> parts) {
    xlsx::ZipPackage package;
    for (const auto& [name, bytes] : parts) {
        package.write(QString::fromLatin1(name), bytes);
    }
    return *package.toBytes();
}

const QByteArray kTypes =
    R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types"><Default Extension="bin" )"
    R"(ContentType="application/vnd.ms-excel.sheet.binary.macroEnabled.main"/></Types>)";

TEST(XlsxRefusal, RefusesEncryptedAndOldBinaryWorkbooksAndFilesOfOtherKinds) {
    EXPECT_TRUE(refusal(QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + QByteArray(504, '\0'))
                    .contains(u"encrypted"));
    EXPECT_TRUE(refusal("just some text").contains(u"not an .xlsx"));
    EXPECT_TRUE(refusal(QByteArray()).contains(u"not an .xlsx"));
}

TEST(XlsxRefusal, RefusesBinaryAndStrictOfficeOpenXmlWorkbooks) {
    const QByteArray binary = packageWith(
        {{"[Content_Types].xml", kTypes},
         {"_rels/.rels",
          R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
          R"(<Relationship Id="rId1" Target="xl/workbook.bin" Type="http://schemas.openxmlformats.)"
          R"(org/officeDocument/2006/relationships/officeDocument"/></Relationships>)"},
         {"xl/workbook.bin", "binary"}});
    EXPECT_TRUE(refusal(binary).contains(u".xlsb"));
    const QByteArray strict = packageWith(
        {{"[Content_Types].xml", kTypes},
         {"_rels/.rels",
          R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
          R"(<Relationship Id="rId1" Target="xl/workbook.xml" Type="http://purl.oclc.org/ooxml/)"
          R"(officeDocument/relationships/officeDocument"/></Relationships>)"}});
    EXPECT_TRUE(refusal(strict).contains(u"strict"));
}

TEST(XlsxRefusal, RefusesDamagedWorkbooksWithAReason) {
    const QByteArray good = test::readFile(test::xlsxFixture(QStringLiteral("template-libreoffice.xlsx")));
    EXPECT_FALSE(refusal(good.left(good.size() / 2)).isEmpty());
    const auto without = [](const char* missing) {
        return test::changedFixture(
            QStringLiteral("template-libreoffice.xlsx"),
            [&](xlsx::ZipPackage& package) { package.remove(QString::fromLatin1(missing)); });
    };
    EXPECT_TRUE(refusal(without("xl/worksheets/sheet2.xml")).contains(u"Master"));
    EXPECT_TRUE(refusal(without("[Content_Types].xml")).contains(u"content types"));
    const QByteArray brokenXml =
        test::changedFixture(QStringLiteral("template-libreoffice.xlsx"), [](xlsx::ZipPackage& package) {
            package.write(QStringLiteral("xl/workbook.xml"), "<workbook><sheets>");
        });
    EXPECT_TRUE(refusal(brokenXml).contains(u"xl/workbook.xml"));
}

TEST(XlsxRefusal, ADamagedSheetIsNeitherReadNorCopiedButTheRestOfTheWorkbookWorks) {
    const QByteArray brokenSheet =
        test::changedFixture(QStringLiteral("template-libreoffice.xlsx"), [](xlsx::ZipPackage& package) {
            package.write(QStringLiteral("xl/worksheets/sheet2.xml"),
                          R"(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)"
                          R"(<sheetData><row r="5"/><row r="2"/></sheetData></worksheet>)");
        });
    auto workbook = XlsxWorkbook::fromBytes(brokenSheet);
    ASSERT_TRUE(workbook) << workbook.error().toStdString();
    EXPECT_EQ((*workbook)->sheet(QStringLiteral("Master")), nullptr);
    EXPECT_FALSE((*workbook)->copySheetAfter(QStringLiteral("Master"), QStringLiteral("Master")));
    ASSERT_NE((*workbook)->sheet(QStringLiteral("Cover")), nullptr);
    EXPECT_EQ((*workbook)->sheet(QStringLiteral("Cover"))->readText({3, 1}), u"  kept blanks  ");
}

}  // namespace
}  // namespace korvex
