#include "report/calc/BlockPieces.h"

#include <algorithm>

namespace korvex::calc {
namespace {

bool isSet(const CellValue& value) {
    return !std::holds_alternative<std::monostate>(value);
}

// The runs of set values in one row, as pieces one row high.
std::vector<BlockPiece> rowRuns(int row, std::span<const CellValue> cells) {
    std::vector<BlockPiece> runs;
    const int width = static_cast<int>(cells.size());
    for (int column = 0; column < width;) {
        if (!isSet(cells[static_cast<std::size_t>(column)])) {
            ++column;
            continue;
        }
        const int first = column;
        while (column < width && isSet(cells[static_cast<std::size_t>(column)])) {
            ++column;
        }
        runs.push_back({row, first, 1, column - first});
    }
    return runs;
}

}  // namespace

std::vector<BlockPiece> filledPieces(int columnCount, std::span<const CellValue> values) {
    std::vector<BlockPiece> done;
    if (columnCount <= 0) {
        return done;
    }
    std::vector<BlockPiece> open;
    const std::size_t width = static_cast<std::size_t>(columnCount);
    for (std::size_t start = 0; start < values.size(); start += width) {
        const int row = static_cast<int>(start / width);
        std::vector<BlockPiece> next;
        for (const BlockPiece& run :
             rowRuns(row, values.subspan(start, std::min(width, values.size() - start)))) {
            const auto above = std::find_if(open.begin(), open.end(), [&run](const BlockPiece& piece) {
                return piece.column == run.column && piece.columnCount == run.columnCount;
            });
            if (above != open.end()) {
                BlockPiece grown = *above;
                ++grown.rowCount;
                open.erase(above);
                next.push_back(grown);
            } else {
                next.push_back(run);
            }
        }
        done.insert(done.end(), open.begin(), open.end());
        open = std::move(next);
    }
    done.insert(done.end(), open.begin(), open.end());
    return done;
}

}  // namespace korvex::calc
