#include "host/simserver/SnapshotReplySize.h"

#include <gtest/gtest.h>

namespace korvex::test {
namespace {

CommandSnapshot commentOf(qsizetype length) {
    return {.isComment = true, .comment = CommentSnapshot{.text = QString(length, QLatin1Char('c'))}};
}

TEST(SnapshotReplySizeTest, TextsCountInTheBytesTheyTakeOnTheBus) {
    EXPECT_EQ(utf8Size(u"abc"), 3);
    // Two, three and four bytes: a Latin letter, the euro sign, a character beyond the 16-bit plane.
    EXPECT_EQ(utf8Size(QStringView(u"\u00e4\u20ac\U0001F600")), 9);
    EXPECT_GT(marshalledSize(commentOf(1000)) - marshalledSize(commentOf(0)), 999);
    CommandSnapshot dimension{
        .dimension = DimensionSnapshot{.datumLabels = {QString(), QString(), QString(500, 'd')}}};
    EXPECT_GT(marshalledSize(dimension), 500);
}

TEST(SnapshotReplySizeTest, AReplyEndsBeforeTheBudgetIsPassedButAlwaysHoldsOneCommand) {
    EXPECT_EQ(snapshotsWithinBudget({}, 100), 0);
    EXPECT_EQ(snapshotsWithinBudget({commentOf(5000), commentOf(1)}, 100), 1);
    const std::vector<CommandSnapshot> three{commentOf(1000), commentOf(1000), commentOf(1000)};
    EXPECT_EQ(snapshotsWithinBudget(three, marshalledSize(three[0]) * 2), 2);
    EXPECT_EQ(snapshotsWithinBudget(three, marshalledSize(three[0]) * 2 - 1), 1);
    EXPECT_EQ(snapshotsWithinBudget(three, kSnapshotReplyBudget), 3);
}

TEST(SnapshotReplySizeTest, TheFirstCommandOverTheLimitIsFound) {
    EXPECT_EQ(firstSnapshotOverLimit({}, 100), std::nullopt);
    EXPECT_EQ(firstSnapshotOverLimit({commentOf(1), commentOf(1)}, 10000), std::nullopt);
    EXPECT_EQ(firstSnapshotOverLimit({commentOf(1), commentOf(20000), commentOf(30000)}, 10000), 1);
}

}  // namespace
}  // namespace korvex::test
