#include "app/core/MarkingRanges.h"

#include <QAbstractItemModel>

#include <algorithm>

namespace korvex {

QItemSelection itemSelectionOf(const Selection& marking, const QAbstractItemModel& model) {
    QItemSelection selection;
    const int rows = std::min(model.rowCount(), static_cast<int>(marking.size()));
    int row = 0;
    while (row < rows) {
        if (!marking[static_cast<std::size_t>(row)]) {
            ++row;
            continue;
        }
        const int first = row;
        while (row < rows && marking[static_cast<std::size_t>(row)]) {
            ++row;
        }
        selection.append(QItemSelectionRange(model.index(first, 0), model.index(row - 1, 0)));
    }
    return selection;
}

Selection markingOf(const QItemSelection& selection, int rowCount) {
    Selection marking(static_cast<std::size_t>(std::max(rowCount, 0)), false);
    for (const QItemSelectionRange& range : selection) {
        const int first = std::max(range.top(), 0);
        const int last = std::min(range.bottom(), rowCount - 1);
        for (int row = first; row <= last; ++row) {
            marking[static_cast<std::size_t>(row)] = true;
        }
    }
    return marking;
}

}  // namespace korvex
