#include "host/simserver/SnapshotReplySize.h"

#include <algorithm>
#include <numeric>

namespace korvex {
namespace {

// Per text: its length, the terminating NUL and up to three bytes of alignment.
constexpr qsizetype kTextOverhead = 8;
// The numbers, flags, array lengths and alignment of one snapshot, generously.
constexpr qsizetype kFixedSize = 512;

qsizetype textsSize(std::initializer_list<QStringView> texts) {
    return std::accumulate(texts.begin(), texts.end(), qsizetype{0}, [](qsizetype sum, QStringView text) {
        return sum + utf8Size(text) + kTextOverhead;
    });
}

qsizetype textsSize(const QStringList& texts) {
    return std::accumulate(texts.begin(), texts.end(), qsizetype{0}, [](qsizetype sum, const QString& text) {
        return sum + utf8Size(text) + kTextOverhead;
    });
}

qsizetype dimensionSize(const DimensionSnapshot& dimension) {
    const auto& [f1, f2, f3] = dimension.featureNames;
    const auto& [d1, d2, d3] = dimension.datumLabels;
    return textsSize({dimension.name, f1, f2, f3, dimension.axisLabel, d1, d2, d3});
}

qsizetype genericSize(const GenericFieldsSnapshot& generic) {
    const auto& [d1, d2, d3] = generic.datumLabels;
    return textsSize({generic.featureName, d1, d2, d3, generic.datumLengthText});
}

}  // namespace

qsizetype utf8Size(QStringView text) {
    qsizetype size = 0;
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        // A surrogate pair becomes four bytes: two for each half.
        size += unit < 0x80 ? 1 : (unit < 0x800 || c.isSurrogate()) ? 2 : 3;
    }
    return size;
}

qsizetype marshalledSize(const CommandSnapshot& snapshot) {
    qsizetype size = kFixedSize + textsSize({snapshot.identifierText, snapshot.materialCondition});
    if (snapshot.dimension)
        size += dimensionSize(*snapshot.dimension);
    if (snapshot.comment)
        size += textsSize({snapshot.comment->text}) + textsSize(snapshot.comment->lines);
    if (snapshot.assignment)
        size += textsSize({snapshot.assignment->variableName, snapshot.assignment->value});
    if (snapshot.generic)
        size += genericSize(*snapshot.generic);
    return size;
}

qsizetype snapshotsWithinBudget(const std::vector<CommandSnapshot>& snapshots, qsizetype budget) {
    qsizetype used = 0;
    const auto overBudget =
        std::find_if(snapshots.begin(), snapshots.end(), [&](const CommandSnapshot& snapshot) {
            used += marshalledSize(snapshot);
            return used > budget;
        });
    const auto fitting = static_cast<qsizetype>(overBudget - snapshots.begin());
    return snapshots.empty() ? 0 : std::max<qsizetype>(fitting, 1);
}

std::optional<qsizetype> firstSnapshotOverLimit(const std::vector<CommandSnapshot>& snapshots,
                                                qsizetype limit) {
    const auto over =
        std::find_if(snapshots.begin(), snapshots.end(),
                     [limit](const CommandSnapshot& snapshot) { return marshalledSize(snapshot) > limit; });
    if (over == snapshots.end())
        return std::nullopt;
    return static_cast<qsizetype>(over - snapshots.begin());
}

}  // namespace korvex
