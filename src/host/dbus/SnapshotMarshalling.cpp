#include "host/dbus/SnapshotMarshalling.h"

#include <QDBusMetaType>

namespace korvex {
namespace {

QStringList listOf(const std::array<QString, 3>& texts) {
    return {texts[0], texts[1], texts[2]};
}

std::array<QString, 3> threeOf(const QDBusArgument& argument) {
    QStringList texts;
    argument >> texts;
    return {texts.value(0), texts.value(1), texts.value(2)};
}

template <typename T>
void writeOptional(QDBusArgument& argument, const std::optional<T>& value) {
    argument.beginArray(QMetaType::fromType<T>());
    if (value)
        argument << *value;
    argument.endArray();
}

// The first element of the array, if it has one; further elements are skipped.
template <typename T>
void readOptional(const QDBusArgument& argument, std::optional<T>& value) {
    value.reset();
    argument.beginArray();
    while (!argument.atEnd()) {
        T element;
        argument >> element;
        if (!value)
            value = std::move(element);
    }
    argument.endArray();
}

}  // namespace

QDBusArgument& operator<<(QDBusArgument& argument, const UniqueId& id) {
    argument.beginStructure();
    argument << id.first << id.second;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, UniqueId& id) {
    argument.beginStructure();
    argument >> id.first >> id.second;
    argument.endStructure();
    return argument;
}

QDBusArgument& operator<<(QDBusArgument& argument, const DimensionSnapshot& dimension) {
    argument.beginStructure();
    argument << dimension.name << listOf(dimension.featureNames) << dimension.axisLabel
             << listOf(dimension.datumLabels);
    argument << dimension.bonus << dimension.deviation << dimension.datumLength << dimension.nominal
             << dimension.max << dimension.measured << dimension.min << dimension.minusTolerance
             << dimension.plusTolerance << dimension.outOfTolerance;
    argument << dimension.outputCode << dimension.unitCode << dimension.isLocationAxis
             << dimension.isTruePositionAxis;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, DimensionSnapshot& dimension) {
    argument.beginStructure();
    argument >> dimension.name;
    dimension.featureNames = threeOf(argument);
    argument >> dimension.axisLabel;
    dimension.datumLabels = threeOf(argument);
    argument >> dimension.bonus >> dimension.deviation >> dimension.datumLength >> dimension.nominal >>
        dimension.max >> dimension.measured >> dimension.min >> dimension.minusTolerance >>
        dimension.plusTolerance >> dimension.outOfTolerance;
    argument >> dimension.outputCode >> dimension.unitCode >> dimension.isLocationAxis >>
        dimension.isTruePositionAxis;
    argument.endStructure();
    return argument;
}

QDBusArgument& operator<<(QDBusArgument& argument, const CommentSnapshot& comment) {
    argument.beginStructure();
    argument << comment.kind << comment.text << comment.lines;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, CommentSnapshot& comment) {
    argument.beginStructure();
    argument >> comment.kind >> comment.text >> comment.lines;
    argument.endStructure();
    return argument;
}

QDBusArgument& operator<<(QDBusArgument& argument, const AssignmentSnapshot& assignment) {
    argument.beginStructure();
    argument << assignment.variableName << assignment.value;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, AssignmentSnapshot& assignment) {
    argument.beginStructure();
    argument >> assignment.variableName >> assignment.value;
    argument.endStructure();
    return argument;
}

QDBusArgument& operator<<(QDBusArgument& argument, const GenericFieldsSnapshot& fields) {
    argument.beginStructure();
    argument << fields.genericCode << fields.featureName << fields.nominal << fields.measured
             << fields.plusTolerance << fields.minusTolerance << fields.outOfTolerance << fields.min
             << fields.max << listOf(fields.datumLabels) << fields.datumLengthText << fields.outputCode
             << fields.unitCode;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, GenericFieldsSnapshot& fields) {
    argument.beginStructure();
    argument >> fields.genericCode >> fields.featureName >> fields.nominal >> fields.measured >>
        fields.plusTolerance >> fields.minusTolerance >> fields.outOfTolerance >> fields.min >> fields.max;
    fields.datumLabels = threeOf(argument);
    argument >> fields.datumLengthText >> fields.outputCode >> fields.unitCode;
    argument.endStructure();
    return argument;
}

QDBusArgument& operator<<(QDBusArgument& argument, const CommandSnapshot& command) {
    argument.beginStructure();
    argument << command.typeCode << command.identifierText << command.isDimension << command.isComment
             << command.isMarked << command.uniqueId << command.materialCondition;
    writeOptional(argument, command.dimension);
    writeOptional(argument, command.comment);
    writeOptional(argument, command.assignment);
    writeOptional(argument, command.generic);
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, CommandSnapshot& command) {
    argument.beginStructure();
    argument >> command.typeCode >> command.identifierText >> command.isDimension >> command.isComment >>
        command.isMarked >> command.uniqueId >> command.materialCondition;
    readOptional(argument, command.dimension);
    readOptional(argument, command.comment);
    readOptional(argument, command.assignment);
    readOptional(argument, command.generic);
    argument.endStructure();
    return argument;
}

void registerSnapshotBusTypes() {
    qDBusRegisterMetaType<UniqueId>();
    qDBusRegisterMetaType<DimensionSnapshot>();
    qDBusRegisterMetaType<CommentSnapshot>();
    qDBusRegisterMetaType<AssignmentSnapshot>();
    qDBusRegisterMetaType<GenericFieldsSnapshot>();
    qDBusRegisterMetaType<CommandSnapshot>();
    qDBusRegisterMetaType<QList<CommandSnapshot>>();
}

}  // namespace korvex
