#include "ReaderFixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace korvex {
namespace {

// One characteristic row of examples/housing.json, worked out by hand from the file.
struct Expected {
    UniqueId uniqueId;
    const char* typeName;
    const char* axis;
    const char* id;
    const char* element1;
    const char* element2;
    double nominal;
    double measured;
    double deviation;
    double upperTol;
    double lowerTol;
    double outTol;
    double min;
    double max;
    double bonus;
    const char* materialCondition;
    const char* datum1;
    const char* datum2;
    const char* datum3;
    double datumLength;
    const char* outputMode;
    const char* unit;
    int commentIndex;
    bool marked;
    bool overLimit;
};

// The rows with multi-line comments off and every true-position axis kept.
const std::vector<Expected> kAllRows = {
    {{1, 8}, "X_LOCATION", "X",      "LOC_BORE1", "CIR_BORE1", "", 42.5, 42.51235, 0.01235, 0.05,    -0.05,
     0,      42.51235,     42.51235, 0,           "",          "", "",   "",       0,       "BEIDE", "MM",
     1,      true,         false},
    {{1, 9}, "Y_LOCATION", "Y",    "LOC_BORE1", "CIR_BORE1", "", 18, 17.953, -0.047, 0.05,    -0.05,
     0,      17.953,       17.953, 0,           "",          "", "", "",     0,      "BEIDE", "MM",
     1,      false,        true},
    {{1, 10}, "D_LOCATION", "D",    "LOC_BORE1", "CIR_BORE1", "", 12, 12.021, 0.021, 0.018,
     0,       0.003,        12.021, 12.021,      0,           "", "", "",     "",    0,
     "BEIDE", "MM",         1,      false,       false},
    {{1, 13}, "Z_LOCATION", "Z",   "LOC_FACE", "PLN_TOP", "", 35, 35.02, 0.02, 0.1,         -0.1,
     0,       35.02,        35.02, 0,          "",        "", "", "",    0,    "PROTOKOLL", "MM",
     0,       false,        false},
    {{1, 14}, "A_LOCATION", "A",  "LOC_FACE", "PLN_TOP", "", 90, 90.1, 0.1, 0.5,         -0.5,
     0,       90.1,         90.1, 0,          "",        "", "", "",   0,   "PROTOKOLL", "GRAD",
     0,       false,        false},
    {{1, 18},     "TRUE_X_LOCATION",
     "X",         "TP_BORE2",
     "CYL_BORE2", "PLN_TOP",
     60,          60.095,
     0.095,       0.1,
     -0.1,        0,
     60.095,      60.095,
     0,           "",
     "A",         "B",
     "C",         0,
     "BEIDE",     "MM",
     2,           false,
     false},
    {{1, 19},     "TRUE_Y_LOCATION",
     "Y",         "TP_BORE2",
     "CYL_BORE2", "PLN_TOP",
     25,          24.991,
     -0.009,      0.1,
     -0.1,        0,
     24.991,      24.991,
     0,           "",
     "A",         "B",
     "C",         0,
     "BEIDE",     "MM",
     2,           false,
     false},
    {{1, 20},     "TRUE_DIAM_LOCATION",
     "TP",        "TP_BORE2",
     "CYL_BORE2", "PLN_TOP",
     0,           0.0967,
     0.0967,      0.1,
     0,           0,
     0.0912,      0.0967,
     0.04,        "MMC",
     "A",         "B",
     "C",         0,
     "BEIDE",     "MM",
     2,           true,
     true},
    {{1, 23},     "TRUE_X_LOCATION",
     "X",         "TP_BORE3",
     "CYL_BORE3", "",
     -30,         -30.004,
     -0.004,      0.05,
     -0.05,       0,
     -30.004,     -30.004,
     0,           "",
     "A",         "B",
     "",          0,
     "STATISTIK", "MM",
     0,           false,
     false},
    {{1, 24},     "TRUE_Y_LOCATION",
     "Y",         "TP_BORE3",
     "CYL_BORE3", "",
     25,          25.006,
     0.006,       0.05,
     -0.05,       0,
     25.006,      25.006,
     0,           "",
     "A",         "B",
     "",          0,
     "STATISTIK", "MM",
     0,           false,
     false},
    {{12, 345}, "FLATNESS", "M", "FLAT_SEAL", "PLN_SEAL", "", 0, 0.046,   0.046, 0.05, 0,    0,   0.046,
     0.046,     0,          "",  "",          "",         "", 0, "BEIDE", "MM",  3,    true, true},
    {{1, 29}, "ROUNDNESS", "M", "RND_HUB", "CIR_HUB", "", 0, 0.004,       0.004, 0.01, 0,     0,    0.004,
     0.004,   0,           "",  "",        "",        "", 0, "PROTOKOLL", "MM",  0,    false, false},
    {{1, 32},   "2D_DISTANCE",
     "M",       "DIST_HUB_B1",
     "CIR_HUB", "CIR_BORE1",
     55,        55.03,
     0.03,      0.1,
     -0.1,      0,
     55.03,     55.03,
     0,         "",
     "",        "",
     "",        0,
     "BEIDE",   "MM",
     0,         false,
     false},
    {{1, 33}, "3D_DISTANCE", "R",   "DIST_3D", "SPH_1", "SPH_2", 120.25, 120.5, 0.25, 0.2,
     -0.2,    0.05,          120.5, 120.5,     0,       "",      "",     "",    "",   0,
     "BEIDE", "MM",          0,     false,     false},
    {{1, 34}, "2D_ANGLE", "M",     "ANG_SLOT", "LIN_SLOT", "LIN_EDGE", 30,   29.9, -0.1,
     0.25,    -0.25,      0,       29.9,       29.9,       0,          "",   "",   "",
     "",      0,          "BEIDE", "GRAD",     0,          false,      false},
    {{1, 35}, "3D_ANGLE", "M", "ANG_3D", "PLN_TOP", "PLN_SIDE", 90, 90.2,    0.2,    0.5, -0.5,  0,    90.2,
     90.2,    0,          "",  "",       "",        "",         0,  "BEIDE", "GRAD", 0,   false, false},
    {{1, 37},     "PERPENDICULARITY",
     "M",         "PERP_BORE1",
     "CYL_BORE1", "PLN_TOP",
     0,           0.012,
     0.012,       0.03,
     0,           0,
     0.012,       0.012,
     0,           "",
     "",          "",
     "",          25,
     "BEIDE",     "MM",
     5,           false,
     false},
    {{1, 39}, "PARALLELISM", "M",  "PAR_FACES", "PLN_TOP", "PLN_BOTTOM", 0,  0.01, 0.01, 0.04,    0,
     0,       0.01,          0.01, 0,           "",        "",           "", "",   0,    "BEIDE", "MM",
     6,       false,         false},
    {{1, 41}, "RUNOUT", "M", "GEN_RUNOUT", "CYL_HUB", "", 0,    0.01235, 0.01235, 0.03, 0,    0,    0.008,
     0.01235, 0,        "",  "A",          "B",       "", 12.5, "BEIDE", "MM",    7,    true, false},
    {{1, 42}, "FLATNESS", "M", "GEN_FLAT", "PLN_BOTTOM", "", 0, 0.021,       0.021, 0.02, 0,     0.001, 0,
     0.021,   0,          "",  "",         "",           "", 0, "STATISTIK", "MM",  0,    false, false},
    {{1, 48}, "X_LOCATION", "X", "LOC_SLOT", "SLOT1", "", 80,      80.01, 0.01, 0.1,   -0.1, 0, 80.01, 80.01,
     0,       "",           "",  "",         "",      0,  "BEIDE", "MM",  8,    false, false},
    {{1, 49}, "Y_LOCATION", "Y", "LOC_SLOT", "SLOT1", "", 0,       0,    0, 0.1,   -0.1, 0, 0, 0,
     0,       "",           "",  "",         "",      0,  "BEIDE", "MM", 8, false, false},
};

// The rows of true-position axes other than TRUE_DIAM, which the diameter rule leaves out.
const std::vector<UniqueId> kTruePositionCoordinates = {{1, 18}, {1, 19}, {1, 23}, {1, 24}};

const std::vector<QStringList> kSingleEntryComments = {
    {"Bore pattern: position of bore 1", "X from datum B", "Y from datum C"},
    {"True position bore pattern"},
    {"Flatness of the sealing face"},
    {"Distance hub to bore 1"},
    {"<<Check perpendicularity at assembly", "Gauge 7"},
    {"<<#internal check only"},
    {"Generic runout of the hub", "measured on 4 sections"},
    {"Slot position"},
};

const QStringList kLineEntryComments = {
    "Bore pattern: position of bore 1",
    "X from datum B",
    "Y from datum C",
    "True position bore pattern",
    "Flatness of the sealing face",
    "Distance hub to bore 1",
    "<<Check perpendicularity at assembly",
    "Gauge 7",
    "<<#internal check only",
    "Generic runout of the hub",
    "measured on 4 sections",
    "Slot position",
};

std::vector<Expected> withoutTruePositionCoordinates(std::vector<Expected> rows) {
    std::erase_if(rows, [](const Expected& row) {
        return std::ranges::find(kTruePositionCoordinates, row.uniqueId) != kTruePositionCoordinates.end();
    });
    return rows;
}

std::vector<Expected> withCommentIndices(std::vector<Expected> rows, const std::vector<int>& indices) {
    EXPECT_EQ(rows.size(), indices.size());
    for (std::size_t i = 0; i < std::min(rows.size(), indices.size()); ++i)
        rows[i].commentIndex = indices[i];
    return rows;
}

QString text(const char* latin1) {
    return QString::fromLatin1(latin1);
}

void expectRow(const CharacteristicRecord& actual, const Expected& expected) {
    EXPECT_EQ(actual.uniqueId, expected.uniqueId);
    EXPECT_EQ(actual.typeName, text(expected.typeName));
    EXPECT_EQ(actual.axis, text(expected.axis));
    EXPECT_EQ(actual.id, text(expected.id));
    EXPECT_EQ(actual.element1, text(expected.element1));
    EXPECT_EQ(actual.element2, text(expected.element2));
    EXPECT_EQ(actual.element3, QString());
    EXPECT_EQ(actual.nominal, expected.nominal);
    EXPECT_EQ(actual.measured, expected.measured);
    EXPECT_EQ(actual.deviation, expected.deviation);
    EXPECT_EQ(actual.upperTol, expected.upperTol);
    EXPECT_EQ(actual.lowerTol, expected.lowerTol);
    EXPECT_FALSE(std::signbit(actual.lowerTol) && actual.lowerTol == 0) << "a lower tolerance of -0";
    EXPECT_EQ(actual.outTol, expected.outTol);
    EXPECT_EQ(actual.min, expected.min);
    EXPECT_EQ(actual.max, expected.max);
    EXPECT_EQ(actual.bonus, expected.bonus);
    EXPECT_EQ(actual.materialCondition, text(expected.materialCondition));
    EXPECT_EQ(actual.datum1, text(expected.datum1));
    EXPECT_EQ(actual.datum2, text(expected.datum2));
    EXPECT_EQ(actual.datum3, text(expected.datum3));
    EXPECT_EQ(actual.datumLength, expected.datumLength);
    EXPECT_EQ(actual.outputMode, text(expected.outputMode));
    EXPECT_EQ(actual.unit, text(expected.unit));
    EXPECT_EQ(actual.commentIndex, expected.commentIndex);
    EXPECT_EQ(actual.marked, expected.marked);
    EXPECT_EQ(actual.overLimit, expected.overLimit);
}

class HousingGoldenTest : public test::ReaderFixture {
  protected:
    void readHousing(bool multiLine, bool diameterOnly) {
        setSetting(keys::kMultiLine, multiLine ? "1" : "0");
        setSetting(keys::kZozadRegel, diameterOnly ? "TRUE" : "FALSE");
        setSetting(keys::kHeader, "1");
        outcome_ = readExample("housing.json");
        ASSERT_TRUE(outcome_.complete);
    }

