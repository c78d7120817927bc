#include "host/CommandSnapshotReader.h"

#include "host/HostAssignment.h"
#include "host/HostCommand.h"
#include "host/HostComment.h"
#include "host/HostDimension.h"

namespace korvex {
namespace {

using namespace fieldcode;

DimensionSnapshot readDimension(HostDimension& dimension) {
    DimensionSnapshot snapshot;
    snapshot.name = dimension.name();
    for (int number = 1; number <= 3; ++number) {
        snapshot.featureNames[static_cast<std::size_t>(number - 1)] = dimension.featureName(number);
        snapshot.datumLabels[static_cast<std::size_t>(number - 1)] = dimension.datumLabel(number);
    }
    snapshot.axisLabel = dimension.axisLabel();
    snapshot.bonus = dimension.bonus();
    snapshot.deviation = dimension.deviation();
    snapshot.datumLength = dimension.datumLength();
    snapshot.nominal = dimension.nominal();
    snapshot.max = dimension.max();
    snapshot.measured = dimension.measured();
    snapshot.min = dimension.min();
    snapshot.minusTolerance = dimension.minusTolerance();
    snapshot.plusTolerance = dimension.plusTolerance();
    snapshot.outOfTolerance = dimension.outOfTolerance();
    snapshot.outputCode = dimension.outputCode();
    snapshot.unitCode = dimension.unitCode();
    snapshot.isLocationAxis = dimension.isLocationAxis();
    snapshot.isTruePositionAxis = dimension.isTruePositionAxis();
    return snapshot;
}

CommentSnapshot readComment(HostComment& comment) {
    CommentSnapshot snapshot;
    snapshot.kind = comment.kind();
    snapshot.text = comment.text();
    for (int number = 1; number <= CommentSnapshot::kMaxLines; ++number)
        snapshot.lines.append(comment.line(number));
    while (!snapshot.lines.isEmpty() && snapshot.lines.constLast().isEmpty())
        snapshot.lines.removeLast();
    return snapshot;
}

GenericFieldsSnapshot readGenericFields(HostCommand& command) {
    const auto text = [&](int code) { return command.fieldText(code, kSingleFieldIndex); };
    const auto value = [&](int code) { return command.fieldValue(code, kSingleFieldIndex); };
    const auto number = [&](int code) { return command.fieldNumber(code, kSingleFieldIndex); };
    GenericFieldsSnapshot fields;
    fields.genericCode = number(kGenericCode);
    fields.featureName = text(kGenericFeature);
    fields.nominal = value(kGenericNominal);
    fields.measured = value(kGenericMeasured);
    fields.plusTolerance = value(kGenericPlusTolerance);
    fields.minusTolerance = value(kGenericMinusTolerance);
    fields.outOfTolerance = value(kGenericOutOfTolerance);
    fields.min = value(kGenericMin);
    fields.max = value(kGenericMax);
    for (int index = 1; index <= 3; ++index)
        fields.datumLabels[static_cast<std::size_t>(index - 1)] = command.fieldText(kGenericDatum, index);
    fields.datumLengthText = text(kGenericDatumLength);
    fields.outputCode = number(kGenericOutput);
    fields.unitCode = number(kGenericUnit);
    return fields;
}

}  // namespace

CommandSnapshot readCommandSnapshot(HostCommand& command) {
    CommandSnapshot snapshot;
    snapshot.typeCode = command.typeCode();
    snapshot.identifierText = command.identifierText();
    snapshot.isDimension = command.isDimension();
    snapshot.isComment = command.isComment();
    snapshot.isMarked = command.isMarked();
    snapshot.uniqueId = command.uniqueId();
    if (snapshot.isDimension) {
        snapshot.materialCondition = command.fieldText(kMaterialCondition, kSingleFieldIndex);
        if (const auto dimension = command.dimension())
            snapshot.dimension = readDimension(*dimension);
    }
    if (snapshot.isComment) {
        if (const auto comment = command.comment())
            snapshot.comment = readComment(*comment);
    }
    if (snapshot.typeCode == commandtype::kAssignment) {
        if (const auto assignment = command.assignment())
            snapshot.assignment = AssignmentSnapshot{assignment->variableName(), assignment->value()};
    }
    if (snapshot.typeCode == commandtype::kGenericDimension)
        snapshot.generic = readGenericFields(command);
    return snapshot;
}

}  // namespace korvex
