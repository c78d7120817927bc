#include "ProtocolTestProgram.h"

#include "host/CommandSnapshot.h"
#include "report/protocol/ProtocolRows.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace korvex::test {
namespace {

CommandSnapshot snapshotOf(const SimCommand& command) {
    return {.typeCode = command.typeCode,
            .identifierText = command.identifierText,
            .isDimension = command.isDimension,
            .isComment = command.isComment,
            .isMarked = command.marked,
            .uniqueId = command.uniqueId,
            .materialCondition = {},
            .dimension = command.dimension,
            .comment = std::nullopt,
            .assignment = std::nullopt,
            .generic = std::nullopt};
}

// Column A of every line the commands give, titles prefixed with "#".
QStringList columnA(ProtocolRows& rows, ProtocolEvent event, const std::vector<SimCommand>& commands) {
    QStringList texts;
    for (const SimCommand& command : commands) {
        for (const ProtocolLine& line : rows.linesFor(event, snapshotOf(command))) {
            texts << (line.kind == ProtocolLine::Kind::Title ? u'#' + line.text : line.text);
        }
    }
    return texts;
}

TEST(ProtocolRowsTest, AddedCommandsNeedNoMarkButExecutedOnesDo) {
    const SimCommand unmarked = protocolDimension(
        1107, QStringLiteral("DIST2"), {QStringLiteral("PNT7"), QStringLiteral("PNT8"), {}}, false);
    ProtocolRows rows;
    EXPECT_TRUE(rows.linesFor(ProtocolEvent::Executed, snapshotOf(unmarked)).empty());
    EXPECT_EQ(columnA(rows, ProtocolEvent::Added, {unmarked}),
              (QStringList{"#DIST2", "2D_DISTANCE von PNT7--PNT8"}));
    EXPECT_TRUE(rows.linesFor(ProtocolEvent::Added, snapshotOf(protocolComment())).empty());
}

TEST(ProtocolRowsTest, TypeTextsStopAtTheFirstBlankNameAndKeepTheNamesUntrimmed) {
    const QString t = QStringLiteral("T");
    EXPECT_EQ(protocolTypeText(t, {"A", "B", "C"}), "T von A--B--C");
    EXPECT_EQ(protocolTypeText(t, {" A ", "B", ""}), "T von  A --B");
    EXPECT_EQ(protocolTypeText(t, {"A", "", ""}), "T von A");
    EXPECT_EQ(protocolTypeText(t, {"A", "   ", "C"}), "");
    EXPECT_EQ(protocolTypeText(t, {"", "B", "C"}), "");
    // Only spaces count as blank.
    EXPECT_EQ(protocolTypeText(t, {"\t", "", ""}), "T von \t");
}

TEST(ProtocolRowsTest, ValuesAreRoundedToThreeDecimalsWithTheLowerToleranceNegated) {
    ProtocolRows rows;
    SimCommand distance = protocolDimension(1107, QStringLiteral("D"), {QStringLiteral("P"), {}, {}});
    distance.dimension->bonus = std::numeric_limits<double>::quiet_NaN();
    distance.dimension->outOfTolerance = std::numeric_limits<double>::infinity();
    const auto lines = rows.linesFor(ProtocolEvent::Executed, snapshotOf(distance));
    ASSERT_EQ(lines.size(), 2U);
    const ProtocolLine::ValueCells expected = {10.0, 10.013, 0.013, 0.1, -0.05, std::nullopt, std::nullopt};
    EXPECT_EQ(lines[1].values, expected);
    EXPECT_EQ(lines[0].values, ProtocolLine::ValueCells{});
}

TEST(ProtocolRowsTest, TrueDiameterLocationShowsZeroLowerToleranceAndAZeroStaysPositive) {
    ProtocolRows rows;
    SimCommand diameter = protocolAxis(1209, QStringLiteral("TP1"), true, 0.0125);
    const auto lines = rows.linesFor(ProtocolEvent::Executed, snapshotOf(diameter));
    ASSERT_EQ(lines.size(), 1U);
    ASSERT_TRUE(lines[0].values[4]);
    EXPECT_EQ(*lines[0].values[4], 0.0);
    EXPECT_FALSE(std::signbit(*lines[0].values[4]));

    SimCommand flat = protocolDimension(1102, QStringLiteral("F"), {QStringLiteral("P"), {}, {}});
    flat.dimension->minusTolerance = 0;
    EXPECT_FALSE(std::signbit(*rows.linesFor(ProtocolEvent::Executed, snapshotOf(flat))[1].values[4]));
}

TEST(ProtocolRowsTest, ADimensionWithoutItsObjectGetsItsRowsWithoutValues) {
    ProtocolRows rows;
    SimCommand broken = protocolDimension(1102, QStringLiteral("F"), {QStringLiteral("P"), {}, {}});
    broken.dimension.reset();
    const auto lines = rows.linesFor(ProtocolEvent::Executed, snapshotOf(broken));
    ASSERT_EQ(lines.size(), 2U);
    EXPECT_EQ(lines[1].text, "");
    EXPECT_EQ(lines[1].values, ProtocolLine::ValueCells{});
}

}  // namespace
}  // namespace korvex::test
