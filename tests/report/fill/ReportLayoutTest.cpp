#include "fill/LayoutTestSupport.h"
#include "output/TemporarySettings.h"
#include "report/layout/ColumnNames.h"
#include "report/layout/LayoutFile.h"
#include "report/layout/ReportLayout.h"
#include "support/RecordingUserInteraction.h"
#include "support/TestFiles.h"
#include "util/LanguageLoader.h"
#include "util/LanguageTables.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace korvex {
namespace {

using Columns = std::vector<int>;

TEST(ColumnNames, OneOrTwoLettersInEitherCaseUpToIv) {
    EXPECT_EQ(columnNumber(u"A").number, 1);
    EXPECT_EQ(columnNumber(u"z").number, 26);
    EXPECT_EQ(columnNumber(u"AA").number, 27);
    EXPECT_EQ(columnNumber(u" iv ").number, 256);
    EXPECT_FALSE(columnNumber(u"IV").capped);
    EXPECT_EQ(columnNumber(u"IW").number, 256);
    EXPECT_TRUE(columnNumber(u"ZZ").capped);
    // Nothing that is not a column name gives a column.
    for (const char16_t* name : {u"", u"  ", u"5", u"A1", u"-"}) {
        EXPECT_EQ(columnNumber(name).number, 0) << QString::fromUtf16(name).toStdString();
    }
}

TEST(ColumnNames, OnlyASingleLetterBecomesANumberInPlace) {
    for (const auto& [before, after] : std::initializer_list<std::pair<const char*, const char*>>{
             {"c", "3"}, {"Z", "26"}, {"12", "12"}, {"AB", "AB"}, {"NotUsed", "NotUsed"}}) {
        QString setting = QString::fromLatin1(before);
        columnLetterInPlace(setting);
        EXPECT_EQ(setting, QString::fromLatin1(after));
    }
}

TEST(ColumnNames, ListsHoldColumnsAndRangesInTheOrderGiven) {
    EXPECT_EQ(parseColumnList(u"C,E-G")->columns, Columns({3, 5, 6, 7}));
    EXPECT_EQ(parseColumnList(u"e-g")->columns, parseColumnList(u"E-G")->columns);
    EXPECT_EQ(parseColumnList(u"E,G,J")->columns, Columns({5, 7, 10}));
    // Blanks around items and names do not turn an item into column 0.
    EXPECT_EQ(parseColumnList(u"E, G , H - I")->columns, Columns({5, 7, 8, 9}));
    EXPECT_TRUE(parseColumnList(u"A,IZ")->capped);
    for (const char16_t* list : {u"E,,G", u"E,5", u"G-E", u"-E", u"E-"}) {
        EXPECT_FALSE(parseColumnList(list)) << QString::fromUtf16(list).toStdString();
    }
}

TEST(ReportLayoutReading, RequiredValuesAloneGiveARowsLayoutWithNothingOptional) {
    LayoutValues values;
    for (const QStringView name : layout::kRequiredPositions) {
        values.set(name, QStringLiteral("C"));
    }
    values.set(layout::kFormStartRow, QStringLiteral("5"));
    values.set(layout::kFormEndRow, QStringLiteral("6"));
    values.headerRows = QStringList{QString(), QStringLiteral("NotUsed")};
    values.headerColumns = QStringList{QString(), QStringLiteral("NotUsed")};
    const ResolvedLayout resolved = resolveLayout(values);
    ASSERT_TRUE(resolved.layout);
    const ReportLayout& layout = *resolved.layout;
    EXPECT_TRUE(layout.characteristicsInRows);
    EXPECT_EQ(layout.pageCapacity(), 2);
    EXPECT_EQ(layout.commentLength, 0);
    EXPECT_FALSE(layout.comment || layout.runningNumber || layout.unit || layout.dateLine || layout.timeLine);
    EXPECT_FALSE(layout.programName || layout.pageNumber || layout.pageCount);
    EXPECT_FALSE(layout.headerPlaced);
    EXPECT_FALSE(layout.emptyCells);
}

TEST(ReportLayoutReading, EveryPlaceOfAFullLayoutInBothDirections) {
    const ReportLayout rows = *resolveLayout(test::rowsLayoutValues(2)).layout;
    EXPECT_EQ(rows.measurementColumns, Columns({5, 6, 7, 8}));
    EXPECT_EQ(rows.pageCapacity(), 30);
    EXPECT_EQ(rows.upperTol, 3);
    EXPECT_EQ(rows.runningNumber, 20);
    EXPECT_EQ(rows.dateLine, 7);  // a row in the rows layout
    EXPECT_EQ(rows.programName, (CellRef{3, 2}));
    EXPECT_EQ(rows.drawingNumber, (CellRef{4, 2}));  // a column may be given by its number
    EXPECT_EQ(rows.pageNumber, (CellRef{2, 8}));
    EXPECT_TRUE(rows.headerPlaced);

    const ReportLayout columns = *resolveLayout(test::columnsLayoutValues(2)).layout;
    EXPECT_FALSE(columns.characteristicsInRows);
    EXPECT_EQ(columns.pageCapacity(), 3);
    EXPECT_EQ(columns.upperTol, 5);  // a row in the columns layout
    EXPECT_EQ(columns.dateLine, 2);  // column B
    EXPECT_FALSE(columns.elements[0]);
}

TEST(ReportLayoutReading, AMissingRequiredValueOrAPlaceThatNamesNoCellFails) {
    const auto problemWith = [](QStringView name, const char* text) {
        LayoutValues values = test::rowsLayoutValues(0);
        values.set(name, QString::fromLatin1(text));
        const ResolvedLayout resolved = resolveLayout(values);
        EXPECT_FALSE(resolved.layout) << name.toString().toStdString() << " = " << text;
        return resolved.problem;
    };
    EXPECT_EQ(problemWith(layout::kFormStartRow, "0").kind, LayoutProblem::Kind::Missing);
    EXPECT_EQ(problemWith(layout::kFormEndRow, "").kind, LayoutProblem::Kind::Missing);
    EXPECT_EQ(problemWith(layout::kFormSymbolColum, " ").kind, LayoutProblem::Kind::Missing);
    // No measurement place at all would make every report full at once.
    EXPECT_EQ(problemWith(layout::kFormEndRow, "9").name, layout::kFormEndRow);
    EXPECT_EQ(problemWith(layout::kFormMeasColums, "E,,F").kind, LayoutProblem::Kind::Invalid);
    EXPECT_EQ(problemWith(layout::kFormStartRow, "-4").kind, LayoutProblem::Kind::Invalid);
    EXPECT_EQ(problemWith(layout::kFormStartRow, "2000000").kind, LayoutProblem::Kind::Invalid);
    EXPECT_EQ(problemWith(layout::kFormIDColum, "12").kind, LayoutProblem::Kind::Invalid);
    EXPECT_EQ(problemWith(layout::kLfdNr, "1.5").text, QStringLiteral("1.5"));
    EXPECT_EQ(problemWith(layout::kCommentLength, "-1").name, layout::kCommentLength);
    EXPECT_EQ(problemWith(layout::kSpalteProgrammName, "AB").name, layout::kSpalteProgrammName);
    EXPECT_EQ(problemWith(layout::kFormDateRow, "G").name, layout::kFormDateRow);
}

TEST(ReportLayoutReading, IsToldToTheUserFromTheSettings) {
    test::TemporarySettings settings;
    LanguageTables language;
    ASSERT_TRUE(loadLanguageFile(test::sourceDir() + QStringLiteral("/LanguageFiles/English.dll"), language));
    test::RecordingUserInteraction user;
    ASSERT_TRUE(writeLayoutValues(settings.store(), test::rowsLayoutValues(1)));
    EXPECT_TRUE(readLayout(settings.store(), 1, user, language));
    EXPECT_TRUE(user.messages.empty());

    ASSERT_TRUE(settings.store().writeSetting({keys::kExcelReportSettings, layout::kFormStartRow}, "0"));
    EXPECT_FALSE(readLayout(settings.store(), 1, user, language));
    ASSERT_TRUE(settings.store().writeSetting({keys::kExcelReportSettings, layout::kFormStartRow}, "x1"));
    EXPECT_FALSE(readLayout(settings.store(), 1, user, language));
    ASSERT_TRUE(settings.store().writeSetting({keys::kExcelReportSettings, layout::kFormStartRow}, "10"));
    ASSERT_TRUE(settings.store().writeSetting({keys::kExcelReportSettings, layout::kFormMeasColums}, "E,IZ"));
    EXPECT_TRUE(readLayout(settings.store(), 1, user, language));
    ASSERT_EQ(user.messages.size(), 3U);
    EXPECT_EQ(user.messages[0].text, language.text(LanguageTable::MessageBoxen, 39));
    EXPECT_EQ(user.messages[1].text,
              language.text(LanguageTable::MessageBoxen, 62) + QStringLiteral("\r\nFormStartRow = \"x1\""));
    EXPECT_EQ(user.messages[2].text, language.text(LanguageTable::MessageBoxen, 40));
    EXPECT_EQ(user.messages[2].icon, MessageIcon::Information);
}

LayoutFileContent fullContent(int headerCount) {
    LayoutFileContent content{test::rowsLayoutValues(headerCount), {}};
    for (int variable = 1; variable <= headerCount; ++variable) {
        content.headerNames.append(QStringLiteral("Variable %1").arg(variable));
    }
    return content;
}

TEST(LayoutFile, IsWrittenInItsFixedOrderAndReadBack) {
    const LayoutFileContent content = fullContent(2);
    const QByteArray bytes = layoutFileBytes(content);
    const QList<QByteArray> lines = bytes.split('\n');
    ASSERT_EQ(lines.size(), 22 + 4 + 1 + 10 + 1 + 2 + 1);
    EXPECT_EQ(lines[0], "J\r");   // FormATolColum comes first
    EXPECT_EQ(lines[4], "10\r");  // CommentLength before FormNominalColum
    EXPECT_EQ(lines[5], "B\r");
    EXPECT_EQ(lines[7], "E-H\r");           // the measurement list
    EXPECT_EQ(lines[22], "6\r");            // Kopfdaten_1_1
    EXPECT_EQ(lines[24], "VM\r");           // Kopfdaten_2_1
    EXPECT_EQ(lines[26], "T\r");            // LfdNr
    EXPECT_EQ(lines[37], "[Kopfdaten]\r");  // after the three optional groups
    EXPECT_TRUE(bytes.endsWith("Variable 2\r\n"));
    EXPECT_EQ(parseLayoutFile(bytes, 2), content);
}

// A Czech operator's header variable names travel in the Czech code page, as every .cfg file does.
TEST(LayoutFile, IsWrittenAndReadInTheGivenCodePage) {
    LayoutFileContent content = fullContent(2);
    content.headerNames = {QStringLiteral("Měření"), QStringLiteral("Teplota °C")};
    const QByteArray bytes = layoutFileBytes(content, AnsiCodePage::Windows1250);
    EXPECT_TRUE(
        bytes.contains("M\xec\xf8"
                       "en\xed\r\n"));
    EXPECT_EQ(parseLayoutFile(bytes, 2, AnsiCodePage::Windows1250), content);
    EXPECT_NE(parseLayoutFile(bytes, 2, AnsiCodePage::Windows1252)->headerNames, content.headerNames);
}

TEST(LayoutFile, OptionalGroupsMissingFromOlderFilesReadAsNotUsed) {
    QList<QByteArray> lines = layoutFileBytes(fullContent(1)).split('\n');
    lines.remove(31, 4);  // written before the page cells existed
    std::optional<LayoutFileContent> read = parseLayoutFile(lines.join('\n'), 1);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->values.text(layout::kZeileProgrammName), QStringLiteral("3"));
    EXPECT_EQ(read->values.text(layout::kSeitenAnzahlZeile), QStringLiteral("NotUsed"));

