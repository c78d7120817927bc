#pragma once

#include "characteristics/CharacteristicRecord.h"
#include "characteristics/TrafficLightColours.h"

#include <QStringList>

#include <array>

namespace korvex {

class CommentRecord;

// How one characteristic is shown in the main window: its list entry, the value column of the
// value grid (rows 1 to 23; row 0 holds the headings) and its colour.
inline constexpr int kValueGridRowCount = 24;

// "Id.Axis"; the id alone while the tolerance rule is switched on.
QString listEntryText(const CharacteristicRecord& row, bool toleranceRule);

// The value column: row 1 the list entry, rows 2 to 23 the record's fields. Numbers as their plain
// decimal text with the locale's decimal separator; the bonus only where a material condition is.
std::array<QString, kValueGridRowCount> valueGridTexts(const CharacteristicRecord& row,
                                                       const QString& listEntry, QChar decimalPoint);

// The grid colour when the operator picks the characteristic: red out of tolerance (any amount
// other than 0), yellow over the intervention limit, green otherwise.
Rgb pickedColour(const CharacteristicRecord& row);
// The grid colour right after a read, which tells only red from green.
Rgb firstShownColour(const CharacteristicRecord& row);

// The comment lines of the characteristic, up to the first empty line.
QStringList commentLines(const CommentRecord* comment);

}  // namespace korvex
