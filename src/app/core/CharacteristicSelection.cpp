#include "app/core/CharacteristicSelection.h"

#include <algorithm>
#include <functional>

namespace korvex {
namespace {

using RowTest = std::function<bool(const CharacteristicRecord&)>;

bool goesToProtocol(const CharacteristicRecord& row) {
    return row.outputMode == u"PROTOKOLL" || row.outputMode == u"BEIDE";
}

Selection selectWhere(std::span<const CharacteristicRecord> rows, Selection selection, const RowTest& test) {
    selection.resize(rows.size(), false);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (test(rows[i])) {
            selection[i] = true;
        }
    }
    return selection;
}

RowTest testOf(MarkButton button) {
    switch (button) {
        case MarkButton::InTolerance:
            return [](const CharacteristicRecord& row) { return row.outTol == 0 && !row.overLimit; };
        case MarkButton::OutOfTolerance:
            return [](const CharacteristicRecord& row) { return row.outTol > 0; };
        case MarkButton::OverLimit:
            return [](const CharacteristicRecord& row) { return row.overLimit; };
        case MarkButton::MarkedInProgram:
            return [](const CharacteristicRecord& row) { return row.marked && goesToProtocol(row); };
        case MarkButton::All:
            return [](const CharacteristicRecord&) { return true; };
        case MarkButton::Clear:
            break;
    }
    return [](const CharacteristicRecord&) { return false; };
}

bool isOutOfToleranceOrOverLimit(const CharacteristicRecord& row) {
    return row.outTol > 0 || row.overLimit;
}

RowTest startOptionTest(RunMode mode, const QString& word) {
    const bool markedOnly = mode == RunMode::Marked || mode == RunMode::Online;
    const auto qualifies = [markedOnly](const CharacteristicRecord& row) {
        return goesToProtocol(row) && (!markedOnly || row.marked);
    };
    const QString upper = word.toUpper();
    if (upper == u"ALL" || upper == u"ALO" || word.trimmed().isEmpty()) {
        return qualifies;
    }
    if (word == u"OOT") {
        return [qualifies](const CharacteristicRecord& row) {
            return qualifies(row) && isOutOfToleranceOrOverLimit(row);
        };
    }
    return [](const CharacteristicRecord&) { return false; };
}

}  // namespace

bool asksBeforeReplacing(MarkButton button) {
    return button == MarkButton::InTolerance || button == MarkButton::OutOfTolerance ||
           button == MarkButton::OverLimit;
}

Selection applyMarkButton(MarkButton button, std::span<const CharacteristicRecord> rows, Selection current,
                          bool replace) {
    const bool startEmpty = !asksBeforeReplacing(button) || replace;
    if (startEmpty) {
        current.assign(rows.size(), false);
    }
    return selectWhere(rows, std::move(current), testOf(button));
}

Selection startOptionSelection(std::span<const CharacteristicRecord> rows, RunMode mode,
                               const QString& word) {
    return selectWhere(rows, Selection(rows.size(), false), startOptionTest(mode, word));
}

}  // namespace korvex
