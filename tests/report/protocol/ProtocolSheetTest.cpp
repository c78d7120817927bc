#include "report/Worksheet.h"
#include "report/protocol/ProtocolSheet.h"

#include <gtest/gtest.h>

#include <vector>

namespace korvex::test {
namespace {

// A sheet of any size that keeps only where blocks were written and which rows were merged.
class BlockRecordingSheet final : public Worksheet {
  public:
    QString name() const override { return QStringLiteral("Sheet1"); }
    SpreadsheetStatus rename(const QString&) override { return {}; }
    void select() override {}
    void selectRange(const CellRange&) override {}
    QString readText(CellRef) const override { return {}; }
    void writeText(CellRef, const QString&) override {}
    void writeNumber(CellRef, double) override {}
    void writeDate(CellRef, const QDate&) override {}
    void writeTime(CellRef, const QTime&) override {}
    void writeBlock(CellRef topLeft, int columnCount, std::span<const CellValue> values) override {
        blocks.push_back({topLeft.row, static_cast<int>(values.size()) / columnCount});
    }
    void format(const CellRange&, const FormatChange&) override {}
    void merge(const CellRange& range) override { mergedRows.push_back(range.first.row); }
    void unmerge(const CellRange&) override {}
    void setColumnWidth(int, int, double) override {}
    void autofitColumn(int) override {}
    void freezePanes(CellRef) override {}

    // First row and row count of every block written.
    std::vector<std::pair<int, int>> blocks;
    std::vector<int> mergedRows;
};

TEST(ProtocolSheetTest, RowsGoOnPastSixteenBitsAndStopAtTheSheetsLastRow) {
    BlockRecordingSheet sheet;
    ProtocolSheet protocol(sheet);
    protocol.layOut();
    constexpr std::size_t kChunk = 100000;
    const std::vector<ProtocolLine> lines(kChunk);
    std::size_t written = 0;
    while (!protocol.isFull()) {
        written += protocol.append(lines);
    }
    EXPECT_EQ(written, static_cast<std::size_t>(CellRef::kMaxRow - 1));
    EXPECT_EQ(protocol.lastRow(), CellRef::kMaxRow);
    ASSERT_GE(sheet.blocks.size(), 2U);
    EXPECT_EQ(sheet.blocks[0], (std::pair{2, static_cast<int>(kChunk)}));
    EXPECT_EQ(sheet.blocks[1].first, static_cast<int>(kChunk) + 2);
    EXPECT_EQ(sheet.blocks.back().first + sheet.blocks.back().second - 1, CellRef::kMaxRow);
    EXPECT_EQ(protocol.append(lines), 0U);
}

TEST(ProtocolSheetTest, OneBlockCarriesABatchAndEveryTitleRowIsMerged) {
    BlockRecordingSheet sheet;
    ProtocolSheet protocol(sheet);
    protocol.layOut();
    const ProtocolLine title{.kind = ProtocolLine::Kind::Title, .text = QStringLiteral("LOC1"), .values = {}};
    const std::vector<ProtocolLine> lines = {title, {}, {}, title, {}};
    EXPECT_EQ(protocol.append(lines), lines.size());
    EXPECT_EQ(sheet.blocks, (std::vector<std::pair<int, int>>{{2, 5}}));
    EXPECT_EQ(sheet.mergedRows, (std::vector<int>{2, 5}));
}

}  // namespace
}  // namespace korvex::test
