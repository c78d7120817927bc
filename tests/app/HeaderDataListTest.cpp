#include "app/SessionFixture.h"
#include "app/core/HeaderDataFile.h"
#include "app/core/HeaderDataList.h"
#include "app/core/HeaderGridKeys.h"
#include "characteristics/HeaderDataValues.h"

#include <QDir>

namespace korvex {
namespace {

using HeaderDataListTest = test::SessionFixture;

TEST(HeaderDataListEdits, AddsTrimmedNamesAndRemovesOnlyWhatIsThere) {
    HeaderDataList list;
    EXPECT_TRUE(list.add(QStringLiteral("  Operator ")));
    EXPECT_FALSE(list.add(QStringLiteral("   ")));
    EXPECT_FALSE(list.add(QString()));
    // A pasted line break would split the name over two lines of the file.
    EXPECT_TRUE(list.add(QStringLiteral("Part\r\nno")));
    EXPECT_TRUE(list.add(QStringLiteral("Operator")));  // duplicates are allowed
    EXPECT_EQ(list.names(), (QStringList{QStringLiteral("Operator"), QStringLiteral("Part  no"),
                                         QStringLiteral("Operator")}));
    EXPECT_FALSE(list.remove(-1));
    EXPECT_FALSE(list.remove(3));
    EXPECT_TRUE(list.remove(0));
    EXPECT_EQ(list.names().size(), 2);
}

TEST_F(HeaderDataListTest, ReadsAndWritesTheFileInTheProgramFolder) {
    HeaderDataList list;
    ASSERT_TRUE(list.load(session_.programFolder, AnsiCodePage::Windows1252));
    EXPECT_EQ(list.names(), (QStringList{QStringLiteral("Operator"), QStringLiteral("Machine")}));
    ASSERT_TRUE(list.add(QString::fromUtf8("Prüfer")));
    ASSERT_TRUE(saveHeaderDataNames(session_, list.names(), user_));
    EXPECT_EQ(test::readFile(headerDataPath()), QByteArray("Operator\r\nMachine\r\nPr\xFC"
                                                           "fer\r\n"));

    list.clear();
    ASSERT_TRUE(saveHeaderDataNames(session_, list.names(), user_));
    EXPECT_EQ(test::readFile(headerDataPath()), QByteArray());
    EXPECT_TRUE(user_.messages.empty());

    // An unreadable file leaves the list as it is.
    ASSERT_TRUE(list.add(QStringLiteral("Kept")));
    ASSERT_TRUE(QFile::remove(headerDataPath()));
    EXPECT_FALSE(list.load(session_.programFolder, AnsiCodePage::Windows1252));
    EXPECT_EQ(list.names(), QStringList{QStringLiteral("Kept")});
}

TEST_F(HeaderDataListTest, AFailedWriteIsToldAndKeepsTheOldList) {
    // A folder in the file's place: the new list cannot be put there.
    ASSERT_TRUE(QFile::remove(headerDataPath()));
    ASSERT_TRUE(QDir().mkpath(headerDataPath()));
    EXPECT_FALSE(saveHeaderDataNames(session_, {QStringLiteral("A")}, user_));
    ASSERT_EQ(user_.messages.size(), 1U);
    EXPECT_TRUE(
        user_.messages[0].text.startsWith(QStringLiteral("The header data file could not be written")));
    EXPECT_TRUE(user_.messages[0].text.endsWith(headerDataPath()));
    EXPECT_TRUE(QFileInfo(headerDataPath()).isDir());
}

TEST(HeaderVariableRename, ValuesAndPlacesStayWithTheirNames) {
    HeaderDataValues values;
    values.setNames({QStringLiteral("Operator"), QStringLiteral(" Machine"), QStringLiteral("Order")});
    values.assign(QStringLiteral("Operator"), QStringLiteral("Meier"));
    values.assign(QStringLiteral("Machine"), QStringLiteral("CMM 3"));
    renameHeaderVariables(values,
                          {QStringLiteral(" Machine"), QStringLiteral("Part"), QStringLiteral("Operator")});
    const auto& variables = values.variables();
    ASSERT_EQ(variables.size(), 3U);
    EXPECT_EQ(variables[0].value, QStringLiteral("CMM 3"));
    EXPECT_EQ(variables[1].value, QString());
    EXPECT_EQ(variables[2].value, QStringLiteral("Meier"));

    renameHeaderVariables(values, {});
    EXPECT_TRUE(values.variables().empty());

    EXPECT_EQ(carryOverByName({QStringLiteral("A"), QStringLiteral("B")},
                              {QStringLiteral("1"), QStringLiteral("2")},
                              {QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("A")}),
              (QStringList{QStringLiteral("2"), QString(), QStringLiteral("1")}));
}

// A grid of three header variables: rows 1 to 3 below the heading, place columns 1 and 2.
constexpr int kRows = 4;
constexpr int kColumns = 3;

GridCell next(GridCell from, GridKey key) {
    return nextHeaderGridCell(from, key, kRows, kColumns);
}

TEST(HeaderGridKeys, MoveWithinTheGridAndWrapAtRowEnds) {
    EXPECT_EQ(next({1, 1}, GridKey::Right), (GridCell{1, 2}));
    EXPECT_EQ(next({1, 2}, GridKey::Right), (GridCell{2, 1}));
    EXPECT_EQ(next({2, 1}, GridKey::Left), (GridCell{1, 2}));
    EXPECT_EQ(next({2, 2}, GridKey::Left), (GridCell{2, 1}));
    EXPECT_EQ(next({1, 2}, GridKey::Down), (GridCell{2, 2}));
    EXPECT_EQ(next({3, 1}, GridKey::Up), (GridCell{2, 1}));
}

TEST(HeaderGridKeys, StayPutAtTheEdges) {
    EXPECT_EQ(next({1, 1}, GridKey::Up), (GridCell{1, 1}));
    EXPECT_EQ(next({1, 1}, GridKey::Left), (GridCell{1, 1}));
    EXPECT_EQ(next({3, 2}, GridKey::Down), (GridCell{3, 2}));
    EXPECT_EQ(next({3, 2}, GridKey::Right), (GridCell{3, 2}));
    EXPECT_EQ(next({3, 1}, GridKey::Down), (GridCell{3, 1}));
    // Only the heading row: nowhere to go.
    EXPECT_EQ(nextHeaderGridCell({1, 1}, GridKey::Down, 1, kColumns), (GridCell{1, 1}));
    EXPECT_EQ(nextHeaderGridCell({1, 1}, GridKey::Right, 1, kColumns), (GridCell{1, 1}));
}

}  // namespace
}  // namespace korvex
