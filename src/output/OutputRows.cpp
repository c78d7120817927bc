#include "output/OutputRows.h"

#include "characteristics/CommentMarks.h"
#include "characteristics/ValueTables.h"

#include <algorithm>

namespace korvex {
namespace {

// MessageBoxen entries.
constexpr int kListEmptyEntry = 45;
constexpr int kNothingMarkedEntry = 24;

bool isWrittenOutputMode(const QString& outputMode) {
    return outputMode == u"PROTOKOLL" || outputMode == u"BEIDE";
}

}  // namespace

std::optional<int> nothingToWriteEntry(const std::vector<bool>& selectedEntries) {
    if (selectedEntries.empty()) {
        return kListEmptyEntry;
    }
    if (std::find(selectedEntries.begin(), selectedEntries.end(), true) == selectedEntries.end()) {
        return kNothingMarkedEntry;
    }
    return std::nullopt;
}

std::vector<int> rowsToWrite(ValueTables& tables, const std::vector<bool>& selectedEntries) {
    CommentMarks marks(tables);
    std::vector<int> numbers;
    const int entries = std::min(static_cast<int>(selectedEntries.size()), tables.rowCount());
    for (int number = 1; number <= entries; ++number) {
        const CharacteristicRecord& row = *tables.row(number);
        if (!isWrittenOutputMode(row.outputMode) || marks.excludesRowsOf(row.commentIndex) ||
            !selectedEntries[static_cast<std::size_t>(number - 1)]) {
            continue;
        }
        numbers.push_back(number);
    }
    return numbers;
}

}  // namespace korvex
