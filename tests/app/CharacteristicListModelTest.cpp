#include "app/core/CharacteristicListModel.h"
#include "app/core/MarkingRanges.h"
#include "characteristics/ValueTables.h"

#include <gtest/gtest.h>

namespace korvex {
namespace {

ValueTables tablesOf(int rows) {
    ValueTables tables;
    for (int i = 1; i <= rows; ++i) {
        CharacteristicRecord& row = tables.appendRow();
        row.id = QStringLiteral("D%1").arg(i);
        row.axis = QStringLiteral("X");
    }
    return tables;
}

TEST(CharacteristicListModel, ListsTheRowsItWasShownAndNothingStale) {
    ValueTables tables = tablesOf(3);
    CharacteristicListModel model(tables, nullptr);
    EXPECT_EQ(model.rowCount(), 0);

    model.showRows(false);
    ASSERT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.index(2, 0).data().toString(), QStringLiteral("D3.X"));
    model.showRows(true);
    EXPECT_EQ(model.entryText(1), QStringLiteral("D1"));

    // Tables refilled with fewer rows before the list is: the missing rows show nothing.
    tables = tablesOf(1);
    EXPECT_EQ(model.entryText(3), QString());
    EXPECT_EQ(model.entryText(0), QString());

    model.clear();
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(model.entryText(1), QString());  // not listed, though the tables hold it
}

TEST(MarkingRanges, MarkingsBecomeOneRangePerRunAndComeBackUnchanged) {
    const ValueTables tables = tablesOf(7);
    CharacteristicListModel model(tables, nullptr);
    model.showRows(false);

    const Selection marking = {true, true, false, true, false, false, true};
    const QItemSelection ranges = itemSelectionOf(marking, model);
    ASSERT_EQ(ranges.size(), 3);
    EXPECT_EQ(ranges[0].top(), 0);
    EXPECT_EQ(ranges[0].bottom(), 1);
    EXPECT_EQ(ranges[2].top(), 6);
    EXPECT_EQ(ranges[2].bottom(), 6);
    EXPECT_EQ(markingOf(ranges, 7), marking);

    EXPECT_EQ(itemSelectionOf(Selection(7, true), model).size(), 1);
    EXPECT_TRUE(itemSelectionOf(Selection(7, false), model).isEmpty());
    EXPECT_TRUE(itemSelectionOf({}, model).isEmpty());
}

TEST(MarkingRanges, RowsOutsideTheListAreNeitherSelectedNorReported) {
    const ValueTables tables = tablesOf(3);
    CharacteristicListModel model(tables, nullptr);
    model.showRows(false);

    // A marking longer than the list is cut at its end.
    const QItemSelection ranges = itemSelectionOf(Selection(5, true), model);
    ASSERT_EQ(ranges.size(), 1);
    EXPECT_EQ(ranges[0].bottom(), 2);

    // A selection reaching past the rows asked for is cut to them.
    EXPECT_EQ(markingOf(ranges, 2), Selection({true, true}));
    EXPECT_TRUE(markingOf(ranges, 0).empty());
    EXPECT_EQ(markingOf(QItemSelection(), 2), Selection({false, false}));
}

}  // namespace
}  // namespace korvex
