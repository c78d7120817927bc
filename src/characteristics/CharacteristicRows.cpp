#include "characteristics/CharacteristicRows.h"

#include "characteristics/CommandCapture.h"
#include "characteristics/HostNumbers.h"
#include "characteristics/TypeNames.h"
#include "host/CommandSnapshot.h"

#include <algorithm>
#include <array>

namespace korvex {
namespace {

constexpr int kAngleLocation = 1007;
constexpr int kAngle3D = 1108;
constexpr int kAngle2D = 1109;
constexpr int kTrueDiameter = 1209;
// True-position axes that carry a material condition.
constexpr std::array kMaterialConditionTypes{1205, 1206, 1209, 1214, 1215, 1216};

QString outputWord(int code) {
    switch (code) {
        case 0:
            return QStringLiteral("STATISTIK");
        case 1:
            return QStringLiteral("PROTOKOLL");
        case 2:
            return QStringLiteral("BEIDE");
        default:
            return QStringLiteral("KEINE");
    }
}

QString genericOutputWord(int code) {
    switch (code) {
        case 1:
            return QStringLiteral("STATISTIK");
        case 2:
            return QStringLiteral("PROTOKOLL");
        case 3:
            return QStringLiteral("BEIDE");
        case 4:
            return QStringLiteral("KEINE");
        default:
            return QStringLiteral("Unknown Type");
    }
}

QString lengthUnit(int code) {
    switch (code) {
        case 0:
            return QStringLiteral("ZOLL");
        case 1:
            return QStringLiteral("MM");
        default:
            return {};
    }
}

// Angles are in degrees whatever the part program's length unit.
QString unitOf(int code, bool isAngle) {
    if (isAngle && (code == 0 || code == 1))
        return QStringLiteral("GRAD");
    return lengthUnit(code);
}

QString genericUnit(int code) {
    switch (code) {
        case 1:
            return QStringLiteral("ZOLL");
        case 2:
            return QStringLiteral("MM");
        default:
            return QStringLiteral("UNDEFINED");
    }
}

void fillIdentity(CharacteristicRecord& row, const CommandSnapshot& command) {
    row.uniqueId = command.uniqueId;
    row.marked = command.isMarked;
}

void fillMeasurement(CharacteristicRecord& row, const DimensionSnapshot& dimension) {
    row.nominal = roundHostValue(dimension.nominal);
    row.measured = roundHostValue(dimension.measured);
    row.deviation = roundHostValue(dimension.deviation);
    row.upperTol = roundHostValue(dimension.plusTolerance);
    row.lowerTol = roundHostValue(-dimension.minusTolerance);
    row.outTol = roundHostValue(dimension.outOfTolerance);
    row.min = roundHostValue(dimension.min);
    row.max = roundHostValue(dimension.max);
}

void fillAxis(CharacteristicRecord& row, const CommandSnapshot& command, const DimensionSnapshot& dimension,
              const LocationHeader& header) {
    fillIdentity(row, command);
    row.typeName = typeNameOfCommand(command.typeCode);
    row.axis = dimension.axisLabel;
    row.id = header.id;
    row.element1 = header.element1;
    row.element2 = header.element2;
    row.element3 = header.element3;
    row.outputMode = outputWord(header.outputCode);
    fillMeasurement(row, dimension);
}

}  // namespace

void fillLocationAxisRow(CharacteristicRecord& row, const CommandSnapshot& command,
                         const DimensionSnapshot& dimension, const LocationHeader& header) {
    fillAxis(row, command, dimension, header);
    row.unit = unitOf(header.unitCode, command.typeCode == kAngleLocation);
}

void fillTruePositionAxisRow(CharacteristicRecord& row, const CommandSnapshot& command,
                             const DimensionSnapshot& dimension, const LocationHeader& header,
                             const CaptureOptions& options) {
    fillAxis(row, command, dimension, header);
    row.unit = lengthUnit(header.unitCode);
    if (command.typeCode == kTrueDiameter) {
        // The diameter's deviation is the position error; the zone is one-sided from 0.
        row.measured = roundHostValue(dimension.deviation);
        row.lowerTol = 0;
        row.bonus = roundHostValue(dimension.bonus);
    }
    if (std::ranges::find(kMaterialConditionTypes, command.typeCode) != kMaterialConditionTypes.end())
        row.materialCondition = command.materialCondition;
    if (!options.skipTruePositionDatums) {
        row.datum1 = dimension.datumLabels[0];
        row.datum2 = dimension.datumLabels[1];
        row.datum3 = dimension.datumLabels[2];
    }
}

void fillPlainRow(CharacteristicRecord& row, const CommandSnapshot& command,
                  const DimensionSnapshot& dimension) {
    fillIdentity(row, command);
    row.typeName = typeNameOfCommand(command.typeCode);
    row.axis = dimension.axisLabel.isEmpty() ? QStringLiteral("M") : dimension.axisLabel;
    row.id = dimension.name;
    row.element1 = dimension.featureNames[0];
    row.element2 = dimension.featureNames[1];
    row.element3 = dimension.featureNames[2];
    fillMeasurement(row, dimension);
    row.datumLength = roundHostValue(dimension.datumLength);
    row.outputMode = outputWord(dimension.outputCode);
    row.unit = unitOf(dimension.unitCode, command.typeCode == kAngle3D || command.typeCode == kAngle2D);
}

void fillGenericRow(CharacteristicRecord& row, const CommandSnapshot& command,
                    const GenericFieldsSnapshot& fields) {
    fillIdentity(row, command);
    row.typeName = typeNameOfGenericCode(fields.genericCode);
    row.axis = QStringLiteral("M");
    row.id = command.identifierText;
    row.element1 = fields.featureName;
    row.nominal = roundHostValue(fields.nominal);
    // A generic dimension reports one result, which is both the measured value and its deviation.
    row.measured = roundHostValue(fields.measured);
    row.deviation = row.measured;
    row.upperTol = roundHostValue(fields.plusTolerance);
    row.lowerTol = roundHostValue(-fields.minusTolerance);
    row.outTol = roundHostValue(fields.outOfTolerance);
    row.min = roundHostValue(fields.min);
    row.max = roundHostValue(fields.max);
    row.datum1 = fields.datumLabels[0];
    row.datum2 = fields.datumLabels[1];
    row.datum3 = fields.datumLabels[2];
    row.datumLength = roundHostValue(parseDecimalText(fields.datumLengthText).value_or(0));
    row.outputMode = genericOutputWord(fields.outputCode);
    row.unit = genericUnit(fields.unitCode);
}

}  // namespace korvex
