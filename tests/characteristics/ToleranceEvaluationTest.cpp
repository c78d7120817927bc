#include "characteristics/ToleranceEvaluation.h"
#include "characteristics/TrafficLightColours.h"
#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace korvex {
namespace {

struct Row {
    const char* type;
    double nominal;
    double upperTol;
    double lowerTol;
    double measured;
    double outTol = 0;
};

ValueTables tablesWith(std::initializer_list<Row> rows) {
    ValueTables tables;
    tables.reset(static_cast<int>(rows.size()));
    for (const Row& row : rows) {
        CharacteristicRecord& record = tables.appendRow();
        record.typeName = QString::fromLatin1(row.type);
        record.nominal = row.nominal;
        record.upperTol = row.upperTol;
        record.lowerTol = row.lowerTol;
        record.measured = row.measured;
        record.outTol = row.outTol;
    }
    return tables;
}

// Which rows come out over the limit, in row order.
std::vector<bool> overLimitFlags(ValueTables& tables, double percent) {
    evaluateTolerances(tables, percent);
    std::vector<bool> flags;
    for (const CharacteristicRecord& row : tables.rows())
        flags.push_back(row.overLimit);
    return flags;
}

TEST(ToleranceEvaluationTest, TwoSidedValuesAreFlaggedOutsideTheInnerBandButNotOnItsLimits) {
    ValueTables tables = tablesWith({
        {"X_LOCATION", 10, 0.1, -0.1, 10.095},
        {"X_LOCATION", 10, 0.1, -0.1, 10.09},
        {"X_LOCATION", 10, 0.1, -0.1, 9.91},
        {"X_LOCATION", 10, 0.1, -0.1, 9.905},
        {"2D_DISTANCE", 55, 0.1, -0.1, 55.03},
        {"UNKNOWN DIMENSION TYPE", 0, 0.2, -0.2, 0.19},
    });
    EXPECT_EQ(overLimitFlags(tables, 90), (std::vector<bool>{true, false, false, true, false, true}));
}

TEST(ToleranceEvaluationTest, OneSidedValuesAreFlaggedOnlyAboveTheirLimit) {
    ValueTables tables = tablesWith({
        {"FLATNESS", 0, 0.05, 0, 0.046},
        {"FLATNESS", 0, 0.05, 0, 0.045},
        {"TRUE_DIAM_LOCATION", 0, 0.1, 0, 0.0967},
        {"ROUNDNESS", 0, 0.01, 0, -5},
        {"SYMMETRY", 0, 0.2, 0, 0.18},
    });
    EXPECT_EQ(overLimitFlags(tables, 90), (std::vector<bool>{true, false, true, false, false}));
}

TEST(ToleranceEvaluationTest, TruePositionCoordinatesAreNeverOverTheLimit) {
    ValueTables tables = tablesWith({
        {"TRUE_X_LOCATION", 60, 0.1, -0.1, 60.099},
        {"TRUE_PA_LOCATION", 0, 0, 0, 3},
        {"TRUE_Y_LOCATION", 25, 0.1, -0.1, 25.2, 0.1},
    });
    EXPECT_EQ(overLimitFlags(tables, 90), (std::vector<bool>{false, false, false}));
    EXPECT_EQ(tables.counts(), (ResultCounts{.outOfTol = 1, .inTol = 2, .overLimit = 0}));
}

TEST(ToleranceEvaluationTest, AZeroBandIsOverTheLimitUnlessItIsOutOfTolerance) {
    ValueTables tables = tablesWith({
        {"KEYIN", 5, 0, 0, 5},
        {"KEYIN", 5, 0, 0, 5.2, 0.2},
    });
    const EvaluationSummary summary = evaluateTolerances(tables, 90);
    EXPECT_TRUE(tables.row(1)->overLimit);
    EXPECT_FALSE(tables.row(2)->overLimit);
    EXPECT_EQ(summary.counts, (ResultCounts{.outOfTol = 1, .inTol = 0, .overLimit = 1}));
    EXPECT_EQ(summary.light, TrafficLight::Red);
}

TEST(ToleranceEvaluationTest, EveryRowLiesInExactlyOneCountAndTheLampFollows) {
    ValueTables inTolerance = tablesWith({{"X_LOCATION", 10, 0.1, -0.1, 10.01}});
    const EvaluationSummary green = evaluateTolerances(inTolerance, 90);
    EXPECT_EQ(green.light, TrafficLight::Green);
    EXPECT_EQ(green.outOfTolLabel(), QStringLiteral("0"));
    EXPECT_EQ(green.inTolLabel(), QStringLiteral("1"));

    ValueTables nearLimit =
        tablesWith({{"X_LOCATION", 10, 0.1, -0.1, 10.095}, {"FLATNESS", 0, 0.05, 0, 0.01}});
    const EvaluationSummary yellow = evaluateTolerances(nearLimit, 90);
    EXPECT_EQ(yellow.light, TrafficLight::Yellow);
    EXPECT_EQ(yellow.counts, (ResultCounts{.outOfTol = 0, .inTol = 1, .overLimit = 1}));

    // Out of tolerance beyond the limit counts only as out of tolerance; a negative amount counts too.
    ValueTables outside =
        tablesWith({{"X_LOCATION", 10, 0.1, -0.1, 10.2, 0.1}, {"X_LOCATION", 10, 0.1, -0.1, 9.8, -0.1}});
    const EvaluationSummary red = evaluateTolerances(outside, 90);
    EXPECT_FALSE(outside.row(1)->overLimit);
    EXPECT_EQ(red.counts, (ResultCounts{.outOfTol = 2, .inTol = 0, .overLimit = 0}));
    EXPECT_EQ(red.outOfTolLabel(), QStringLiteral("2"));
    EXPECT_EQ(red.light, TrafficLight::Red);

    ValueTables empty;
    const EvaluationSummary none = evaluateTolerances(empty, 90);
    EXPECT_EQ(none.counts, ResultCounts{});
    EXPECT_EQ(none.light, TrafficLight::Green);
}

TEST(ToleranceEvaluationTest, AHundredPercentFlagsOnlyValuesOutsideTheZone) {
    ValueTables tables = tablesWith({
        {"X_LOCATION", 10, 0.1, -0.1, 10.1},
        {"X_LOCATION", 10, 0.1, -0.1, 10.10001},
        {"FLATNESS", 0, 0.05, 0, 0.05},
    });
    EXPECT_EQ(overLimitFlags(tables, 100), (std::vector<bool>{false, true, false}));
}

TEST(ToleranceEvaluationTest, EvaluatingAgainGivesTheSameResult) {
    ValueTables tables =
        tablesWith({{"X_LOCATION", 10, 0.1, -0.1, 10.095}, {"FLATNESS", 0, 0.05, 0, 0.06, 0.01}});
    evaluateTolerances(tables, 90);
    const EvaluationSummary second = evaluateTolerances(tables, 100);
    EXPECT_FALSE(tables.row(1)->overLimit);
    EXPECT_EQ(second.counts, (ResultCounts{.outOfTol = 1, .inTol = 1, .overLimit = 0}));
}

TEST(ToleranceEvaluationTest, LampColoursDimEveryLampButTheLitOne) {
    EXPECT_EQ(dimmedTrafficLights(), (TrafficLightColours{{0, 64, 0}, {64, 64, 0}, {64, 0, 0}}));
    EvaluationSummary summary;
    summary.light = TrafficLight::Yellow;
    EXPECT_EQ(trafficLightsAfter(summary), (TrafficLightColours{{0, 64, 0}, {255, 255, 0}, {64, 0, 0}}));
    summary.light = TrafficLight::Red;
    EXPECT_EQ(trafficLightsAfter(summary).red, (Rgb{255, 0, 0}));
    summary.light = TrafficLight::Green;
    EXPECT_EQ(trafficLightsAfter(summary).green, (Rgb{0, 255, 0}));
}

TEST(ToleranceEvaluationTest, ThePercentageComesFromTheSettingsWithNinetyForAnythingUnusable) {
    QTemporaryDir dir;
    const SettingsStore settings(
        {dir.filePath(QStringLiteral("machine.ini")), dir.filePath(QStringLiteral("user.ini"))});
    EXPECT_EQ(interventionPercent(settings), 90);
    EXPECT_FALSE(settings.peekSetting(keys::kTolProzent).has_value());
    const std::pair<const char*, double> values[] = {{"80", 80},  {"85,5", 85.5}, {" 75.5 ", 75.5}, {"", 90},
                                                     {"abc", 90}, {"nan", 90},    {"inf", 90}};
    for (const auto& [text, percent] : values) {
        ASSERT_TRUE(settings.writeSetting(keys::kTolProzent, QString::fromLatin1(text)));
        EXPECT_EQ(interventionPercent(settings), percent) << text;
    }
}

}  // namespace
}  // namespace korvex
