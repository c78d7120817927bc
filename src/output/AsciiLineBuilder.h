#pragma once

#include "output/AsciiColumns.h"

#include <QChar>
#include <QString>

#include <array>
#include <utility>
#include <vector>

namespace korvex {

struct CharacteristicRecord;
class CommentRecord;

// Builds the title line and the row lines of the ASCII result file: the columns in the order of
// their places 1 to 22, joined by the delimiter. A place no column has is left out without an empty
// field, so a line whose place 1 is free starts with the delimiter.
//
// With the ZozadRegel (negative nominals written as positive), a row with a negative nominal writes
// the nominal and its tolerances mirrored (-nominal, -lower as upper, -upper as lower), and a row
// with a negative measured value writes the measured value, the deviation and min/max mirrored
// (-measured, -deviation, -max as min, -min as max), at whatever place each column stands.
class AsciiLineBuilder {
  public:
    AsciiLineBuilder(const std::array<int, kAsciiColumnCount>& places, QString delimiter, bool zozadRegel,
                     QChar decimalPoint);

    // Each appends its line with a CR LF to the text of the whole file.
    void appendTitleLine(QString& text) const;
    // comment: the row's comment entry, null when it has none.
    void appendRowLine(QString& text, const CharacteristicRecord& row, const CommentRecord* comment) const;

  private:
    template <typename AppendCell>
    void appendLine(QString& text, AppendCell appendCell) const;

    // (column, place) for every written column, ordered by place.
    std::vector<std::pair<int, int>> columnsInPlaceOrder_;
    QString delimiter_;
    bool zozadRegel_;
    QChar decimalPoint_;
};

}  // namespace korvex
