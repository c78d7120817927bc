#include "characteristics/ValueTables.h"

#include <algorithm>

namespace korvex {
namespace {

constexpr int kRowsReservedAtMost = 1 << 17;

}  // namespace

void ValueTables::reset(int commandCount) {
    commandCount_ = std::max(commandCount, 0);
    rows_.clear();
    // The count comes from the host: room for a large program is made at once, the rest as needed.
    rows_.reserve(static_cast<std::size_t>(std::min(commandCount_, kRowsReservedAtMost)));
    comments_.clear();
    capture_ = {};
    counts_ = {};
}

const CharacteristicRecord* ValueTables::row(int number) const {
    return number >= 1 && number <= rowCount() ? &rows_[static_cast<std::size_t>(number - 1)] : nullptr;
}

CharacteristicRecord& ValueTables::appendRow() {
    return rows_.emplace_back();
}

const CommentRecord* ValueTables::comment(int entry) const {
    return entry >= 1 && entry <= commentCount() ? &comments_[static_cast<std::size_t>(entry - 1)] : nullptr;
}

CommentRecord* ValueTables::comment(int entry) {
    return const_cast<CommentRecord*>(std::as_const(*this).comment(entry));
}

int ValueTables::appendComment() {
    comments_.emplace_back();
    return commentCount();
}

}  // namespace korvex
