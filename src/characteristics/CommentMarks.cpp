#include "characteristics/CommentMarks.h"

#include "characteristics/ValueTables.h"
#include "util/BlankTrim.h"

namespace korvex {

CommentMarks::CommentMarks(ValueTables& tables)
    : tables_(tables), decided_(static_cast<std::size_t>(tables.commentCount()) + 1, Decision::Open) {}

bool CommentMarks::excludesRowsOf(int commentIndex) {
    CommentRecord* comment = tables_.comment(commentIndex);
    if (comment == nullptr) {
        return false;
    }
    Decision& decision = decided_[static_cast<std::size_t>(commentIndex)];
    if (decision == Decision::Open) {
        decision = decide(*comment);
    }
    return decision == Decision::Exclude;
}

CommentMarks::Decision CommentMarks::decide(CommentRecord& comment) {
    const QString first = comment.line(1);
    if (first.startsWith(u"<<#")) {
        return Decision::Exclude;
    }
    if (first.startsWith(u"<<")) {
        comment.setLine(1, trimBlanks(first.mid(2)));
    }
    return Decision::Include;
}

}  // namespace korvex
