#include "SnapshotBuilders.h"

namespace korvex::test {

CommandSnapshot commentCommand(const QStringList& lines, int kind) {
    CommandSnapshot command;
    command.typeCode = 1;
    command.isComment = true;
    command.comment = CommentSnapshot{.kind = kind, .text = lines.join(u'\n'), .lines = lines};
    return command;
}

CommandSnapshot otherCommand(int type) {
    CommandSnapshot command;
    command.typeCode = type;
    return command;
}

namespace {

CommandSnapshot dimensionCommand(int type, const DimensionSnapshot& dimension) {
    CommandSnapshot command;
    command.typeCode = type;
    command.isDimension = true;
    command.dimension = dimension;
    return command;
}

}  // namespace

CommandSnapshot headerCommand(int type, const QString& name, const QString& feature, int outputCode,
                              int unitCode) {
    return dimensionCommand(
        type, {.name = name, .featureNames = {feature}, .outputCode = outputCode, .unitCode = unitCode});
}

CommandSnapshot endCommand(int type) {
    return otherCommand(type);
}

CommandSnapshot locationAxis(int type, const QString& axis, double measured) {
    return dimensionCommand(type, {.axisLabel = axis, .measured = measured, .isLocationAxis = true});
}

CommandSnapshot truePositionAxis(int type, const QString& axis, double measured) {
    return dimensionCommand(type, {.axisLabel = axis, .measured = measured, .isTruePositionAxis = true});
}

CommandSnapshot plainDimension(int type, const QString& name, const QString& axis, int unitCode) {
    return dimensionCommand(type, {.name = name, .axisLabel = axis, .unitCode = unitCode});
}

CommandSnapshot genericCommand(const QString& id, const GenericFieldsSnapshot& fields) {
    CommandSnapshot command;
    command.typeCode = commandtype::kGenericDimension;
    command.identifierText = id;
    command.generic = fields;
    return command;
}

CommandSnapshot assignmentCommand(const QString& variable, const QString& value) {
    CommandSnapshot command;
    command.typeCode = commandtype::kAssignment;
    command.assignment = AssignmentSnapshot{variable, value};
    return command;
}

}  // namespace korvex::test
