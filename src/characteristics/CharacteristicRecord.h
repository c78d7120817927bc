#pragma once

#include "host/UniqueId.h"

#include <QString>

namespace korvex {

// One characteristic row: a measured characteristic of the part program. Every real has at most
// five decimals (it is rounded when read from the host).
struct CharacteristicRecord {
    UniqueId uniqueId;
    // Dimension type name, e.g. "X_LOCATION", "TRUE_DIAM_LOCATION", "UNKNOWN DIMENSION TYPE".
    QString typeName;
    // Axis label of a location or true-position axis; "M" for plain dimensions without a label and
    // for generic dimensions.
    QString axis;
    // Bonus tolerance; set only for "TRUE_DIAM_LOCATION" axes.
    double bonus = 0;
    QString datum1;
    QString datum2;
    QString datum3;
    double deviation = 0;
    QString element1;
    QString element2;
    QString element3;
    // Dimension name; for axes the name of the enclosing location or true-position dimension.
    QString id;
    double datumLength = 0;
    double max = 0;
    double measured = 0;
    double min = 0;
    // Signed lower tolerance: the negated magnitude the host reports (0.1 is stored as -0.1).
    double lowerTol = 0;
    double nominal = 0;
    // "STATISTIK", "PROTOKOLL", "BEIDE", "KEINE"; generic dimensions also "Unknown Type".
    QString outputMode;
    // Amount by which the value lies outside the tolerance; exactly 0 means within tolerance.
    double outTol = 0;
    double upperTol = 0;
    // Material-condition text of a true-position axis; empty elsewhere. Bonus is shown only where
    // this is not empty.
    QString materialCondition;
    // "MM", "ZOLL", "GRAD", "UNDEFINED" or empty.
    QString unit;
    // Entry of the comment table (1..); 0 = no comment.
    int commentIndex = 0;
    // The host command's own marked state when it was read.
    bool marked = false;
    // Set by the tolerance evaluation when the value is over the intervention limit.
    bool overLimit = false;

    friend bool operator==(const CharacteristicRecord&, const CharacteristicRecord&) = default;
};

}  // namespace korvex
