#include "SnapshotBuilders.h"
#include "characteristics/CommandCapture.h"
#include "characteristics/HeaderDataValues.h"
#include "characteristics/ValueTables.h"

#include <gtest/gtest.h>

#include <set>

namespace korvex {
namespace {

using namespace test;

class CommandCaptureTest : public ::testing::Test {
  protected:
    ValueTables capture(const std::vector<CommandSnapshot>& commands, const CaptureOptions& options = {}) {
        ValueTables tables;
        tables.reset(static_cast<int>(commands.size()));
        for (const CommandSnapshot& command : commands)
            captureCommand(command, options, tables, headerData_);
        return tables;
    }

    static std::vector<int> commentIndices(const ValueTables& tables) {
        std::vector<int> indices;
        for (const CharacteristicRecord& row : tables.rows())
            indices.push_back(row.commentIndex);
        return indices;
    }

    static std::vector<QString> column(const ValueTables& tables, QString CharacteristicRecord::*field) {
        std::vector<QString> values;
        for (const CharacteristicRecord& row : tables.rows())
            values.push_back(row.*field);
        return values;
    }

    static std::vector<CommandSnapshot> locationXyz(const QStringList& commentLines) {
        return {commentCommand(commentLines), headerCommand(1000, "LOC1", "CIR1"),
                locationAxis(1002, "X"),      locationAxis(1003, "Y"),
                locationAxis(1004, "Z"),      endCommand(1001)};
    }

    static std::vector<CommandSnapshot> truePositionXyDiameter() {
        return {commentCommand({"line 1", "line 2", "line 3"}),
                headerCommand(1200, "TP1", "CYL1"),
                truePositionAxis(1202, "X"),
                truePositionAxis(1203, "Y"),
                truePositionAxis(1209, "TP"),
                endCommand(1201)};
    }

