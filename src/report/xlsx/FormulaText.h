#pragma once

#include <QString>

namespace korvex::xlsx {

// Reads a quoted part of a formula (a "text" or a 'sheet name') that starts with its opening quote
// at `position`; a doubled quote stands for one. Gives the position after the closing quote and,
// when asked, the unquoted content.
qsizetype endOfQuoted(const QString& formula, qsizetype position, QString* content = nullptr);

}  // namespace korvex::xlsx
