#pragma once

#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

namespace korvex {

// The last column a report layout may name: IV.
inline constexpr int kLastLayoutColumn = 256;

// A column number read from a layout text, and whether the text named a column beyond IV (the
// number is then capped at 256).
struct ColumnNumber {
    int number = 0;
    bool capped = false;
};

// A row number of a layout text: a whole number from 1 to the sheet's last row, blanks around it
// ignored; nothing for any other text.
std::optional<int> rowNumber(QStringView text);

// A column name of one or two letters in either case as its number: A = 1 … Z = 26, AA = 27 …
// IV = 256. Blanks around the name are ignored; of a longer name only the first letter counts. A name
// holding anything but letters, and the empty name, give 0: no cell has column 0.
ColumnNumber columnNumber(QStringView name);

// A position that takes one letter or a column number: a single letter A–Z in either case becomes
// its column number as decimal text; any other text stays as it is.
void columnLetterInPlace(QString& setting);

// The measurement columns of a comma-separated list such as "C,E-G" (3, 5, 6, 7): each item is a
// column name or a range of two names joined by "-", blanks around items and names ignored. Nothing
// when an item names no column or a range runs backwards.
struct ColumnList {
    std::vector<int> columns;
    bool capped = false;
};
std::optional<ColumnList> parseColumnList(QStringView list);

}  // namespace korvex
