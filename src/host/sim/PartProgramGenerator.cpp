#include "host/sim/PartProgramGenerator.h"

#include <functional>

namespace korvex {
namespace {

SimCommand command(int type, const QString& id) {
    SimCommand result;
    result.typeCode = type;
    result.identifierText = id;
    return result;
}

SimCommand dimension(int type, const QString& id, const DimensionSnapshot& values) {
    SimCommand result = command(type, id);
    result.isDimension = true;
    result.dimension = values;
    return result;
}

DimensionSnapshot axis(const QString& label, double nominal, double measured, bool truePosition) {
    return {.axisLabel = label,
            .datumLabels = {"A", "B", "C"},
            .deviation = measured - nominal,
            .nominal = nominal,
            .max = measured,
            .measured = measured,
            .min = measured,
            .minusTolerance = 0.05,
            .plusTolerance = 0.05,
            .isLocationAxis = !truePosition,
            .isTruePositionAxis = truePosition};
}

SimCommand generic(const QString& id, double measured) {
    SimCommand result = command(184, id);
    result.fields = {{.code = 708, .number = 10},      {.code = 657, .text = "PLN1"},
                     {.code = 662, .value = measured}, {.code = 693, .value = 0.02},
                     {.code = 695, .value = measured}, {.code = 173, .text = "12.5"},
                     {.code = 165, .number = 3},       {.code = 172, .number = 2}};
    return result;
}

// One group of commands as a measuring program repeats them for every feature of a part.
std::vector<SimCommand> group(int number) {
    const QString n = QString::number(number);
    const double drift = (number % 20) * 0.0025;
    SimCommand comment = command(1, "COMMENT" + n);
    comment.isComment = true;
    comment.comment = SimComment{1, {}, {"Feature group " + n, "checked every part"}};
    SimCommand assignment = command(191, "ASSIGN" + n);
    assignment.assignment = AssignmentSnapshot{"PART_NO", "P-" + n};
    return {
        comment,
        command(612, "CIR" + n),
        dimension(1000, "LOC" + n,
                  {.name = "LOC" + n, .featureNames = {"CIR" + n}, .outputCode = 2, .unitCode = 1}),
        dimension(1002, "LOC" + n, axis("X", 10, 10 + drift, false)),
        dimension(1003, "LOC" + n, axis("Y", 20, 20 - drift, false)),
        dimension(1005, "LOC" + n, axis("D", 8, 8 + drift / 2, false)),
        command(1001, "LOC" + n),
        dimension(1200, "TP" + n,
                  {.name = "TP" + n, .featureNames = {"CIR" + n}, .outputCode = 2, .unitCode = 1}),
        dimension(1202, "TP" + n, axis("X", 10, 10 + drift, true)),
        dimension(1203, "TP" + n, axis("Y", 20, 20 - drift, true)),
        dimension(1209, "TP" + n, axis("TP", 0, drift * 2, true)),
        command(1201, "TP" + n),
        dimension(1102, "FLAT" + n,
                  {.name = "FLAT" + n,
                   .featureNames = {"PLN" + n},
                   .measured = drift,
                   .plusTolerance = 0.05,
                   .outputCode = 2,
                   .unitCode = 1}),
        generic("GEN" + n, drift),
        assignment,
    };
}

}  // namespace

SimProgram generatePartProgram(int commandCount) {
    SimProgram program;
    program.application.version = QStringLiteral("5.2.1");
    program.partProgram.name = QStringLiteral("Generated %1").arg(commandCount);
    program.commands.reserve(static_cast<std::size_t>(std::max(commandCount, 0)));
    for (int number = 1; static_cast<int>(program.commands.size()) < commandCount; ++number) {
        for (SimCommand& next : group(number)) {
            if (static_cast<int>(program.commands.size()) == commandCount)
                break;
            next.uniqueId = {1, static_cast<int>(program.commands.size()) + 1};
            program.commands.push_back(std::move(next));
        }
    }
    return program;
}

}  // namespace korvex
