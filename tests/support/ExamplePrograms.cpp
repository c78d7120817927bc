#include "support/ExamplePrograms.h"

#include "host/sim/PartProgramFile.h"
#include "support/TestFiles.h"

#include <stdexcept>

namespace korvex::test {

SimProgram exampleProgram(const QString& fileName) {
    PartProgramLoadResult loaded = loadPartProgramFile(sourceDir() + QStringLiteral("/examples/") + fileName);
    if (!loaded.program)
        throw std::runtime_error(loaded.error.text().toStdString());
    return std::move(*loaded.program);
}

SimProgram repeatedProgram(const SimProgram& program, int times) {
    SimProgram repeated = program;
    repeated.commands.clear();
    for (int copy = 1; copy <= times; ++copy) {
        int position = 0;
        for (SimCommand command : program.commands) {
            command.uniqueId = {copy, ++position};
            repeated.commands.push_back(std::move(command));
        }
    }
    return repeated;
}

void writeProgram(const SimProgram& program, const QString& path) {
    const QString failure = savePartProgramFile(program, path);
    if (!failure.isEmpty())
        throw std::runtime_error(failure.toStdString());
}

}  // namespace korvex::test
