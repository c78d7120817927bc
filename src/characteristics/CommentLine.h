#pragma once

#include <QString>

namespace korvex {

// A comment line as the comment table keeps it: at most 255 characters, every carriage return and
// line feed replaced by a blank.
QString cleanCommentLine(const QString& line);

}  // namespace korvex
