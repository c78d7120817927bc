// What the engine cannot read is refused with a message that says why.

#include "XlsxTestSupport.h"

#include "report/xlsx/XlsxWorkbook.h"
#include "report/xlsx/ZipPackage.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTemporaryDir>

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
    EXPECT_TRUE(refusal(without("xl/_rels/workbook.xml.rels")).contains(u"xl/_rels/workbook.xml.rels"));
}

TEST(XlsxRefusal, ChecksTheChecksumsOfPartsItNeverParses) {
    QByteArray damaged = test::readFile(test::xlsxFixture(QStringLiteral("template-libreoffice.xlsx")));
    // The image's compressed bytes start after its local header (30 bytes, name, extra field).
    const qsizetype header = damaged.indexOf("PK\x03\x04", damaged.indexOf("xl/media/image1.png") - 30 - 16);
    ASSERT_GE(header, 0);
    const auto field = [&](qsizetype offset) {
        return static_cast<quint8>(damaged[header + offset]) |
               static_cast<quint8>(damaged[header + offset + 1]) << 8;
    };
    const qsizetype data = header + 30 + field(26) + field(28);
    damaged[data + 20] = static_cast<char>(damaged[data + 20] ^ 0x5A);
    EXPECT_TRUE(refusal(damaged).contains(u"xl/media/image1.png"));
}

// The package's XML with every element of the main SpreadsheetML namespace written with a prefix.
QByteArray withPrefix(const QByteArray& xml, const char* prefix) {
    QString text = QString::fromUtf8(xml);
    text.replace(QRegularExpression(QStringLiteral(R"(<(/?)(?![?!])([A-Za-z]+)([\s>/]))")),
                 QStringLiteral("<\\1%1:\\2\\3").arg(QLatin1StringView(prefix)));
    text.replace(QStringLiteral(" xmlns=\""), QStringLiteral(" xmlns:%1=\"").arg(QLatin1StringView(prefix)));
    return text.toUtf8();
}

TEST(XlsxRefusal, ReadsPartsThatBindTheirNamespaceToAPrefixAndCorrectsWrongContentTypes) {
    const QByteArray prefixed =
        test::changedFixture(QStringLiteral("template-openpyxl.xlsx"), [](xlsx::ZipPackage& package) {
            for (const char* part : {"[Content_Types].xml", "_rels/.rels", "xl/_rels/workbook.xml.rels",
                                     "xl/workbook.xml", "xl/worksheets/sheet1.xml", "xl/styles.xml"}) {
                const QString name = QString::fromLatin1(part);
                package.write(name, withPrefix(*package.read(name), "x"));
            }
            QByteArray types = *package.read(QStringLiteral("[Content_Types].xml"));
            types.replace("spreadsheetml.worksheet+xml", "wrong+xml");
            package.write(QStringLiteral("[Content_Types].xml"), types);
        });
    auto workbook = XlsxWorkbook::fromBytes(prefixed);
    ASSERT_TRUE(workbook) << workbook.error().toStdString();
    EXPECT_EQ((*workbook)->sheetNames(), (QStringList{QStringLiteral("Cover"), QStringLiteral("Master")}));
    Worksheet* cover = (*workbook)->sheet(QStringLiteral("Cover"));
    ASSERT_NE(cover, nullptr);
    EXPECT_FALSE(cover->readText({1, 1}).isEmpty());
    auto saved = (*workbook)->toBytes();
    ASSERT_TRUE(saved);
    auto package = xlsx::ZipPackage::fromBytes(*saved);
    ASSERT_TRUE(package);
    const QByteArray types = *package->read(QStringLiteral("[Content_Types].xml"));
    EXPECT_FALSE(types.contains("wrong+xml"));
    EXPECT_TRUE(types.contains(R"(<Override PartName="/xl/worksheets/sheet1.xml" ContentType="application/)"
                               R"(vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml")"));
    EXPECT_TRUE(XlsxWorkbook::fromBytes(*saved));
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
    const auto copy = (*workbook)->copySheetAfter(QStringLiteral("Master"), QStringLiteral("Master"));
    ASSERT_FALSE(copy);
    EXPECT_TRUE(copy.error().contains(u"row 2 is out of order")) << copy.error().toStdString();
    ASSERT_NE((*workbook)->sheet(QStringLiteral("Cover")), nullptr);
    EXPECT_EQ((*workbook)->sheet(QStringLiteral("Cover"))->readText({3, 1}), u"  kept blanks  ");
}

