#include "characteristics/CommentLine.h"
#include "characteristics/HostNumbers.h"
#include "characteristics/TypeNames.h"
#include "characteristics/ValueTables.h"

#include <gtest/gtest.h>

#include <limits>

namespace korvex {
namespace {

TEST(TypeNamesTest, EachCodeGroupStartsAndEndsWhereItShould) {
    const std::pair<int, const char*> names[] = {
        {1001, "UNKNOWN DIMENSION TYPE"},
        {1002, "X_LOCATION"},
        {1007, "A_LOCATION"},
        {1020, "STRAIGHTNESS_LOCATION"},
        {1021, "UNKNOWN DIMENSION TYPE"},
        {1099, "UNKNOWN DIMENSION TYPE"},
        {1100, "STRAIGHTNESS"},
        {1109, "2D_ANGLE"},
        {1115, "SYMMETRY"},
        {1116, "UNKNOWN DIMENSION TYPE"},
        {1201, "UNKNOWN DIMENSION TYPE"},
        {1202, "TRUE_X_LOCATION"},
        {1209, "TRUE_DIAM_LOCATION"},
        {1219, "TRUE_STRAIGHTNESS_LOCATION"},
        {1220, "UNKNOWN DIMENSION TYPE"},
        {184, "UNKNOWN DIMENSION TYPE"},
        {-5, "UNKNOWN DIMENSION TYPE"},
        {std::numeric_limits<int>::min(), "UNKNOWN DIMENSION TYPE"},
    };
    for (const auto& [code, name] : names)
        EXPECT_EQ(typeNameOfCommand(code), QString::fromLatin1(name)) << code;
}

TEST(TypeNamesTest, GenericCodesShareNamesWhereTheHostHasVariants) {
    EXPECT_EQ(typeNameOfGenericCode(7), QStringLiteral("ROUNDNESS"));
    EXPECT_EQ(typeNameOfGenericCode(8), QStringLiteral("ROUNDNESS"));
    EXPECT_EQ(typeNameOfGenericCode(14), QStringLiteral("RUNOUT"));
    EXPECT_EQ(typeNameOfGenericCode(16), QStringLiteral("PROFILE"));
    EXPECT_EQ(typeNameOfGenericCode(2), QStringLiteral("TRUE_DIAM_LOCATION"));
    EXPECT_EQ(typeNameOfGenericCode(19), QStringLiteral("KEYIN"));
    for (int code : {0, 1, 3, 4, 20})
        EXPECT_EQ(typeNameOfGenericCode(code), QStringLiteral("UNKNOWN DIMENSION TYPE")) << code;
}

TEST(CommentLineTest, LineBreaksBecomeBlanksAndLongLinesAreCut) {
    EXPECT_EQ(cleanCommentLine(QStringLiteral("A\r\nB")), QStringLiteral("A  B"));
    EXPECT_EQ(cleanCommentLine(QStringLiteral("\nA\r")), QStringLiteral(" A "));
    EXPECT_EQ(cleanCommentLine(QString(300, u'x')), QString(255, u'x'));
    EXPECT_EQ(cleanCommentLine(QString()), QString());
}

TEST(HostNumbersTest, RealsKeepFiveDecimals) {
    EXPECT_EQ(roundHostValue(12.3456789), 12.34568);
    EXPECT_EQ(roundHostValue(-0.05), -0.05);
    EXPECT_EQ(roundHostValue(0.000004), 0.0);
    EXPECT_FALSE(std::signbit(roundHostValue(-0.000004)));
    EXPECT_EQ(roundHostValue(-12.3456789), -12.34568);
    EXPECT_EQ(roundHostValue(1e20), 1e20);
    EXPECT_EQ(roundHostValue(std::numeric_limits<double>::max()), std::numeric_limits<double>::max());
    EXPECT_EQ(roundHostValue(std::numeric_limits<double>::quiet_NaN()), 0.0);
    EXPECT_EQ(roundHostValue(-std::numeric_limits<double>::infinity()), 0.0);
}

TEST(HostNumbersTest, TiesInTheDecimalTextRoundAwayFromZero) {
    // Every odd 64th of an inch ends in a 5 at the sixth decimal.
    for (int sixtyFourths = 1; sixtyFourths < 640; sixtyFourths += 2) {
        const qint64 steps = (sixtyFourths * 15625LL + 5) / 10;
        const double expected = QStringLiteral("%1e-5").arg(steps).toDouble();
        EXPECT_EQ(roundHostValue(sixtyFourths / 64.0), expected) << sixtyFourths;
        EXPECT_EQ(roundHostValue(-sixtyFourths / 64.0), -expected) << sixtyFourths;
    }
    EXPECT_EQ(roundHostValue(0.515625), 0.51563);
    // Below the tie in binary, a tie in the 15-digit text the host formats.
    EXPECT_EQ(roundHostValue(1.000005), 1.00001);
    EXPECT_EQ(roundHostValue(0.000005), 0.00001);
    EXPECT_EQ(roundHostValue(123456789.123456), 123456789.12346);
    EXPECT_EQ(roundHostValue(99999.999995), 100000.0);
}

TEST(HostNumbersTest, DecimalTextTakesAPointOrACommaWhateverTheLocale) {
    EXPECT_EQ(parseDecimalText(QStringLiteral("12.5")), 12.5);
    EXPECT_EQ(parseDecimalText(QStringLiteral(" 12,5 ")), 12.5);
    EXPECT_EQ(parseDecimalText(QStringLiteral("-3")), -3.0);
    EXPECT_EQ(parseDecimalText(QStringLiteral("1,234.5")), std::nullopt);
    EXPECT_EQ(parseDecimalText(QStringLiteral("1,2,3")), std::nullopt);
    EXPECT_EQ(parseDecimalText(QStringLiteral("abc")), std::nullopt);
    EXPECT_EQ(parseDecimalText(QString()), std::nullopt);
    for (const char* notANumber : {"nan", "inf", "-inf", "NaN", "infinity"}) {
        EXPECT_EQ(parseDecimalText(QString::fromLatin1(notANumber)), std::nullopt) << notANumber;
    }
}

TEST(ValueTablesTest, AnyCommandCountFromTheHostIsTakenWithoutReservingRoomForIt) {
    ValueTables tables;
    tables.reset(std::numeric_limits<int>::max());
    EXPECT_EQ(tables.commandCount(), std::numeric_limits<int>::max());
    tables.appendRow();
    EXPECT_EQ(tables.rowCount(), 1);
}

TEST(ValueTablesTest, RowsAndCommentsAreNumberedFromOneAndNeverReachedOutside) {
    ValueTables tables;
    tables.reset(3);
    EXPECT_EQ(tables.commandCount(), 3);
    tables.appendRow().id = QStringLiteral("first");
    tables.appendRow().id = QStringLiteral("second");
    EXPECT_EQ(tables.rowCount(), 2);
    EXPECT_EQ(tables.row(1)->id, QStringLiteral("first"));
    EXPECT_EQ(tables.row(2)->id, QStringLiteral("second"));
    EXPECT_EQ(tables.row(0), nullptr);
    EXPECT_EQ(tables.row(3), nullptr);

    const int entry = tables.appendComment();
    EXPECT_EQ(entry, 1);
    tables.comment(entry)->setLine(20, QStringLiteral("last"));
    tables.comment(entry)->setLine(21, QStringLiteral("ignored"));
    EXPECT_EQ(tables.comment(1)->line(20), QStringLiteral("last"));
    EXPECT_EQ(tables.comment(1)->line(0), QString());
    EXPECT_EQ(tables.comment(0), nullptr);
    EXPECT_EQ(tables.comment(2), nullptr);

    tables.capture().locationHeader.unitCode = 1;
    tables.setCounts({1, 2, 3});
    tables.reset(5);
    EXPECT_EQ(tables.rowCount(), 0);
    EXPECT_EQ(tables.commentCount(), 0);
    EXPECT_EQ(tables.capture(), CaptureState{});
    EXPECT_EQ(tables.counts(), ResultCounts{});
}

}  // namespace
}  // namespace korvex
