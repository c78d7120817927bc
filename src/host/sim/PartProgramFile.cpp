#include "host/sim/PartProgramFile.h"

#include "host/sim/JsonObjectReader.h"
#include "util/AtomicFile.h"
#include "util/TextLines.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>

#include <array>
#include <cmath>
#include <limits>
#include <set>
#include <utility>

namespace korvex {
namespace {

template <typename Record, typename Value>
struct Member {
    const char16_t* name;
    Value Record::*field;
};

// The members of a dimension object, shared by reading and writing.
constexpr std::array kDimensionTexts{
    Member<DimensionSnapshot, QString>{u"name", &DimensionSnapshot::name},
    Member<DimensionSnapshot, QString>{u"axis", &DimensionSnapshot::axisLabel},
};
constexpr std::array kDimensionNumbers{
    Member<DimensionSnapshot, double>{u"nominal", &DimensionSnapshot::nominal},
    Member<DimensionSnapshot, double>{u"measured", &DimensionSnapshot::measured},
    Member<DimensionSnapshot, double>{u"plusTol", &DimensionSnapshot::plusTolerance},
    Member<DimensionSnapshot, double>{u"minusTol", &DimensionSnapshot::minusTolerance},
    Member<DimensionSnapshot, double>{u"outTol", &DimensionSnapshot::outOfTolerance},
    Member<DimensionSnapshot, double>{u"bonus", &DimensionSnapshot::bonus},
    Member<DimensionSnapshot, double>{u"datumLength", &DimensionSnapshot::datumLength},
};
// Missing, these follow from the measured value (and the nominal).
constexpr std::array kDimensionDerivedNumbers{
    Member<DimensionSnapshot, double>{u"deviation", &DimensionSnapshot::deviation},
    Member<DimensionSnapshot, double>{u"min", &DimensionSnapshot::min},
    Member<DimensionSnapshot, double>{u"max", &DimensionSnapshot::max},
};
constexpr std::array kDimensionCodes{
    Member<DimensionSnapshot, int>{u"outputCode", &DimensionSnapshot::outputCode},
    Member<DimensionSnapshot, int>{u"unitCode", &DimensionSnapshot::unitCode},
};
constexpr std::array kDimensionFlags{
    Member<DimensionSnapshot, bool>{u"locationAxis", &DimensionSnapshot::isLocationAxis},
    Member<DimensionSnapshot, bool>{u"truePositionAxis", &DimensionSnapshot::isTruePositionAxis},
};
constexpr std::array kProgramTexts{
    Member<SimPartProgramInfo, QString>{u"name", &SimPartProgramInfo::name},
    Member<SimPartProgramInfo, QString>{u"revision", &SimPartProgramInfo::revision},
    Member<SimPartProgramInfo, QString>{u"drawingNumber", &SimPartProgramInfo::drawingNumber},
    Member<SimPartProgramInfo, QString>{u"fileName", &SimPartProgramInfo::fileName},
    Member<SimPartProgramInfo, QString>{u"fullName", &SimPartProgramInfo::fullName},
    Member<SimPartProgramInfo, QString>{u"folder", &SimPartProgramInfo::folder},
};
constexpr std::array kApplicationTexts{
    Member<SimApplicationState, QString>{u"version", &SimApplicationState::version},
    Member<SimApplicationState, QString>{u"toolbarStateSourceFolder",
                                         &SimApplicationState::toolbarStateSourceFolder},
    Member<SimApplicationState, QString>{u"toolbarStateTargetFolder",
                                         &SimApplicationState::toolbarStateTargetFolder},
};
constexpr std::array kWindowNumbers{
    Member<SimWindowGeometry, double>{u"left", &SimWindowGeometry::left},
    Member<SimWindowGeometry, double>{u"top", &SimWindowGeometry::top},
    Member<SimWindowGeometry, double>{u"width", &SimWindowGeometry::width},
    Member<SimWindowGeometry, double>{u"height", &SimWindowGeometry::height},
};

QString nameOf(const char16_t* name) {
    return QString::fromUtf16(name);
}

std::array<QString, 3> threeTexts(const QStringList& texts) {
    return {texts.value(0), texts.value(1), texts.value(2)};
}

QJsonArray textArray(const std::array<QString, 3>& texts) {
    qsizetype used = 3;
    while (used > 0 && texts[static_cast<std::size_t>(used - 1)].isEmpty())
        --used;
    QJsonArray array;
    for (qsizetype i = 0; i < used; ++i)
        array.append(texts[static_cast<std::size_t>(i)]);
    return array;
}

// ---- reading -------------------------------------------------------------------------------------

DimensionSnapshot readDimension(JsonObjectReader reader) {
    DimensionSnapshot dimension;
    for (const auto& member : kDimensionTexts)
        dimension.*member.field = reader.string(nameOf(member.name));
    for (const auto& member : kDimensionNumbers)
        dimension.*member.field = reader.number(nameOf(member.name));
    dimension.deviation = reader.number(QStringLiteral("deviation"), dimension.measured - dimension.nominal);
    if (!std::isfinite(dimension.deviation))
        throw JsonFormatProblem{reader.path(),
                                QStringLiteral("has a measured value and nominal too far apart for "
                                               "a deviation; give the deviation")};
    dimension.min = reader.number(QStringLiteral("min"), dimension.measured);
    dimension.max = reader.number(QStringLiteral("max"), dimension.measured);
    for (const auto& member : kDimensionCodes)
        dimension.*member.field = reader.integer(nameOf(member.name));
    for (const auto& member : kDimensionFlags)
        dimension.*member.field = reader.boolean(nameOf(member.name));
    dimension.featureNames = threeTexts(reader.strings(QStringLiteral("features"), 3));
    dimension.datumLabels = threeTexts(reader.strings(QStringLiteral("datums"), 3));
    reader.rejectUnknownMembers();
    return dimension;
}

SimComment readComment(JsonObjectReader reader) {
    SimComment comment;
    comment.kind = reader.integer(QStringLiteral("kind"), 1);
    const bool hasText = reader.has(QStringLiteral("text"));
    const bool hasLines = reader.has(QStringLiteral("lines"));
    comment.text = reader.string(QStringLiteral("text"));
    comment.lines = reader.strings(QStringLiteral("lines"), std::numeric_limits<qsizetype>::max());
    if (hasText && !hasLines)
        comment.lines = splitLines(comment.text);
    if (hasLines && !hasText)
        comment.text = comment.lines.join(QStringLiteral("\r\n"));
    reader.rejectUnknownMembers();
    return comment;
}

AssignmentSnapshot readAssignment(JsonObjectReader reader) {
    AssignmentSnapshot assignment{reader.string(QStringLiteral("variable")),
                                  reader.string(QStringLiteral("value"))};
    reader.rejectUnknownMembers();
    return assignment;
}

std::vector<SimField> readFields(const QJsonArray& values, const JsonPath& path) {
    std::vector<SimField> fields;
    for (qsizetype i = 0; i < values.size(); ++i) {
        JsonObjectReader reader(values.at(i), path.element(i));
        SimField field;
        field.code = reader.requiredInteger(QStringLiteral("code"));
        field.index = reader.integer(QStringLiteral("index"), fieldcode::kSingleFieldIndex);
        field.text = reader.string(QStringLiteral("text"));
        field.value = reader.number(QStringLiteral("value"));
        field.number = reader.integer(QStringLiteral("number"));
        reader.rejectUnknownMembers();
        fields.push_back(std::move(field));
    }
    return fields;
}

UniqueId readUniqueId(JsonObjectReader& reader, qsizetype position) {
    if (!reader.has(QStringLiteral("uniqueId")))
        return {1, static_cast<int>(position + 1)};
    const QJsonArray pair = reader.array(QStringLiteral("uniqueId"));
    const JsonPath place = reader.path().member(QStringLiteral("uniqueId"));
    if (pair.size() != 2)
        throw JsonFormatProblem{place, QStringLiteral("must hold two whole numbers")};
    return {JsonObjectReader::integerOf(pair.at(0), place.element(0)),
            JsonObjectReader::integerOf(pair.at(1), place.element(1))};
}

void requireObject(const JsonObjectReader& reader, bool needed, bool present, const QString& what) {
    if (needed && !present)
        throw JsonFormatProblem{reader.path(), what};
}

SimCommand readCommand(JsonObjectReader reader, qsizetype position) {
    SimCommand command;
    command.typeCode = reader.requiredInteger(QStringLiteral("type"));
    command.identifierText = reader.string(QStringLiteral("id"));
    command.marked = reader.boolean(QStringLiteral("marked"));
    command.uniqueId = readUniqueId(reader, position);
    if (auto dimension = reader.object(QStringLiteral("dimension")))
        command.dimension = readDimension(std::move(*dimension));
    if (auto comment = reader.object(QStringLiteral("comment")))
        command.comment = readComment(std::move(*comment));
    if (auto assignment = reader.object(QStringLiteral("assignment")))
        command.assignment = readAssignment(std::move(*assignment));
    command.fields =
        readFields(reader.array(QStringLiteral("fields")), reader.path().member(QStringLiteral("fields")));
    command.isDimension = reader.boolean(QStringLiteral("isDimension"), command.dimension.has_value());
    command.isComment = reader.boolean(QStringLiteral("isComment"), command.comment.has_value());
    reader.rejectUnknownMembers();
    requireObject(reader, command.isDimension, command.dimension.has_value(),
                  QStringLiteral("is a dimension but lacks the required member \"dimension\""));
    requireObject(reader, command.isComment, command.comment.has_value(),
                  QStringLiteral("is a comment but lacks the required member \"comment\""));
    requireObject(reader, command.typeCode == commandtype::kAssignment, command.assignment.has_value(),
                  QStringLiteral("is an assignment (type 191) but lacks the required member \"assignment\""));
    return command;
}

std::vector<SimCommand> readCommands(const QJsonArray& values, const JsonPath& path) {
    std::vector<SimCommand> commands;
    commands.reserve(static_cast<std::size_t>(values.size()));
    std::set<std::pair<int, int>> uniqueIds;
    for (qsizetype i = 0; i < values.size(); ++i) {
        const JsonPath place = path.element(i);
        commands.push_back(readCommand(JsonObjectReader(values.at(i), place), i));
        const UniqueId id = commands.back().uniqueId;
        if (!uniqueIds.insert({id.first, id.second}).second)
            throw JsonFormatProblem{place,
                                    QStringLiteral("repeats the unique id [%1, %2] of an earlier command")
                                        .arg(id.first)
                                        .arg(id.second)};
    }
    return commands;
}

SimApplicationState readApplication(std::optional<JsonObjectReader> reader) {
    SimApplicationState application;
    if (!reader)
        return application;
    for (const auto& member : kApplicationTexts)
        application.*member.field = reader->string(nameOf(member.name));
    application.displayUpdates = reader->boolean(QStringLiteral("displayUpdates"), true);
    if (auto window = reader->object(QStringLiteral("window"))) {
        for (const auto& member : kWindowNumbers)
            application.window.*member.field = window->number(nameOf(member.name));
        window->rejectUnknownMembers();
    }
    reader->rejectUnknownMembers();
    return application;
}

SimPartProgramInfo readPartProgramInfo(std::optional<JsonObjectReader> reader, const QString& fileName) {
    const QFileInfo file(fileName);
    SimPartProgramInfo info;
    if (reader) {
        for (const auto& member : kProgramTexts)
            info.*member.field = reader->string(nameOf(member.name));
        reader->rejectUnknownMembers();
    }
    const auto fill = [](QString& text, const QString& fallback) {
        if (text.isEmpty())
            text = fallback;
    };
    if (!fileName.isEmpty()) {
        fill(info.fileName, file.absoluteFilePath());
        fill(info.folder, file.absolutePath());
        fill(info.name, file.completeBaseName());
    }
    fill(info.fullName, info.fileName);
    return info;
}

SimProgram readProgram(const QJsonDocument& document, const QString& fileName) {
    if (!document.isObject())
        throw JsonFormatProblem{JsonPath(), QStringLiteral("must be an object")};
    JsonObjectReader root(document.object(), JsonPath());
    if (!root.has(QStringLiteral("commands")))
        throw JsonFormatProblem{JsonPath(), QStringLiteral("lacks the required member \"commands\"")};
    SimProgram program;
    program.application = readApplication(root.object(QStringLiteral("application")));
    program.partProgram = readPartProgramInfo(root.object(QStringLiteral("partProgram")), fileName);
    program.commands =
        readCommands(root.array(QStringLiteral("commands")), JsonPath().member(QStringLiteral("commands")));
    root.rejectUnknownMembers();
    return program;
}

// ---- writing -------------------------------------------------------------------------------------

QJsonObject dimensionJson(const DimensionSnapshot& dimension) {
    QJsonObject object;
    for (const auto& member : kDimensionTexts)
        object.insert(nameOf(member.name), dimension.*member.field);
    object.insert(QStringLiteral("features"), textArray(dimension.featureNames));
    object.insert(QStringLiteral("datums"), textArray(dimension.datumLabels));
    for (const auto& member : kDimensionNumbers)
        object.insert(nameOf(member.name), dimension.*member.field);
    for (const auto& member : kDimensionDerivedNumbers)
        object.insert(nameOf(member.name), dimension.*member.field);
    for (const auto& member : kDimensionCodes)
        object.insert(nameOf(member.name), dimension.*member.field);
    for (const auto& member : kDimensionFlags)
        object.insert(nameOf(member.name), dimension.*member.field);
    return object;
}

QJsonArray fieldsJson(const std::vector<SimField>& fields) {
    QJsonArray array;
    for (const SimField& field : fields) {
        array.append(QJsonObject{{QStringLiteral("code"), field.code},
                                 {QStringLiteral("index"), field.index},
                                 {QStringLiteral("text"), field.text},
                                 {QStringLiteral("value"), field.value},
                                 {QStringLiteral("number"), field.number}});
    }
    return array;
}

QJsonObject commandJson(const SimCommand& command) {
    QJsonObject object{
        {QStringLiteral("type"), command.typeCode},
        {QStringLiteral("id"), command.identifierText},
        {QStringLiteral("uniqueId"), QJsonArray{command.uniqueId.first, command.uniqueId.second}},
        {QStringLiteral("marked"), command.marked},
        {QStringLiteral("isDimension"), command.isDimension},
        {QStringLiteral("isComment"), command.isComment},
    };
    if (command.dimension)
        object.insert(QStringLiteral("dimension"), dimensionJson(*command.dimension));
    if (command.comment) {
        object.insert(
            QStringLiteral("comment"),
            QJsonObject{{QStringLiteral("kind"), command.comment->kind},
                        {QStringLiteral("text"), command.comment->text},
                        {QStringLiteral("lines"), QJsonArray::fromStringList(command.comment->lines)}});
    }
    if (command.assignment) {
        object.insert(QStringLiteral("assignment"),
                      QJsonObject{{QStringLiteral("variable"), command.assignment->variableName},
                                  {QStringLiteral("value"), command.assignment->value}});
    }
    if (!command.fields.empty())
        object.insert(QStringLiteral("fields"), fieldsJson(command.fields));
    return object;
}

QJsonObject applicationJson(const SimApplicationState& application) {
    QJsonObject window;
    for (const auto& member : kWindowNumbers)
        window.insert(nameOf(member.name), application.window.*member.field);
    QJsonObject object{{QStringLiteral("displayUpdates"), application.displayUpdates},
                       {QStringLiteral("window"), window}};
    for (const auto& member : kApplicationTexts)
        object.insert(nameOf(member.name), application.*member.field);
    return object;
}

QJsonObject partProgramInfoJson(const SimPartProgramInfo& info) {
    QJsonObject object;
    for (const auto& member : kProgramTexts)
        object.insert(nameOf(member.name), info.*member.field);
    return object;
}

PartProgramLoadResult refused(const QString& fileName, const QByteArray& json, qsizetype offset,
                              const QString& place, const QString& problem) {
    return {std::nullopt, {fileName, textPositionAt(json, offset), place, problem}};
}

}  // namespace

QString PartProgramFileError::text() const {
    const QString where = QStringLiteral("%1:%2:%3: ").arg(fileName).arg(position.line).arg(position.column);
    return where + (place.isEmpty() ? problem : place + u' ' + problem);
}

PartProgramLoadResult parsePartProgram(const QByteArray& json, const QString& fileName) {
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return refused(fileName, json, parseError.offset, QString(), parseError.errorString());
    try {
        return {readProgram(document, fileName), {}};
    } catch (const JsonFormatProblem& problem) {
        return refused(fileName, json, offsetOfJsonValue(json, problem.path), problem.path.text(),
                       problem.what);
    }
}

PartProgramLoadResult loadPartProgramFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, {path, {}, QString(), QStringLiteral("cannot be read: ") + file.errorString()}};
    return parsePartProgram(file.readAll(), path);
}

QByteArray partProgramJson(const SimProgram& program) {
    QJsonArray commands;
    for (const SimCommand& command : program.commands)
        commands.append(commandJson(command));
    const QJsonObject root{{QStringLiteral("application"), applicationJson(program.application)},
                           {QStringLiteral("partProgram"), partProgramInfoJson(program.partProgram)},
                           {QStringLiteral("commands"), commands}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

QString savePartProgramFile(const SimProgram& program, const QString& path) {
    const std::optional<QString> failure = replaceFileAtomically(path, partProgramJson(program));
    return failure ? QStringLiteral("%1: %2").arg(path, *failure) : QString();
}

}  // namespace korvex