    void expectRows(const std::vector<Expected>& expected) {
        ASSERT_EQ(tables_.rowCount(), static_cast<int>(expected.size()));
        for (int number = 1; number <= tables_.rowCount(); ++number) {
            SCOPED_TRACE(QStringLiteral("row %1").arg(number).toStdString());
            expectRow(*tables_.row(number), expected[static_cast<std::size_t>(number - 1)]);
        }
    }

    void expectSingleEntryComments() {
        ASSERT_EQ(tables_.commentCount(), static_cast<int>(kSingleEntryComments.size()));
        for (int entry = 1; entry <= tables_.commentCount(); ++entry) {
            const QStringList& lines = kSingleEntryComments[static_cast<std::size_t>(entry - 1)];
            for (int line = 1; line <= CommentRecord::kLineCount; ++line)
                EXPECT_EQ(tables_.comment(entry)->line(line), lines.value(line - 1)) << entry << "/" << line;
        }
    }

    void expectLineEntryComments() {
        ASSERT_EQ(tables_.commentCount(), kLineEntryComments.size());
        for (int entry = 1; entry <= tables_.commentCount(); ++entry) {
            EXPECT_EQ(tables_.comment(entry)->line(1), kLineEntryComments.value(entry - 1)) << entry;
            EXPECT_EQ(tables_.comment(entry)->line(2), QString()) << entry;
        }
    }

