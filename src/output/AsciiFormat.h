#pragma once

#include "output/AsciiColumns.h"

#include <QString>

#include <array>

namespace korvex {

enum class AsciiFileType { Csv, Txt };

// What the ASCII format dialog edits: which columns are written, their places in the line (kept as
// the texts the dialog shows, empty = not written), the delimiter and the file type.
struct AsciiFormat {
    std::array<bool, kAsciiColumnCount> checked{};
    std::array<QString, kAsciiColumnCount> places;
    QString delimiter = QStringLiteral(",");
    AsciiFileType fileType = AsciiFileType::Csv;

    bool operator==(const AsciiFormat&) const = default;
};

// Ticking a column that has no place yet puts it at the end of the line.
void checkColumn(AsciiFormat& format, int column);
// Clearing a column empties its place and closes the gap: every later place moves up by one. A place
// that is no number leaves the others as they are.
void uncheckColumn(AsciiFormat& format, int column);
void setColumnChecked(AsciiFormat& format, int column, bool checked);

// Every column ticked, in column order at places 1 to 22.
void checkEveryColumn(AsciiFormat& format);
// Every column cleared, no places.
void uncheckEveryColumn(AsciiFormat& format);

// Ticked columns without a place get places after the highest one held, in column order (on the
// very first opening every column is ticked and placed 1 to 22).
void placeUnplacedColumns(AsciiFormat& format);

}  // namespace korvex
