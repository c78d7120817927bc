#include "output/NumberText.h"

#include <gtest/gtest.h>

namespace korvex {
namespace {

TEST(NumberText, WritesUpToFifteenSignificantDigitsWithoutTrailingZeros) {
    EXPECT_EQ(numberText(0.1, u'.'), QStringLiteral("0.1"));
    EXPECT_EQ(numberText(10.5, u'.'), QStringLiteral("10.5"));
    EXPECT_EQ(numberText(-0.2, u'.'), QStringLiteral("-0.2"));
    EXPECT_EQ(numberText(100, u'.'), QStringLiteral("100"));
    EXPECT_EQ(numberText(12.34568, u'.'), QStringLiteral("12.34568"));
    EXPECT_EQ(numberText(0.1 + 0.2, u'.'), QStringLiteral("0.3"));
    EXPECT_EQ(numberText(1.0 / 3.0, u'.'), QStringLiteral("0.333333333333333"));
    EXPECT_EQ(numberText(-2.0 / 3.0, u'.'), QStringLiteral("-0.666666666666667"));
    EXPECT_EQ(numberText(123456789012345.0, u'.'), QStringLiteral("123456789012345"));
    EXPECT_EQ(numberText(0.00001, u'.'), QStringLiteral("0.00001"));
    EXPECT_EQ(numberText(-0.0, u'.'), QStringLiteral("0"));
}

TEST(NumberText, UsesTheGivenDecimalSeparator) {
    EXPECT_EQ(numberText(0.1, u','), QStringLiteral("0,1"));
    EXPECT_EQ(numberText(-1234.5, u','), QStringLiteral("-1234,5"));
    EXPECT_EQ(numberText(1.5e20, u','), QStringLiteral("1,5E+20"));
}

TEST(NumberText, WritesVeryLargeAndVerySmallNumbersInExponentForm) {
    EXPECT_EQ(numberText(1e15, u'.'), QStringLiteral("1E+15"));
    EXPECT_EQ(numberText(0.000001, u'.'), QStringLiteral("1E-06"));
    EXPECT_EQ(numberText(-2.5e-100, u'.'), QStringLiteral("-2.5E-100"));
    EXPECT_EQ(numberText(999999999999999.9, u'.'), QStringLiteral("1E+15"));
}

}  // namespace
}  // namespace korvex