    ReadOutcome outcome_;
};

TEST_F(HousingGoldenTest, SingleEntryCommentsAndEveryAxis) {
    readHousing(false, false);
    expectRows(kAllRows);
    expectSingleEntryComments();
    EXPECT_EQ(tables_.counts(), (ResultCounts{.outOfTol = 3, .inTol = 16, .overLimit = 3}));
    EXPECT_EQ(outcome_.evaluation.light, TrafficLight::Red);
    EXPECT_EQ(tables_.capture().commandIndex, 50);
}

TEST_F(HousingGoldenTest, LineEntryCommentsAndEveryAxis) {
    readHousing(true, false);
    expectRows(
        withCommentIndices(kAllRows, {1, 2, 3, 0, 0, 4, 0, 0, 0, 0, 5, 0, 0, 0, 0, 0, 7, 9, 10, 0, 12, 0}));
    expectLineEntryComments();
    EXPECT_EQ(tables_.counts(), (ResultCounts{.outOfTol = 3, .inTol = 16, .overLimit = 3}));
}

TEST_F(HousingGoldenTest, SingleEntryCommentsAndTheDiameterRule) {
    readHousing(false, true);
    expectRows(withCommentIndices(withoutTruePositionCoordinates(kAllRows),
                                  {1, 1, 1, 0, 0, 2, 3, 0, 0, 0, 0, 0, 5, 6, 7, 0, 8, 8}));
    expectSingleEntryComments();
    EXPECT_EQ(tables_.counts(), (ResultCounts{.outOfTol = 3, .inTol = 12, .overLimit = 3}));
}

TEST_F(HousingGoldenTest, LineEntryCommentsAndTheDiameterRule) {
    readHousing(true, true);
    expectRows(withCommentIndices(withoutTruePositionCoordinates(kAllRows),
                                  {1, 2, 3, 0, 0, 4, 5, 0, 0, 0, 0, 0, 7, 9, 10, 0, 12, 0}));
    expectLineEntryComments();
    EXPECT_EQ(tables_.counts(), (ResultCounts{.outOfTol = 3, .inTol = 12, .overLimit = 3}));
}

TEST_F(HousingGoldenTest, AssignmentsFillTheHeaderDataByTrimmedName) {
    readHousing(false, false);
    const std::vector<HeaderDataValues::Variable> expected{
        {"PART_NO", "HSG-4711"}, {" OPERATOR ", "M. Keller"}, {"BATCH", ""}};
    EXPECT_EQ(headerData_.variables(), expected);
}

}  // namespace
}  // namespace korvex
