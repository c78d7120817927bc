#include "characteristics/CommentLine.h"

namespace korvex {
namespace {

constexpr qsizetype kMaxLineLength = 255;

}  // namespace

QString cleanCommentLine(const QString& line) {
    QString cleaned = line.left(kMaxLineLength);
    cleaned.replace(u'\r', u' ');
    cleaned.replace(u'\n', u' ');
    return cleaned;
}

}  // namespace korvex
