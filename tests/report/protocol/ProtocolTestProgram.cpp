#include "ProtocolTestProgram.h"

namespace korvex::test {
namespace {

SimCommand command(int typeCode, const QString& identifier) {
    SimCommand result;
    result.typeCode = typeCode;
    result.identifierText = identifier;
    return result;
}

}  // namespace

SimCommand protocolDimension(int typeCode, const QString& identifier, const std::array<QString, 3>& features,
                             bool marked) {
    SimCommand result = command(typeCode, identifier);
    result.isDimension = true;
    result.marked = marked;
    DimensionSnapshot dimension;
    dimension.name = identifier;
    dimension.featureNames = features;
    dimension.nominal = 10;
    dimension.measured = 10.0125;
    dimension.deviation = 0.0125;
    dimension.plusTolerance = 0.1;
    dimension.minusTolerance = 0.05;
    result.dimension = dimension;
    return result;
}

SimCommand protocolAxis(int typeCode, const QString& identifier, bool truePosition, double measured) {
    SimCommand result = protocolDimension(typeCode, identifier, {QStringLiteral("AXISFEATURE"), {}, {}});
    result.dimension->isLocationAxis = !truePosition;
    result.dimension->isTruePositionAxis = truePosition;
    result.dimension->measured = measured;
    result.dimension->deviation = measured - result.dimension->nominal;
    return result;
}

SimCommand protocolComment() {
    SimCommand result = command(1, QStringLiteral("C1"));
    result.isComment = true;
    result.comment =
        SimComment{.kind = 1, .text = QStringLiteral("start"), .lines = {QStringLiteral("start")}};
    return result;
}

SimProgram protocolProgram() {
    SimProgram program;
    program.partProgram.name = QStringLiteral("PROTOCOL");
    program.partProgram.fullName = QStringLiteral("/parts/PROTOCOL.PRG");
    const QString loc = QStringLiteral("LOC1");
    const QString tp = QStringLiteral("TP1");
    program.commands = {
        protocolComment(),
        protocolDimension(1000, loc, {QStringLiteral("CIR1"), {}, {}}),
        protocolAxis(1002, loc, false, 10.0125),
        protocolAxis(1003, loc, false, 9.9874),
        protocolAxis(1004, loc, false, 10.25),
        command(1001, loc),
        protocolDimension(1107, QStringLiteral("DIST1"),
                          {QStringLiteral("PNT1"), QStringLiteral("PNT2"), QStringLiteral("  ")}),
        protocolDimension(1101, QStringLiteral("RND1"), {QStringLiteral("  "), QStringLiteral("PNT9"), {}}),
        protocolDimension(1200, tp, {QStringLiteral("CIR2"), {}, {}}),
        protocolAxis(1209, tp, true, 0.0125),
        command(1201, tp),
        protocolDimension(1107, QStringLiteral("DIST2"), {QStringLiteral("PNT7"), QStringLiteral("PNT8"), {}},
                          false),
    };
    for (std::size_t i = 0; i < program.commands.size(); ++i) {
        program.commands[i].uniqueId = {static_cast<int>(i) + 1, 0};
    }
    return program;
}

}  // namespace korvex::test
