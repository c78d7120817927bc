#include "app/core/CharacteristicDisplay.h"
#include "app/core/CharacteristicSelection.h"
#include "characteristics/CommentRecord.h"

#include <gtest/gtest.h>

namespace korvex {
namespace {

CharacteristicRecord row(const char* output, double outTol, bool overLimit, bool marked) {
    CharacteristicRecord record;
    record.outputMode = QString::fromLatin1(output);
    record.outTol = outTol;
    record.overLimit = overLimit;
    record.marked = marked;
    return record;
}

// In tolerance, over the limit, out of tolerance, out of tolerance below the lower limit (a negative
// amount), statistics only, marked in tolerance for both outputs, marked out of tolerance.
const std::vector<CharacteristicRecord> kRows = {
    row("PROTOKOLL", 0, false, false),    row("PROTOKOLL", 0, true, false),   row("BEIDE", 0.2, false, false),
    row("PROTOKOLL", -0.1, false, false), row("STATISTIK", 0.5, false, true), row("BEIDE", 0, false, true),
    row("PROTOKOLL", 0.3, true, true),
};

Selection selectionOf(std::initializer_list<int> items) {
    Selection selection(kRows.size(), false);
    for (const int item : items) {
        selection[static_cast<std::size_t>(item)] = true;
    }
    return selection;
}

TEST(MarkButtons, SelectByEvaluationState) {
    const Selection none(kRows.size(), false);
    // A negative amount is neither in tolerance nor out of tolerance for the marking.
    EXPECT_EQ(applyMarkButton(MarkButton::InTolerance, kRows, none, true), selectionOf({0, 5}));
    EXPECT_EQ(applyMarkButton(MarkButton::OutOfTolerance, kRows, none, true), selectionOf({2, 4, 6}));
    EXPECT_EQ(applyMarkButton(MarkButton::OverLimit, kRows, none, true), selectionOf({1, 6}));
    EXPECT_EQ(applyMarkButton(MarkButton::MarkedInProgram, kRows, selectionOf({0}), false),
              selectionOf({5, 6}));
    EXPECT_EQ(applyMarkButton(MarkButton::All, kRows, none, false), Selection(kRows.size(), true));
    EXPECT_EQ(applyMarkButton(MarkButton::Clear, kRows, selectionOf({1, 2}), false), none);
}

TEST(MarkButtons, TheStateButtonsAddToTheMarkingUnlessItIsReplaced) {
    EXPECT_EQ(applyMarkButton(MarkButton::OverLimit, kRows, selectionOf({0}), false), selectionOf({0, 1, 6}));
    EXPECT_EQ(applyMarkButton(MarkButton::OverLimit, kRows, selectionOf({0}), true), selectionOf({1, 6}));
    EXPECT_TRUE(asksBeforeReplacing(MarkButton::InTolerance));
    EXPECT_FALSE(asksBeforeReplacing(MarkButton::All));
    EXPECT_FALSE(asksBeforeReplacing(MarkButton::MarkedInProgram));
}

TEST(StartOptions, SelectProtocolRowsByModeAndWord) {
    EXPECT_EQ(startOptionSelection(kRows, RunMode::All, QStringLiteral("ALL")),
              selectionOf({0, 1, 2, 3, 5, 6}));
    EXPECT_EQ(startOptionSelection(kRows, RunMode::All, QStringLiteral("alo")),
              selectionOf({0, 1, 2, 3, 5, 6}));
    EXPECT_EQ(startOptionSelection(kRows, RunMode::All, QStringLiteral("  ")),
              selectionOf({0, 1, 2, 3, 5, 6}));
    EXPECT_EQ(startOptionSelection(kRows, RunMode::All, QStringLiteral("OOT")), selectionOf({1, 2, 6}));
    EXPECT_EQ(startOptionSelection(kRows, RunMode::Marked, QStringLiteral("ALL")), selectionOf({5, 6}));
    EXPECT_EQ(startOptionSelection(kRows, RunMode::Online, QStringLiteral("OOT")), selectionOf({6}));
    for (const char* other : {"oot", "XYZ", "ALLE"}) {
        EXPECT_EQ(startOptionSelection(kRows, RunMode::All, QString::fromLatin1(other)),
                  Selection(kRows.size(), false))
            << other;
    }
}

TEST(CharacteristicDisplay, ShowsFieldsWithTheBonusOnlyUnderAMaterialCondition) {
    CharacteristicRecord record;
    record.id = QStringLiteral("BORE_1");
    record.axis = QStringLiteral("X");
    record.typeName = QStringLiteral("TRUE_DIAM_LOCATION");
    record.nominal = 12.5;
    record.lowerTol = -0.05;
    record.bonus = 0.02;
    record.marked = true;
    record.uniqueId = {12, 345};
    EXPECT_EQ(listEntryText(record, false), QStringLiteral("BORE_1.X"));
    EXPECT_EQ(listEntryText(record, true), QStringLiteral("BORE_1"));

    auto texts = valueGridTexts(record, QStringLiteral("BORE_1.X"), u',');
    EXPECT_EQ(texts[1], QStringLiteral("BORE_1.X"));
    EXPECT_EQ(texts[3], QStringLiteral("12,5"));
    EXPECT_EQ(texts[5], QStringLiteral("-0,05"));
    EXPECT_EQ(texts[10], QString());
    EXPECT_EQ(texts[21], QStringLiteral("True"));
    EXPECT_EQ(texts[23], QStringLiteral("12345"));

    record.materialCondition = QStringLiteral("MMC");
    texts = valueGridTexts(record, QString(), u'.');
    EXPECT_EQ(texts[9], QStringLiteral("MMC"));
    EXPECT_EQ(texts[10], QStringLiteral("0.02"));
}

TEST(CharacteristicDisplay, ColoursTellOutOfToleranceAndOverLimit) {
    const Rgb red{255, 0, 0};
    const Rgb yellow{255, 255, 0};
    const Rgb green{0, 255, 0};
    EXPECT_EQ(pickedColour(kRows[1]), yellow);
    EXPECT_EQ(firstShownColour(kRows[1]), green);
    EXPECT_EQ(pickedColour(kRows[3]), red);  // a negative amount shows red
    EXPECT_EQ(pickedColour(kRows[0]), green);
}

TEST(CharacteristicDisplay, CommentLinesStopAtTheFirstEmptyLine) {
    CommentRecord comment;
    comment.setLine(1, QStringLiteral("first"));
    comment.setLine(2, QStringLiteral("second"));
    comment.setLine(4, QStringLiteral("after a gap"));
    EXPECT_EQ(commentLines(&comment), QStringList({"first", "second"}));
    EXPECT_TRUE(commentLines(nullptr).isEmpty());
}

}  // namespace
}  // namespace korvex
