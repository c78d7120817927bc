#include "output/ResultFileName.h"

#include <gtest/gtest.h>

#include <QSet>

namespace korvex {
namespace {

const PartProgramNames kHousing{.partName = QStringLiteral("HOUSING"),
                                .drawingNumber = QStringLiteral("4711"),
                                .revision = QStringLiteral("B")};
const NamingMoment kMoment{.now = QDateTime(QDate(2024, 12, 6), QTime(14, 5, 9)),
                           .locale = QLocale(QLocale::English, QLocale::UnitedStates)};
const QString kPrefix = QStringLiteral("/results/");

FileExistsTest existing(const QSet<QString>& paths) {
    return [paths](const QString& path) { return paths.contains(path); };
}

QString nameOf(std::array<int, 5> codes, int separator = 1, const PartProgramNames& names = kHousing) {
    const ResultFileNaming naming{.codes = codes, .separatorCode = separator, .useCounter = false};
    return resultFileName(naming, names, kMoment, kPrefix, QStringLiteral("csv"), existing({})).value();
}

TEST(ResultFileName, JoinsTheChosenPartsAndDropsOnlyTrailingEmptyOnes) {
    EXPECT_EQ(nameOf({0, 0, 0, 0, 0}), QStringLiteral("/results/HOUSING.csv"));
    EXPECT_EQ(nameOf({0, 3, 0, 0, 0}), QStringLiteral("/results/HOUSING__4711.csv"));
    EXPECT_EQ(nameOf({1, 1, 2, 2, 1}, 2), QStringLiteral("/results/4711_B_B_14.05.09_14.05.09.csv"));
    EXPECT_EQ(nameOf({0, 2, 1, 0, 0}, 5), QStringLiteral("/results/HOUSING-HOUSING-4711.csv"));
}

TEST(ResultFileName, KeepsEmptyPartsInTheMiddle) {
    // The short date of this locale, 12/6/24, cannot be part of a file name as it is.
    EXPECT_EQ(nameOf({1, 0, 0, 1, 0}), QStringLiteral("/results/4711______12-6-24.csv"));
    EXPECT_EQ(nameOf({0, 0, 3, 0, 0}, 3), QStringLiteral("/results/HOUSING------12-6-24.csv"));
}

TEST(ResultFileName, UnknownCodesAndSeparatorsHaveFixedStandIns) {
    EXPECT_EQ(nameOf({2, 4, 4, 3, 2}, 9),
              QStringLiteral("/results/UNKNOWN_FILE1___UNKNOWN_FILE2___UNKNOWN_FILE3___UNKNOWN_FILE4___"
                             "UNKNOWN_FILE5.csv"));
    EXPECT_EQ(nameOf({-1, 0, 0, 0, 0}), QStringLiteral("/results/UNKNOWN_FILE1.csv"));
    EXPECT_EQ(separatorText(0), QStringLiteral("___"));
    EXPECT_EQ(separatorText(4), QStringLiteral("--"));
    EXPECT_EQ(separatorText(-1), QStringLiteral("___"));
}

TEST(ResultFileName, HostTextsCannotLeadOutOfTheFolder) {
    const PartProgramNames withBlanks{.partName = QStringLiteral("Pump housing"),
                                      .drawingNumber = QStringLiteral("PH 200\t1"),
                                      .revision = {}};
    EXPECT_EQ(nameOf({0, 3, 0, 0, 0}, 1, withBlanks), QStringLiteral("/results/Pump housing__PH 200-1.csv"));

    const PartProgramNames hostile{.partName = QStringLiteral("../../etc/passwd"),
                                   .drawingNumber = QStringLiteral("A:B*C?\"D\"<E>|F\\G"),
                                   .revision = {}};
    EXPECT_EQ(nameOf({0, 3, 0, 0, 0}, 1, hostile),
              QStringLiteral("/results/..-..-etc-passwd__A-B-C--D--E--F-G.csv"));
}

TEST(ResultFileName, TheCounterTakesTheFirstFreeNumber) {
    const ResultFileNaming naming{.codes = {0, 3, 0, 0, 0}, .separatorCode = 1, .useCounter = true};
    EXPECT_EQ(resultFileName(naming, kHousing, kMoment, kPrefix, QStringLiteral("csv"), existing({})),
              QStringLiteral("/results/HOUSING__4711__0001.csv"));
    EXPECT_EQ(resultFileName(naming, kHousing, kMoment, kPrefix, QStringLiteral("csv"),
                             existing({QStringLiteral("/results/HOUSING__4711__0001.csv"),
                                       QStringLiteral("/results/HOUSING__4711__0003.csv")})),
              QStringLiteral("/results/HOUSING__4711__0002.csv"));
}

TEST(ResultFileName, NeverOverwritesWhenEveryCounterIsTaken) {
    const ResultFileNaming naming{.codes = {0, 0, 0, 0, 0}, .separatorCode = 2, .useCounter = true};
    int asked = 0;
    const auto everyFileExists = [&asked](const QString&) { return ++asked > 0; };
    EXPECT_FALSE(resultFileName(naming, kHousing, kMoment, kPrefix, QStringLiteral("txt"), everyFileExists));
    EXPECT_EQ(asked, 9999);
}

TEST(ResultFileName, TimeTextRunsFrom00To23) {
    EXPECT_EQ(timeText(QTime(7, 5, 3)), QStringLiteral("07.05.03"));
    EXPECT_EQ(timeText(QTime(23, 59, 59)), QStringLiteral("23.59.59"));
}

}  // namespace
}  // namespace korvex
