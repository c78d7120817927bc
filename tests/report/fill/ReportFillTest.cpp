#include "XlsxTestSupport.h"
#include "fill/LayoutTestSupport.h"
#include "fill/ReportFillFixture.h"
#include "report/WorkbookFilter.h"
#include "report/layout/LayoutValues.h"
#include "report/xlsx/ZipPackage.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QFileInfo>

namespace korvex {
namespace {

using test::ReportFillFixture;

QString at(Worksheet* sheet, const char* address) {
    EXPECT_NE(sheet, nullptr);
    return sheet != nullptr ? sheet->readText(CellRange::parse(QString::fromLatin1(address))->first)
                            : QString();
}

QStringList names(std::initializer_list<const char*> list) {
    QStringList result;
    for (const char* name : list) {
        result.append(QString::fromLatin1(name));
    }
    return result;
}

class ReportFillTest : public ReportFillFixture {};

TEST_F(ReportFillTest, SuccessiveFillsTakeTheNextColumnUntilTheReportIsFullThenStartReportTwo) {
    const QString book = makeTemplate();
    setCharacteristics(31);
    for (int run = 1; run <= 5; ++run) {
        row(1).measured = run;
        const ReportFillResult result = fill(book);
        ASSERT_TRUE(result.saved) << messageTexts().join(u'|').toStdString();
        EXPECT_EQ(result.path, book);
    }
    EXPECT_TRUE(user_.messages.empty()) << messageTexts().join(u'|').toStdString();
    auto workbook = reopen(book);
    EXPECT_EQ(workbook->sheetNames(), names({"UniqueIDs", "Master", "Bericht2_Seite1", "Bericht2_Seite2",
                                             "Bericht1_Seite1", "Bericht1_Seite2"}));
    Worksheet* first = workbook->sheet(QStringLiteral("Bericht1_Seite1"));
    EXPECT_EQ(at(first, "A1"), QStringLiteral("Quality report"));
    EXPECT_EQ(at(first, "E10"), QStringLiteral("1"));
    EXPECT_EQ(at(first, "H10"), QStringLiteral("4"));
    EXPECT_EQ(at(first, "A39"), QStringLiteral("C30"));
    EXPECT_EQ(at(first, "F39"), QStringLiteral("30.01"));
    Worksheet* second = workbook->sheet(QStringLiteral("Bericht1_Seite2"));
    EXPECT_EQ(at(second, "A10"), QStringLiteral("C31"));
    EXPECT_EQ(at(second, "T10"), QStringLiteral("31"));  // running number
    EXPECT_EQ(at(second, "G10"), QStringLiteral("31.01"));
    EXPECT_EQ(at(second, "A11"), QString());
    Worksheet* reportTwo = workbook->sheet(QStringLiteral("Bericht2_Seite1"));
    EXPECT_EQ(at(reportTwo, "E10"), QStringLiteral("5"));
    EXPECT_EQ(at(reportTwo, "F10"), QString());
    // Page numbers and the page count on every page of a report.
    EXPECT_EQ(at(first, "H2"), QStringLiteral("1"));
    EXPECT_EQ(at(second, "H2"), QStringLiteral("2"));
    EXPECT_EQ(at(first, "H3"), QStringLiteral("2"));
    EXPECT_EQ(at(workbook->sheet(QStringLiteral("Bericht2_Seite2")), "H3"), QStringLiteral("2"));
    EXPECT_EQ(at(workbook->sheet(QStringLiteral("Master")), "E10"), QString());
}

TEST_F(ReportFillTest, PageCellsHoldTheProgramTheHeaderDataAndTheMomentBesideTheMeasurement) {
    const QString book = makeTemplate();
    setCharacteristics(2);
    ASSERT_TRUE(fill(book).saved);
    headerData_.assign(QStringLiteral("Operator"), QStringLiteral("Jones"));
    ASSERT_TRUE(fill(book).saved);
    auto workbook = reopen(book);
    Worksheet* page = workbook->sheet(QStringLiteral("Bericht1_Seite1"));
    EXPECT_EQ(at(page, "B3"), QStringLiteral("HOUSING"));
    EXPECT_EQ(at(page, "B4"), QStringLiteral("D-1234"));
    EXPECT_EQ(at(page, "B5"), QStringLiteral("B"));
    // Header variable 1 follows the measurement column ("VM"), variable 2 has a fixed cell.
    EXPECT_EQ(at(page, "E6"), QStringLiteral("Miller"));
    EXPECT_EQ(at(page, "F6"), QStringLiteral("Jones"));
    EXPECT_EQ(at(page, "V6"), QStringLiteral("4711"));
    // The date and time as date values: 14 March 2026 is day 46095.
    EXPECT_EQ(at(page, "E7"), QStringLiteral("46095"));
    EXPECT_EQ(at(page, "F8").left(6), QStringLiteral("0.3936"));
}

TEST_F(ReportFillTest, EachCellOfACharacteristicFollowsItsRules) {
    const QString book = makeTemplate();
    setCharacteristics(6);
    row(1).typeName = QStringLiteral("TRUE_X_LOCATION");
    row(2).nominal = -5;
    row(2).upperTol = 0.2;
    row(2).lowerTol = -0.1;
    row(2).deviation = -0.05;
    row(2).measured = -5.05;
    row(2).element1 = QStringLiteral("=CIRCLE1");  // a host text never becomes a formula
    row(2).datum1 = QStringLiteral("A");
    setCommentLine(2, QStringLiteral("<<  Bore diameter 12 mm"));
    setCommentLine(3, QStringLiteral("<<# not reported"));
    row(4).outputMode = QStringLiteral("STATISTIK");
    selected_[4] = false;
    EXPECT_TRUE(settings_.store().writeSetting(keys::kZozadRegel, QStringLiteral("TRUE")));
    ASSERT_TRUE(fill(book).saved);

    auto workbook = reopen(book);
    Worksheet* page = workbook->sheet(QStringLiteral("Bericht1_Seite1"));
    // True-position coordinate: no tolerances, its symbol.
    EXPECT_EQ(at(page, "C10"), QStringLiteral("   "));
    EXPECT_EQ(at(page, "D10"), QStringLiteral("   "));
    EXPECT_EQ(at(page, "K10"), QStringLiteral("j"));
    // A negative nominal mirrored by the rule.
    EXPECT_EQ(at(page, "B11"), QStringLiteral("5"));
    EXPECT_EQ(at(page, "C11"), QStringLiteral("0.1"));
    EXPECT_EQ(at(page, "D11"), QStringLiteral("-0.2"));
    EXPECT_EQ(at(page, "I11"), QStringLiteral("0.05"));
    EXPECT_EQ(at(page, "E11"), QStringLiteral("5.05"));
    EXPECT_EQ(at(page, "K11"), QStringLiteral("n"));
    EXPECT_EQ(at(page, "M11"), QStringLiteral("=CIRCLE1"));
    EXPECT_EQ(at(page, "P11"), QStringLiteral("A"));
    EXPECT_EQ(at(page, "S11"), QStringLiteral("MM"));
    // "<<" is taken off for good, and the comment cut to its length.
    EXPECT_EQ(at(page, "L11"), QStringLiteral("Bore diame"));
    EXPECT_EQ(values_.comment(row(2).commentIndex)->line(1), QStringLiteral("Bore diameter 12 mm"));
    // "<<#" and statistics-only rows take no line and no running number.
    EXPECT_EQ(at(page, "A12"), QStringLiteral("C5"));
    EXPECT_EQ(at(page, "T12"), QStringLiteral("3"));
    // An entry that is not selected keeps its line, without results.
    EXPECT_EQ(at(page, "B12"), QStringLiteral("5"));
    EXPECT_EQ(at(page, "E12"), QStringLiteral("  "));
    EXPECT_EQ(at(page, "I12"), QStringLiteral("   "));
    EXPECT_EQ(at(page, "J12"), QStringLiteral("   "));
    EXPECT_EQ(at(page, "A13"), QStringLiteral("C6"));
}

TEST_F(ReportFillTest, LeftOutEntriesTakeNoLineAndOnlySelectedOnesSaveUnderAGeneratedName) {
    const QString book = makeTemplate();
    const QByteArray templateBytes = test::readFile(book);
    setCharacteristics(4);
    selected_ = {true, false, true, false};
    const ReportFillResult onlySelected = fill(book, true);
    ASSERT_TRUE(onlySelected.saved);
    EXPECT_EQ(onlySelected.path, file(QStringLiteral("book__3-14-26__09.26.53.xlsx")));
    EXPECT_EQ(test::readFile(book), templateBytes);
    auto workbook = reopen(onlySelected.path);
    Worksheet* page = workbook->sheet(QStringLiteral("Bericht1_Seite1"));
    EXPECT_EQ(at(page, "A11"), QStringLiteral("C3"));
    EXPECT_EQ(at(page, "T11"), QStringLiteral("3"));  // running numbers keep their gaps
    EXPECT_EQ(at(page, "A12"), QString());

    setLayoutValue(layout::kEmptyCells, QStringLiteral("1"));
    ASSERT_TRUE(fill(book).saved);
    workbook = reopen(book);
    page = workbook->sheet(QStringLiteral("Bericht1_Seite1"));
    EXPECT_EQ(at(page, "A11"), QStringLiteral("C3"));
    EXPECT_EQ(at(page, "T11"), QStringLiteral("2"));
}

TEST_F(ReportFillTest, TheColumnsLayoutStacksRunsInTheFirstFreeRow) {
    useLayout(test::columnsLayoutValues(2));
    const QString book = makeTemplate();
    setCharacteristics(4);
    selected_[1] = false;
    for (int run = 1; run <= 4; ++run) {
        ASSERT_TRUE(fill(book).saved) << messageTexts().join(u'|').toStdString();
    }
    auto workbook = reopen(book);
    EXPECT_EQ(workbook->sheetNames(), names({"UniqueIDs", "Master", "Bericht2_Seite1", "Bericht2_Seite2",
                                             "Bericht1_Seite1", "Bericht1_Seite2"}));
    Worksheet* page = workbook->sheet(QStringLiteral("Bericht1_Seite1"));
    EXPECT_EQ(at(page, "D2"), QStringLiteral("C1"));
    EXPECT_EQ(at(page, "F2"), QStringLiteral("C3"));
    EXPECT_EQ(at(page, "D10"), QStringLiteral("1.01"));
    EXPECT_EQ(at(page, "D12"), QStringLiteral("1.01"));
    EXPECT_EQ(at(page, "E11"), QStringLiteral("  "));
    EXPECT_EQ(at(page, "E14"), QStringLiteral("n.g."));
    EXPECT_EQ(at(page, "B10"), QStringLiteral("46095"));   // the date in the measurement row
    EXPECT_EQ(at(page, "A11"), QStringLiteral("Miller"));  // header variable 1 in the measurement row
    EXPECT_EQ(at(page, "G21"), QStringLiteral("4711"));
    EXPECT_EQ(at(workbook->sheet(QStringLiteral("Bericht1_Seite2")), "D2"), QStringLiteral("C4"));
    EXPECT_EQ(at(workbook->sheet(QStringLiteral("Bericht2_Seite1")), "D10"), QStringLiteral("1.01"));
}

TEST_F(ReportFillTest, AChangedPartProgramGoesToReportTwoWithTheChangeMarked) {
    const QString book = makeTemplate();
    setCharacteristics(3);
    ASSERT_TRUE(fill(book).saved);
    row(2).uniqueId = {999, 4};
    ASSERT_TRUE(fill(book).saved);
    ASSERT_EQ(user_.messages.size(), 1U);
    EXPECT_EQ(user_.messages[0].text,
              QStringLiteral("Ihr Messprogramm wurde ge\u00e4ndert.\r\nEs muss eine neue "
                             "Excel Tabelle f\u00fcr die Ausgabe verwendet werden."));
    EXPECT_EQ(user_.messages[0].icon, MessageIcon::Critical);
    auto workbook = reopen(book);
    Worksheet* ids = workbook->sheet(QStringLiteral("UniqueIDs"));
    EXPECT_EQ(at(ids, "A3"), QStringLiteral("C2"));
    EXPECT_EQ(at(ids, "B3"), QStringLiteral("1021"));
    EXPECT_EQ(at(ids, "C1"), QStringLiteral("New Unique-ID"));
    EXPECT_EQ(at(ids, "C3"), QStringLiteral("9994"));
    EXPECT_EQ(at(workbook->sheet(QStringLiteral("Bericht1_Seite1")), "F10"), QString());
    EXPECT_EQ(at(workbook->sheet(QStringLiteral("Bericht2_Seite1")), "E11"), QStringLiteral("2.01"));
    // A list that lost entries at its end passes the check.
    row(2).uniqueId = {102, 1};
    setCharacteristics(2);
    user_.messages.clear();
    ASSERT_TRUE(fill(book).saved);
    EXPECT_TRUE(user_.messages.empty());
}

TEST_F(ReportFillTest, FailuresAreToldAndLeaveTheWorkbookAsItWas) {
    setCharacteristics(2);
    const QString book = makeTemplate([](Worksheet& master) {
        for (int column = 5; column <= 8; ++column) {
            master.writeText({10, column}, QStringLiteral("x"));
        }
    });
    const QByteArray before = test::readFile(book);
    // Values in Master's measurement places would make every new report full at once.
    EXPECT_FALSE(fill(book).saved);
    EXPECT_EQ(messageTexts(), QStringList{messageText(61)});
    EXPECT_EQ(test::readFile(book), before);
    EXPECT_EQ(user_.statusTexts.back(), language_.text(LanguageTable::StatusBar, 15));

    user_.messages.clear();
    std::unique_ptr<xlsx::XlsxWorkbook> noMaster = xlsx::XlsxWorkbook::createEmpty();
    ASSERT_TRUE(noMaster->saveAs(file(QStringLiteral("nomaster.xlsx"))));
    EXPECT_FALSE(fill(file(QStringLiteral("nomaster.xlsx"))).saved);
    EXPECT_EQ(messageTexts(), QStringList{messageText(30)});

    user_.messages.clear();
    test::writeFile(file(QStringLiteral("old.xls")), QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8));
    EXPECT_FALSE(fill(file(QStringLiteral("old.xls"))).saved);
    ASSERT_EQ(user_.messages.size(), 1U);
    // The message, the translated kind of failure (an old binary workbook is not supported), the details.
    const QString introduction =
        messageText(29) + QStringLiteral("\r\n") + messageText(82) + QStringLiteral("\r\n");
    EXPECT_TRUE(user_.messages[0].text.startsWith(introduction)) << qPrintable(user_.messages[0].text);
    EXPECT_GT(user_.messages[0].text.size(), introduction.size());
}

TEST_F(ReportFillTest, APageThatCannotBeCopiedStopsTheFillWithoutSaving) {
    setCharacteristics(2);
    const QString book = file(QStringLiteral("table.xlsx"));
    // A Master holding a table: table names are workbook-wide, so the sheet cannot be copied.
    test::writeFile(
        book, test::changedFixture(QStringLiteral("report-template.xlsx"), [](xlsx::ZipPackage& package) {
            const QString rels = QStringLiteral("xl/worksheets/_rels/sheet1.xml.rels");
            QByteArray bytes = *package.read(rels);
            bytes.replace("</Relationships>",
                          "<Relationship Id=\"rIdT\" Target=\"../tables/table1.xml\" Type=\"http://schemas."
                          "openxmlformats.org/officeDocument/2006/relationships/table\"/></Relationships>");
            package.write(rels, bytes);
        }));
    const QByteArray before = test::readFile(book);
    EXPECT_FALSE(fill(book).saved);
    ASSERT_EQ(user_.messages.size(), 1U);
    EXPECT_TRUE(user_.messages[0].text.startsWith(messageText(60) + QStringLiteral("\r\n")));
    EXPECT_EQ(test::readFile(book), before);
}

TEST_F(ReportFillTest, AFailedSaveIsToldAndNotReportedAsSaved) {
    setCharacteristics(2);
    const QString book = makeTemplate();
    savePathAnswer_ = file(QStringLiteral("missing-folder/copy.xlsx"));
    EXPECT_FALSE(fill(book, false, true).saved);
    ASSERT_EQ(user_.messages.size(), 1U);
    EXPECT_TRUE(user_.messages[0].text.startsWith(messageText(38) + QStringLiteral("\r\n")));
    EXPECT_EQ(user_.statusTexts.back(), language_.text(LanguageTable::StatusBar, 15));
    EXPECT_FALSE(QFileInfo::exists(*savePathAnswer_));
}

TEST_F(ReportFillTest, AReadOnlyChoiceSavesUnderTheChosenNameOrNotAtAll) {
    setCharacteristics(2);
    const QString book = makeTemplate();
    const QByteArray before = test::readFile(book);
    EXPECT_FALSE(fill(book, false, true).saved);  // the save dialog cancelled
    savePathAnswer_ = file(QStringLiteral("copy.xlsx"));
    const ReportFillResult result = fill(book, false, true);
    EXPECT_TRUE(result.saved);
    EXPECT_EQ(result.path, *savePathAnswer_);
    EXPECT_EQ(savePathFilters_, QStringList(2, QStringLiteral("Excel Workbook (*.xls; *.xlsx) (*.xls*)")));
    EXPECT_EQ(test::readFile(book), before);
    EXPECT_EQ(cell(result.path, QStringLiteral("Bericht1_Seite1"), "E10"), QStringLiteral("1.01"));
    EXPECT_EQ(user_.statusTexts.back(), QStringLiteral("Report %1 has been completed.").arg(result.path));
}

TEST_F(ReportFillTest, StartChecksStopTheFillWithTheirMessage) {
    const QString book = makeTemplate();
    EXPECT_FALSE(fill(book).saved);  // no characteristics
    setCharacteristics(2);
    selected_.assign(2, false);
    EXPECT_FALSE(fill(book).saved);
    selected_.assign(2, true);
    setLayoutValue(layout::kFormIDColum, QString());
    EXPECT_FALSE(fill(book).saved);
    useLayout(test::rowsLayoutValues(2));
    EXPECT_FALSE(fill(QStringLiteral("  ")).saved);
    EXPECT_EQ(messageTexts(), QStringList({messageText(23), messageText(24), messageText(39), messageText(25),
                                           messageText(27)}));
}

TEST(ReportNames, GeneratedNamesHoldNoCharacterAFileNameCannotHold) {
    const NamingMoment moment{{QDate(2026, 1, 2), QTime(3, 4, 5)},
                              QLocale(QLocale::German, QLocale::Germany)};
    EXPECT_EQ(generatedReportName(QStringLiteral("/r/part.v2.xlsx"), moment),
              QStringLiteral("/r/part.v2__02.01.26__03.04.05.xlsx"));
    EXPECT_EQ(generatedReportName(QStringLiteral("/r/part.XLSM"), moment),
              QStringLiteral("/r/part__02.01.26__03.04.05.XLSM"));
    EXPECT_EQ(generatedReportName(QStringLiteral("/r/part.ods"), moment),
              QStringLiteral("/r/part__02.01.26__03.04.05.ods"));
    const NamingMoment american{moment.now, QLocale(QLocale::English, QLocale::UnitedStates)};
    EXPECT_EQ(generatedReportName(QStringLiteral("/r/part"), american),
              QStringLiteral("/r/part__1-2-26__03.04.05.xlsx"));
    EXPECT_EQ(workbookFilter(QStringLiteral("andere")), QStringLiteral("Excel Workbook (*.xls)"));
    EXPECT_EQ(workbookFilter(QStringLiteral("12.0")),
              QStringLiteral("Excel Workbook (*.xls; *.xlsx) (*.xls*)"));
    EXPECT_EQ(workbookFilter(QStringLiteral("14.0")), QString());
    EXPECT_EQ(workbookFilter(QStringLiteral("LibreOffice 7.4")),
              QStringLiteral("Workbook (*.xlsx *.xlsm *.xls *.ods)"));
}

}  // namespace
}  // namespace korvex