    lines.remove(25, 6);  // and before the part program cells
    read = parseLayoutFile(lines.join('\n'), 1);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->values.text(layout::kZeileProgrammName), QStringLiteral("NotUsed"));
    EXPECT_EQ(read->values.text(layout::kSpalteAenderungsstand), QStringLiteral("NotUsed"));
    EXPECT_EQ(read->values.text(layout::kLfdNr), QStringLiteral("T"));
    EXPECT_EQ(read->headerNames, QStringList{QStringLiteral("Variable 1")});

    lines.insert(25, "3\r");  // a group cut off
    EXPECT_FALSE(parseLayoutFile(lines.join('\n'), 1));
}

TEST(LayoutFile, IsRefusedWhenShortCutOffOrWrittenForAnotherHeaderCount) {
    const QByteArray bytes = layoutFileBytes(fullContent(3));
    EXPECT_TRUE(parseLayoutFile(bytes, 3));
    EXPECT_FALSE(parseLayoutFile(bytes, 4));
    EXPECT_FALSE(parseLayoutFile(bytes, 2));
    EXPECT_FALSE(parseLayoutFile(bytes.left(bytes.indexOf("[Kopfdaten]")), 3));
    EXPECT_FALSE(parseLayoutFile(QByteArray("J\r\nI\r\nA\r\n"), 0));
    EXPECT_FALSE(parseLayoutFile(QByteArray(), 0));

    // A line break inside a value or a name cannot shift the lines after it.
    LayoutFileContent broken = fullContent(1);
    broken.values.set(layout::kFormMeasColums, QStringLiteral("E-F\r\nG"));
    broken.headerNames = QStringList{QStringLiteral("Part\nnumber")};
    const std::optional<LayoutFileContent> read = parseLayoutFile(layoutFileBytes(broken), 1);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->values.text(layout::kFormMeasColums), QStringLiteral("E-F  G"));
    EXPECT_EQ(read->headerNames, QStringList{QStringLiteral("Part number")});
}

TEST(LayoutFile, ImportCopiesAWholeFileIntoTheSettingsOrNothing) {
    QTemporaryDir dir;
    test::TemporarySettings settings;
    const LayoutFileContent content = fullContent(2);
    ASSERT_TRUE(writeLayoutFile(dir.filePath(QStringLiteral("layout.cfg")), content));

    QString path = dir.filePath(QStringLiteral("layout"));
    ASSERT_TRUE(importLayoutFile(path, settings.store(), 2));
    EXPECT_EQ(path, dir.filePath(QStringLiteral("layout.cfg")));
    EXPECT_EQ(readLayoutValues(settings.store(), 2), content.values);

    test::TemporarySettings untouched;
    QString wrongCount = path;
    EXPECT_FALSE(importLayoutFile(wrongCount, untouched.store(), 3));
    QString missing = dir.filePath(QStringLiteral("missing.cfg"));
    EXPECT_FALSE(importLayoutFile(missing, untouched.store(), 2));
    QString empty;
    EXPECT_FALSE(importLayoutFile(empty, untouched.store(), 2));
    EXPECT_TRUE(readLayoutValues(untouched.store(), 2).texts.isEmpty());
}

}  // namespace
}  // namespace korvex
