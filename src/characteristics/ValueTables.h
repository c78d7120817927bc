#pragma once

#include "characteristics/CaptureState.h"
#include "characteristics/CharacteristicRecord.h"
#include "characteristics/CommentRecord.h"

#include <span>
#include <vector>

namespace korvex {

// The three result counts of the tolerance evaluation; every row lies in exactly one of them.
struct ResultCounts {
    int outOfTol = 0;
    int inTol = 0;
    int overLimit = 0;

    friend bool operator==(const ResultCounts&, const ResultCounts&) = default;
};

// The results of the last gathering: the characteristic rows (numbered from 1), the comment table
// (entries numbered from 1), the state of the walk that fills them and the result counts. The
// offline read and the online capture reset them when they start; every output reads them. All
// counters are int: a part program may have any number of commands, and the tables grow as needed.
class ValueTables {
  public:
    // Starts a new walk over a part program of `commandCount` commands: rows, comments, walk state
    // and counts are emptied.
    void reset(int commandCount);

    // The number of commands of the part program when the walk started.
    int commandCount() const { return commandCount_; }

    int rowCount() const { return static_cast<int>(rows_.size()); }
    std::span<const CharacteristicRecord> rows() const { return rows_; }
    std::span<CharacteristicRecord> rows() { return rows_; }
    // Row 1..rowCount(); null outside.
    const CharacteristicRecord* row(int number) const;
    // Appends row rowCount() + 1 and returns it.
    CharacteristicRecord& appendRow();

    // The last comment-table entry handed out.
    int commentCount() const { return static_cast<int>(comments_.size()); }
    // Entry 1..commentCount(); null outside (entry 0 is "no comment").
    const CommentRecord* comment(int entry) const;
    CommentRecord* comment(int entry);
    // Hands out entry commentCount() + 1, empty, and returns its number.
    int appendComment();

    CaptureState& capture() { return capture_; }
    const CaptureState& capture() const { return capture_; }

    const ResultCounts& counts() const { return counts_; }
    void setCounts(const ResultCounts& counts) { counts_ = counts; }

  private:
    int commandCount_ = 0;
    std::vector<CharacteristicRecord> rows_;
    std::vector<CommentRecord> comments_;
    CaptureState capture_;
    ResultCounts counts_;
};

}  // namespace korvex
