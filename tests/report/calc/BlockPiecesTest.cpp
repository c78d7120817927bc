// How a block write is cut into calls: only empty values split it.

#include "report/calc/BlockPieces.h"

#include <gtest/gtest.h>

namespace korvex::calc {
namespace {

using Pieces = std::vector<BlockPiece>;

const CellValue kEmpty{};
const CellValue kText{QStringLiteral("x")};
const CellValue kNumber{1.5};

TEST(BlockPieces, FullBlocksAndRowsOfHolesAreFewRectangles) {
    const std::vector<CellValue> full = {kText, kNumber, kText, kNumber, kText, kNumber};
    EXPECT_EQ(filledPieces(3, full), (Pieces{{0, 0, 2, 3}}));

    // A hole in the middle column of two rows: left and right columns stay two rectangles each two
    // rows high.
    const std::vector<CellValue> holed = {kText, kEmpty, kNumber, kText, kEmpty, kNumber};
    EXPECT_EQ(filledPieces(3, holed), (Pieces{{0, 0, 2, 1}, {0, 2, 2, 1}}));

    // A row whose run differs ends the rectangle above it.
    const std::vector<CellValue> stepped = {kText, kText, kEmpty, kText, kText, kText, kText, kText, kText};
    EXPECT_EQ(filledPieces(3, stepped), (Pieces{{0, 0, 1, 2}, {1, 0, 2, 3}}));
}

TEST(BlockPieces, EmptyBlocksAndShortLastRowsWriteNothingBeyondTheValues) {
    EXPECT_TRUE(filledPieces(2, std::vector<CellValue>{kEmpty, kEmpty, kEmpty}).empty());
    EXPECT_TRUE(filledPieces(0, std::vector<CellValue>{kText}).empty());
    EXPECT_TRUE(filledPieces(3, std::vector<CellValue>{}).empty());
    // The last row holds one value of three: it is a piece of its own, one cell wide.
    const std::vector<CellValue> ragged = {kText, kText, kText, kNumber};
    EXPECT_EQ(filledPieces(3, ragged), (Pieces{{0, 0, 1, 3}, {1, 0, 1, 1}}));
}

}  // namespace
}  // namespace korvex::calc
