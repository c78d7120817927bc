#pragma once

#include "host/UniqueId.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace korvex {

// Every property of a host dimension object, as the host reports it (not yet rounded).
struct DimensionSnapshot {
    QString name;
    std::array<QString, 3> featureNames;
    QString axisLabel;
    std::array<QString, 3> datumLabels;
    double bonus = 0;
    double deviation = 0;
    double datumLength = 0;
    double nominal = 0;
    double max = 0;
    double measured = 0;
    double min = 0;
    // The magnitude of the lower tolerance (the host reports 0.1 for a lower limit 0.1 below nominal).
    double minusTolerance = 0;
    double plusTolerance = 0;
    double outOfTolerance = 0;
    int outputCode = 0;
    int unitCode = 0;
    bool isLocationAxis = false;
    bool isTruePositionAxis = false;

    friend bool operator==(const DimensionSnapshot&, const DimensionSnapshot&) = default;
};

// A host comment object. lines holds the host's lines 1, 2, ... as far as the readers ask for them
// (at most kMaxLines); a line the host does not have reads as empty.
struct CommentSnapshot {
    static constexpr int kMaxLines = 20;

    int kind = 0;
    QString text;
    QStringList lines;

    // Line 1..kMaxLines; empty beyond the lines held.
    QString line(int number) const { return number >= 1 ? lines.value(number - 1) : QString(); }

    friend bool operator==(const CommentSnapshot&, const CommentSnapshot&) = default;
};

// A host variable assignment object.
struct AssignmentSnapshot {
    QString variableName;
    QString value;

    friend bool operator==(const AssignmentSnapshot&, const AssignmentSnapshot&) = default;
};

// The command fields of a generic dimension (command type 184), fetched by field code. Single fields
// are read at kSingleFieldIndex; the datum labels at indices 1 to 3.
struct GenericFieldsSnapshot {
    int genericCode = 0;                 // number 708
    QString featureName;                 // text 657
    double nominal = 0;                  // value 687
    double measured = 0;                 // value 662
    double plusTolerance = 0;            // value 693
    double minusTolerance = 0;           // value 694, a magnitude like DimensionSnapshot::minusTolerance
    double outOfTolerance = 0;           // value 766
    double min = 0;                      // value 696
    double max = 0;                      // value 695
    std::array<QString, 3> datumLabels;  // text 703, indices 1..3
    QString datumLengthText;             // text 173
    int outputCode = 0;                  // number 165
    int unitCode = 0;                    // number 172

    friend bool operator==(const GenericFieldsSnapshot&, const GenericFieldsSnapshot&) = default;
};

// Field codes of the host's command fields that the readers use.
namespace fieldcode {
inline constexpr int kSingleFieldIndex = 1;
inline constexpr int kMaterialCondition = 169;
inline constexpr int kGenericCode = 708;
inline constexpr int kGenericFeature = 657;
inline constexpr int kGenericNominal = 687;
inline constexpr int kGenericMeasured = 662;
inline constexpr int kGenericPlusTolerance = 693;
inline constexpr int kGenericMinusTolerance = 694;
inline constexpr int kGenericOutOfTolerance = 766;
inline constexpr int kGenericMin = 696;
inline constexpr int kGenericMax = 695;
inline constexpr int kGenericDatum = 703;
inline constexpr int kGenericDatumLength = 173;
inline constexpr int kGenericOutput = 165;
inline constexpr int kGenericUnit = 172;
}  // namespace fieldcode

// Command type codes with a meaning of their own to the readers.
namespace commandtype {
inline constexpr int kGenericDimension = 184;
inline constexpr int kAssignment = 191;
inline constexpr int kLocationHeader = 1000;
inline constexpr int kLocationEnd = 1001;
inline constexpr int kTruePositionHeader = 1200;
inline constexpr int kTruePositionEnd = 1201;
inline constexpr int kNeverRead = 1299;
}  // namespace commandtype

// Everything the characteristic readers need of one command, fetched in one go so that a remote
// backend pays one round trip per command (or per batch of commands) instead of one per field.
// The objects are present exactly when the host has them: dimension when isDimension, comment when
// isComment, assignment for type 191, generic for type 184. materialCondition is the text field 169
// of a dimension command.
struct CommandSnapshot {
    int typeCode = 0;
    QString identifierText;
    bool isDimension = false;
    bool isComment = false;
    bool isMarked = false;
    UniqueId uniqueId;
    QString materialCondition;
    std::optional<DimensionSnapshot> dimension;
    std::optional<CommentSnapshot> comment;
    std::optional<AssignmentSnapshot> assignment;
    std::optional<GenericFieldsSnapshot> generic;

    friend bool operator==(const CommandSnapshot&, const CommandSnapshot&) = default;
};

}  // namespace korvex