// A cell given twice, or cells out of order, would leave the later one unreachable: such a row is refused.
TEST(XlsxRefusal, ARowHoldingACellTwiceOrOutOfOrderIsRefused) {
    for (const char* row : {R"(<row r="2"><c r="B2"><v>1</v></c><c r="B2"><v>2</v></c></row>)",
                            R"(<row r="2"><c r="C2"><v>1</v></c><c r="B2"><v>2</v></c></row>)",
                            R"(<row r="2"><c r="B3"><v>1</v></c></row>)"}) {
        const QByteArray broken = test::changedFixture(
            QStringLiteral("template-libreoffice.xlsx"), [row](xlsx::ZipPackage& package) {
                package.write(
                    QStringLiteral("xl/worksheets/sheet2.xml"),
                    QByteArray(R"(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/)"
                               R"(2006/main"><sheetData>)") +
                        row + "</sheetData></worksheet>");
            });
        auto workbook = XlsxWorkbook::fromBytes(broken);
        ASSERT_TRUE(workbook) << workbook.error().toStdString();
        const auto copy = (*workbook)->copySheetAfter(QStringLiteral("Master"), QStringLiteral("Master"));
        ASSERT_FALSE(copy) << row;
        EXPECT_TRUE(copy.error().contains(u"a cell of row 2 is out of order")) << copy.error().toStdString();
    }
}

TEST(XlsxRefusal, EachFailureNamesItsKindForTheMessageBoxAndKeepsItsDetail) {
    using Kind = SpreadsheetErrorKind;
    QTemporaryDir folder;
    const auto openKind = [](const QString& path) { return XlsxWorkbook::open(path).errorKind(); };
    EXPECT_EQ(openKind(folder.filePath(QStringLiteral("missing.xlsx"))), Kind::CannotOpen);
    test::writeFile(folder.filePath(QStringLiteral("old.xls")), "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1 old");
    EXPECT_EQ(openKind(folder.filePath(QStringLiteral("old.xls"))), Kind::Unsupported);
    const QByteArray good = test::readFile(test::xlsxFixture(QStringLiteral("template-libreoffice.xlsx")));
    test::writeFile(folder.filePath(QStringLiteral("cut.xlsx")), good.left(good.size() / 2));
    EXPECT_EQ(openKind(folder.filePath(QStringLiteral("cut.xlsx"))), Kind::Damaged);

    auto workbook = XlsxWorkbook::fromBytes(good);
    ASSERT_TRUE(workbook);
    EXPECT_EQ((*workbook)->copySheetAfter(QStringLiteral("Nothing"), QStringLiteral("Master")).errorKind(),
              Kind::NoSuchSheet);
    EXPECT_EQ((*workbook)->addSheet(QStringLiteral("a/b")).errorKind(), Kind::BadSheetName);
    EXPECT_EQ((*workbook)->addSheet(QStringLiteral("MASTER")).errorKind(), Kind::BadSheetName);
    const SpreadsheetStatus saved = (*workbook)->saveAs(folder.filePath(QStringLiteral("missing/book.xlsx")));
    EXPECT_EQ(saved.errorKind(), Kind::CannotSave);
    EXPECT_TRUE(saved.error().contains(u"missing/book.xlsx"));

    EXPECT_EQ(spreadsheetErrorEntry(Kind::Other), 80);
    EXPECT_EQ(spreadsheetErrorEntry(Kind::CannotOpen), 81);
    EXPECT_EQ(spreadsheetErrorEntry(Kind::CannotSave), 84);
    EXPECT_EQ(spreadsheetErrorEntry(Kind::BadSheetName), 87);
}

}  // namespace
}  // namespace korvex
