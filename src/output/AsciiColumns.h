#pragma once

#include "settings/SettingKeys.h"

#include <QStringView>

#include <array>

namespace korvex {

// The fixed columns of the ASCII result file, numbered 1 to 22 in the file's documentation and
// addressed here by their index 0 to 21.
inline constexpr int kAsciiColumnCount = 22;

enum class AsciiColumn {
    IdAndAxis,
    Nominal,
    UpperTol,
    LowerTol,
    Bonus,
    Measured,
    Deviation,
    OutTol,
    Min,
    Max,
    Unit,
    OutputMode,
    Marked,
    Element1,
    Element2,
    Element3,
    Datum1,
    Datum2,
    Datum3,
    DatumLength,
    TypeName,
    Comment,
};

struct AsciiColumnNames {
    // Title in the file's title line; the first column's title is "ID", delimiter, "Achse".
    QStringView title;
    // Value name of the column's check state in ASCIISettings (the format dialog's own memory).
    QStringView checkName;
    // Value name of the column's place in the line ("Label1_" and the index).
    QStringView placeName;
};

inline constexpr std::array<AsciiColumnNames, kAsciiColumnCount> kAsciiColumns = {{
    {u"ID", u"ID", u"Label1_0"},
    {u"Nennwert", u"SOLL", u"Label1_1"},
    {u"o.Tol.", u"OTOL", u"Label1_2"},
    {u"u.Tol.", u"UTOL", u"Label1_3"},
    {u"Bonus", u"BONUS", u"Label1_4"},
    {u"Messwert", u"IST", u"Label1_5"},
    {u"Abweichung", u"ABW", u"Label1_6"},
    {u"Toleranzüberschreitung", u"ATOL", u"Label1_7"},
    {u"Min", u"MIN", u"Label1_8"},
    {u"Max", u"MAX", u"Label1_9"},
    {u"Einheit", u"EINHEIT", u"Label1_10"},
    {u"Ausgabe", u"AUSGABE", u"Label1_11"},
    {u"Markierung", u"MARK", u"Label1_12"},
    {u"Element 1", u"ELE1", u"Label1_13"},
    {u"Element 2", u"ELE2", u"Label1_14"},
    {u"Element 3", u"ELE3", u"Label1_15"},
    {u"Bezug 1", u"BEZ1", u"Label1_16"},
    {u"Bezug 2", u"BEZ2", u"Label1_17"},
    {u"Bezug 3", u"BEZ3", u"Label1_18"},
    {u"Bezugslänge", u"LAENGE", u"Label1_19"},
    {u"Typ", u"TYPE", u"Label1_20"},
    {u"Kommentar", u"Kommentar", u"Label1_21"},
}};

// The title of the first column after its delimiter.
inline constexpr QStringView kAxisTitle = u"Achse";

inline keys::SettingKey asciiCheckKey(int column) {
    return {keys::kAsciiSettings, kAsciiColumns[static_cast<std::size_t>(column)].checkName};
}

inline keys::SettingKey asciiPlaceKey(int column) {
    return {keys::kAsciiSettings, kAsciiColumns[static_cast<std::size_t>(column)].placeName};
}

}  // namespace korvex
