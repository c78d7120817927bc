// Cell addresses, sheet names and the sheet references inside formulas.

#include "report/CellRange.h"
#include "report/xlsx/CellText.h"
#include "report/xlsx/SharedFormulas.h"
#include "report/xlsx/SheetNames.h"

#include <gtest/gtest.h>

namespace korvex {
namespace {

using namespace xlsx;

TEST(CellAddressing, ParsesCellsRectanglesAndWholeColumnsInEitherCaseAndOrder) {
    EXPECT_EQ(CellRange::parse(u"B12"), CellRange::cell(12, 2));
    EXPECT_EQ(CellRange::parse(u"$a$2"), CellRange::cell(2, 1));
    EXPECT_EQ(CellRange::parse(u"H3:A1"), (CellRange{{1, 1}, {3, 8}}));
    EXPECT_EQ(CellRange::parse(u"b:h"), CellRange::columns(2, 8));
    EXPECT_EQ(CellRange::parse(u"XFD1048576"), CellRange::cell(CellRef::kMaxRow, CellRef::kMaxColumn));
    for (const char16_t* wrong : {u"", u"A0", u"XFE1", u"A1048577", u"A1:", u"1:3", u"A1B", u"Ä1", u"B:3"}) {
        EXPECT_FALSE(CellRange::parse(wrong).has_value()) << QString::fromUtf16(wrong).toStdString();
    }
}

TEST(CellAddressing, WritesColumnLettersAndAddressesBack) {
    EXPECT_EQ(columnLetters(1), u"A");
    EXPECT_EQ(columnLetters(26), u"Z");
    EXPECT_EQ(columnLetters(27), u"AA");
    EXPECT_EQ(columnLetters(CellRef::kMaxColumn), u"XFD");
    EXPECT_EQ(CellRange::parse(u"a1:h1")->address(), u"A1:H1");
    EXPECT_EQ(CellRange::columns(2, 8).address(), u"B:H");
    EXPECT_TRUE(CellRange::wholeSheet().coversWholeColumns());
    EXPECT_TRUE(CellRange::cell(2, 2).intersects(CellRange::columns(1, 3)));
    EXPECT_FALSE(CellRange::cell(2, 4).intersects(CellRange::columns(1, 3)));
}

TEST(SheetNames, RefusesWhatTheSpreadsheetApplicationRefuses) {
    EXPECT_FALSE(sheetNameProblem(QStringLiteral("Bericht1_Seite1")).has_value());
    EXPECT_FALSE(sheetNameProblem(QString(31, u'x')).has_value());
    for (const QString& wrong : {QString(), QString(32, u'x'), QStringLiteral("a/b"), QStringLiteral("a[1]"),
                                 QStringLiteral("what?"), QStringLiteral("'quoted"),
                                 QStringLiteral("history"), QStringLiteral("tab\there")}) {
        EXPECT_TRUE(sheetNameProblem(wrong).has_value()) << wrong.toStdString();
    }
}

TEST(SheetNames, NamesCopiesLikeTheSpreadsheetApplicationWithinTheLengthLimit) {
    const auto none = [](const QString&) { return false; };
    EXPECT_EQ(copyNameFor(QStringLiteral("Master"), none), u"Master (2)");
    EXPECT_EQ(
        copyNameFor(QStringLiteral("Master"), [](const QString& name) { return name == u"Master (2)"; }),
        u"Master (3)");
    const QString copy = copyNameFor(QString(31, u'M'), none);
    EXPECT_EQ(copy, QString(27, u'M') + QStringLiteral(" (2)"));
}

TEST(SheetNames, RenamesSheetReferencesInFormulasButNotInTextsOrLongerNames) {
    EXPECT_EQ(sheetReference(QStringLiteral("Master")), u"Master");
    EXPECT_EQ(sheetReference(QStringLiteral("Master (2)")), u"'Master (2)'");
    EXPECT_EQ(sheetReference(QStringLiteral("It's")), u"'It''s'");
    EXPECT_EQ(sheetReference(QStringLiteral("A1")), u"'A1'");
    EXPECT_EQ(renameSheetReferences(QStringLiteral("'Master'!$A$1:$H$40"), QStringLiteral("Master"),
                                    QStringLiteral("Bericht1_Seite1")),
              u"Bericht1_Seite1!$A$1:$H$40");
    EXPECT_EQ(renameSheetReferences(QStringLiteral("'master (2)'!1:9"), QStringLiteral("Master (2)"),
                                    QStringLiteral("Seite 1")),
              u"'Seite 1'!1:9");
    EXPECT_EQ(renameSheetReferences(QStringLiteral("SUM(Master!A1,OtherMaster!A1)&\"Master!A1\""),
                                    QStringLiteral("Master"), QStringLiteral("Neu")),
              u"SUM(Neu!A1,OtherMaster!A1)&\"Master!A1\"");
}

TEST(SharedFormulas, MoveRelativeReferencesOnlyAndLeaveTextsNamesAndFunctionsAlone) {
    EXPECT_EQ(shiftFormula(QStringLiteral("B5*2+$B$5+B$5+$B5"), 2, 1), u"C7*2+$B$5+C$5+$B7");
    EXPECT_EQ(shiftFormula(QStringLiteral("SUM(Sheet1!A1:A3)&\"A1\"&'A1 x'!B2"), 1, 0),
              u"SUM(Sheet1!A2:A4)&\"A1\"&'A1 x'!B3");
    EXPECT_EQ(shiftFormula(QStringLiteral("LOG10(A1)+ABCD1+Name_1+1E+10"), 0, 1),
              u"LOG10(B1)+ABCD1+Name_1+1E+10");
    EXPECT_EQ(shiftFormula(QStringLiteral("A1"), -1, 0), u"#REF!");
}

TEST(SharedFormulas, MoveWholeColumnsAcrossAndWholeRowsDownUnlessFixed) {
    EXPECT_EQ(shiftFormula(QStringLiteral("SUM(A:A)+SUM($B:C)+SUM(Data!Z:AA)"), 5, 2),
              u"SUM(C:C)+SUM($B:E)+SUM(Data!AB:AC)");
    EXPECT_EQ(shiftFormula(QStringLiteral("SUM(1:1)*COUNT($2:3)+A1"), 2, 7), u"SUM(3:3)*COUNT($2:5)+H3");
    EXPECT_EQ(shiftFormula(QStringLiteral("SUM(A:A)+SUM(1:1)"), 0, 0), u"SUM(A:A)+SUM(1:1)");
    EXPECT_EQ(shiftFormula(QStringLiteral("SUM(XFD:XFD)+SUM(A:A)"), 0, 1), u"SUM(#REF!)+SUM(B:B)");
    EXPECT_EQ(shiftFormula(QStringLiteral("SUM(1048576:1048576)"), 1, 0), u"SUM(#REF!)");
    // Ranges of cells, names and texts that merely contain a colon stay what they were.
    EXPECT_EQ(shiftFormula(QStringLiteral("SUM(A1:B2)&\"A:A\"&ABCD:ABCD&ZZZ:ZZZ"), 1, 1),
              u"SUM(B2:C3)&\"A:A\"&ABCD:ABCD&ZZZ:ZZZ");
}

TEST(CellText, EscapesWhatXmlCannotHoldAndReadsItBack) {
    const QString text = QStringLiteral("a\x01z\tline\nend _x0041_");
    const QString escaped = escapeCellText(text);
    EXPECT_EQ(escaped, u"a_x0001_z\tline\nend _x005F_x0041_");
    EXPECT_EQ(unescapeCellText(escaped), text);
    EXPECT_EQ(unescapeCellText(QStringLiteral("_x00e4_")), u"ä");
}

}  // namespace
}  // namespace korvex
