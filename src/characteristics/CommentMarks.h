#pragma once

#include <vector>

namespace korvex {

class CommentRecord;
class ValueTables;

// The marks at the start of a comment's first line that the outputs obey: "<<#" keeps the rows of
// that comment out of the output, "<<" is taken off (and the rest trimmed) in the comment table
// itself, so the main window shows it so from then on. Each comment entry is looked at once per
// output, so rows sharing a comment share its decision and a mark is taken off only once.
class CommentMarks {
  public:
    explicit CommentMarks(ValueTables& tables);

    bool excludesRowsOf(int commentIndex);

  private:
    enum class Decision { Open, Exclude, Include };

    static Decision decide(CommentRecord& comment);

    ValueTables& tables_;
    std::vector<Decision> decided_;
};

}  // namespace korvex
