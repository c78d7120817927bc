#pragma once

#include "host/sim/SimProgram.h"

#include <QString>

namespace korvex::test {

// A part program of examples/ (e.g. "housing.json"). Throws std::runtime_error when it cannot be read.
SimProgram exampleProgram(const QString& fileName);

// The program with its commands repeated `times` times in a row, every copy with unique ids of its own.
SimProgram repeatedProgram(const SimProgram& program, int times);

// Writes the program to a part-program file. Throws std::runtime_error when it cannot.
void writeProgram(const SimProgram& program, const QString& path);

}  // namespace korvex::test