    HeaderDataValues headerData_;
};

TEST_F(CommandCaptureTest, WithoutMultiLineEveryAxisPointsToTheOneCommentEntry) {
    const ValueTables tables = capture(locationXyz({"first", "second", "third"}));
    EXPECT_EQ(commentIndices(tables), (std::vector<int>{1, 1, 1}));
    ASSERT_EQ(tables.commentCount(), 1);
    EXPECT_EQ(tables.comment(1)->line(3), QStringLiteral("third"));
    EXPECT_EQ(tables.comment(1)->line(4), QString());
    EXPECT_EQ(column(tables, &CharacteristicRecord::id), (std::vector<QString>{"LOC1", "LOC1", "LOC1"}));
    EXPECT_EQ(column(tables, &CharacteristicRecord::element1),
              (std::vector<QString>{"CIR1", "CIR1", "CIR1"}));
    EXPECT_EQ(tables.capture().commandIndex, 6);
    EXPECT_FALSE(tables.capture().inLocationDim);
}

TEST_F(CommandCaptureTest, WithMultiLineAxisKGetsLineK) {
    const ValueTables tables = capture(locationXyz({"first", "second", "third"}), {.multiLine = true});
    EXPECT_EQ(commentIndices(tables), (std::vector<int>{1, 2, 3}));
    ASSERT_EQ(tables.commentCount(), 3);
    EXPECT_EQ(tables.comment(2)->line(1), QStringLiteral("second"));
    EXPECT_EQ(tables.comment(2)->line(2), QString());
}

TEST_F(CommandCaptureTest, MultiLineStopsAtTheFirstEmptyLineWhileOneEntryKeepsAllTwenty) {
    const QStringList lines{"first\r\nwrapped", "", "after the gap"};
    const ValueTables single = capture(locationXyz(lines));
    EXPECT_EQ(single.comment(1)->line(1), QStringLiteral("first  wrapped"));
    EXPECT_EQ(single.comment(1)->line(3), QStringLiteral("after the gap"));

    const ValueTables multi = capture(locationXyz(lines), {.multiLine = true});
    EXPECT_EQ(multi.commentCount(), 1);
    EXPECT_EQ(commentIndices(multi), (std::vector<int>{1, 0, 0}));
}

TEST_F(CommandCaptureTest, ACommentAttachesOnlyToTheDimensionThatFollowsDirectly) {
    const ValueTables tables = capture({
        commentCommand({"for the flatness"}),
        plainDimension(1102, "FLAT1"),
        plainDimension(1101, "RND1"),
        commentCommand({"lost"}),
        otherCommand(612),
        plainDimension(1107, "DIST1"),
        commentCommand({"kept across other comments"}),
        commentCommand({"note"}, 2),
        commentCommand({"EEK"}, 3),
        plainDimension(1103, "PERP1"),
    });
    EXPECT_EQ(commentIndices(tables), (std::vector<int>{1, 0, 0, 3}));
    EXPECT_EQ(tables.commentCount(), 3);
}

TEST_F(CommandCaptureTest, TheDiameterRuleKeepsOnlyTheTrueDiameterAxis) {
    const ValueTables all = capture(truePositionXyDiameter());
    EXPECT_EQ(column(all, &CharacteristicRecord::axis), (std::vector<QString>{"X", "Y", "TP"}));

    const ValueTables diameterOnly = capture(truePositionXyDiameter(), {.truePositionDiameterOnly = true});
    EXPECT_EQ(column(diameterOnly, &CharacteristicRecord::typeName),
              (std::vector<QString>{"TRUE_DIAM_LOCATION"}));
    EXPECT_EQ(diameterOnly.row(1)->id, QStringLiteral("TP1"));
}

TEST_F(CommandCaptureTest, WithMultiLineTheOnlyKeptAxisTakesTheFirstLine) {
    const ValueTables all = capture(truePositionXyDiameter(), {.multiLine = true});
    EXPECT_EQ(commentIndices(all), (std::vector<int>{1, 2, 3}));
    const ValueTables diameterOnly =
        capture(truePositionXyDiameter(), {.multiLine = true, .truePositionDiameterOnly = true});
    EXPECT_EQ(commentIndices(diameterOnly), (std::vector<int>{1}));
}

TEST_F(CommandCaptureTest, ANewCommentReplacesEveryLineOfAnOlderLongerOne) {
    const ValueTables tables = capture(
        {
            commentCommand({"old 1", "old 2", "old 3"}),
            plainDimension(1102, "FLAT1"),
            commentCommand({"new"}),
            headerCommand(1000, "LOC1", "CIR1"),
            locationAxis(1002, "X"),
            locationAxis(1003, "Y"),
            locationAxis(1004, "Z"),
            endCommand(1001),
        },
        {.multiLine = true});
    EXPECT_EQ(commentIndices(tables), (std::vector<int>{1, 4, 0, 0}));
}

TEST_F(CommandCaptureTest, AxesPastTheTwentiethGetNoCommentLine) {
    QStringList lines;
    for (int number = 1; number <= 20; ++number)
        lines.append(QStringLiteral("line %1").arg(number));
    std::vector<CommandSnapshot> commands{commentCommand(lines), headerCommand(1000, "LOC1", "CIR1")};
    for (int axis = 1; axis <= 22; ++axis)
        commands.push_back(locationAxis(1002, QStringLiteral("X%1").arg(axis)));
    const ValueTables tables = capture(commands, {.multiLine = true});
    ASSERT_EQ(tables.rowCount(), 22);
    EXPECT_EQ(tables.row(20)->commentIndex, 20);
    EXPECT_EQ(tables.row(21)->commentIndex, 0);
    EXPECT_EQ(tables.row(22)->commentIndex, 0);
}

TEST_F(CommandCaptureTest, UnitsFollowTheKindOfRowAndAnglesAreInDegrees) {
    const ValueTables tables = capture({
        headerCommand(1000, "LOC1", "CIR1", 2, 0),
        locationAxis(1002, "X"),
        locationAxis(1007, "A"),
        endCommand(1001),
        headerCommand(1000, "LOC2", "CIR2", 2, 5),
        locationAxis(1007, "A"),
        endCommand(1001),
        headerCommand(1200, "TP1", "CYL1", 2, 0),
        truePositionAxis(1209, "TP"),
        endCommand(1201),
        plainDimension(1109, "ANG2D", "", 0),
        plainDimension(1108, "ANG3D", "", 1),
        plainDimension(1109, "ANG_ODD", "", 7),
        plainDimension(1107, "DIST", "", 0),
        plainDimension(1106, "DIST3", "", 1),
    });
    EXPECT_EQ(column(tables, &CharacteristicRecord::unit),
              (std::vector<QString>{"ZOLL", "GRAD", "", "ZOLL", "GRAD", "GRAD", "", "ZOLL", "MM"}));
}

TEST_F(CommandCaptureTest, OutputCodesBecomeWords) {
    std::vector<CommandSnapshot> commands;
    for (int code : {0, 1, 2, 3, -1}) {
        CommandSnapshot command = plainDimension(1102, "FLAT");
        command.dimension->outputCode = code;
        commands.push_back(command);
    }
    for (int code : {1, 2, 3, 4, 0}) {
        commands.push_back(genericCommand("GEN", {.genericCode = 10, .outputCode = code, .unitCode = code}));
    }
    const ValueTables tables = capture(commands);
    EXPECT_EQ(column(tables, &CharacteristicRecord::outputMode),
              (std::vector<QString>{"STATISTIK", "PROTOKOLL", "BEIDE", "KEINE", "KEINE", "STATISTIK",
                                    "PROTOKOLL", "BEIDE", "KEINE", "Unknown Type"}));
    EXPECT_EQ(tables.row(6)->unit, QStringLiteral("ZOLL"));
    EXPECT_EQ(tables.row(7)->unit, QStringLiteral("MM"));
    EXPECT_EQ(tables.row(8)->unit, QStringLiteral("UNDEFINED"));
}

TEST_F(CommandCaptureTest, PlainDimensionsWithoutAnAxisLabelGetM) {
    const ValueTables tables = capture({plainDimension(1106, "D1", ""), plainDimension(1106, "D2", "R")});
    EXPECT_EQ(column(tables, &CharacteristicRecord::axis), (std::vector<QString>{"M", "R"}));
}

TEST_F(CommandCaptureTest, TruePositionDatumsAreSkippedForOldHostsButGenericDatumsAreNot) {
    CommandSnapshot axis = truePositionAxis(1209, "TP");
    axis.dimension->datumLabels = {"A", "B", "C"};
    const GenericFieldsSnapshot fields{.genericCode = 2, .datumLabels = {"D", "E", "F"}};
    const std::vector<CommandSnapshot> commands{headerCommand(1200, "TP1", "CYL1"), axis, endCommand(1201),
                                                genericCommand("GEN1", fields)};

    const ValueTables current = capture(commands);
    EXPECT_EQ(column(current, &CharacteristicRecord::datum3), (std::vector<QString>{"C", "F"}));
    const ValueTables old = capture(commands, {.skipTruePositionDatums = true});
    EXPECT_EQ(column(old, &CharacteristicRecord::datum1), (std::vector<QString>{"", "D"}));
}

// The diameter-like axes of a true position (DD, DF, diameter, D1 to D3) carry the host's material
// condition; the coordinate and the other axes never do.
TEST_F(CommandCaptureTest, OnlyTheSixDiameterAxesOfATruePositionCarryTheMaterialCondition) {
    const std::set<int> withCondition = {1205, 1206, 1209, 1214, 1215, 1216};
    for (int type = 1202; type <= 1216; ++type) {
        CommandSnapshot axis = truePositionAxis(type, "TP");
        axis.materialCondition = QStringLiteral("MMC");
        const ValueTables tables = capture({headerCommand(1200, "TP1", "CYL1"), axis, endCommand(1201)});
        ASSERT_EQ(tables.rowCount(), 1) << type;
        EXPECT_EQ(tables.rows().front().materialCondition,
                  withCondition.contains(type) ? QStringLiteral("MMC") : QString())
            << type;
    }
}

TEST_F(CommandCaptureTest, AGenericCommandMakesOneRowEvenWhenItCallsItselfADimension) {
    CommandSnapshot generic = genericCommand("GEN1", {.genericCode = 10, .measured = 0.02});
    generic.isDimension = true;
    generic.dimension = DimensionSnapshot{.name = "GEN1", .isLocationAxis = false};
    const ValueTables tables = capture({commentCommand({"generic"}), generic, plainDimension(1102, "FLAT")});
    ASSERT_EQ(tables.rowCount(), 2);
    EXPECT_EQ(tables.row(1)->typeName, QStringLiteral("FLATNESS"));
    EXPECT_EQ(tables.row(1)->commentIndex, 1);
    EXPECT_EQ(tables.row(2)->commentIndex, 0);
}

TEST_F(CommandCaptureTest, TheGenericDatumLengthIsReadWithAPointOrAComma) {
    std::vector<CommandSnapshot> commands;
    for (const char* text : {"12.5", "12,5", "", "n/a", "0.1234567"})
        commands.push_back(genericCommand("GEN", {.datumLengthText = QString::fromLatin1(text)}));
    const ValueTables tables = capture(commands);
    std::vector<double> lengths;
    for (const CharacteristicRecord& row : tables.rows())
        lengths.push_back(row.datumLength);
    EXPECT_EQ(lengths, (std::vector<double>{12.5, 12.5, 0, 0, 0.12346}));
}

TEST_F(CommandCaptureTest, CommandsThatMakeNoRow) {
    CommandSnapshot reportedEnd = plainDimension(1201, "TP1");
    const ValueTables tables = capture({
        headerCommand(1000, "LOC1", "CIR1"),
        endCommand(1001),
        plainDimension(1299, "SUMMARY"),
        reportedEnd,
        otherCommand(10),
    });
    EXPECT_EQ(tables.rowCount(), 0);
    EXPECT_EQ(tables.capture().commandIndex, 5);
}

TEST_F(CommandCaptureTest, AssignmentsFillTheHeaderDataOnlyWhenSwitchedOn) {
    headerData_.setNames({"PART_NO"});
    capture({assignmentCommand("PART_NO", "4711")});
    EXPECT_EQ(headerData_.variables()[0].value, QString());
    capture({assignmentCommand("PART_NO", "4711")}, {.headerData = true});
    EXPECT_EQ(headerData_.variables()[0].value, QStringLiteral("4711"));
}

}  // namespace
}  // namespace korvex
