#pragma once

#include "host/sim/JsonPath.h"
#include "host/sim/SimProgram.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace korvex {

// Why a part-program file was refused: where (line and column from 1, and the place in the JSON
// structure) and what is wrong.
struct PartProgramFileError {
    QString fileName;
    TextPosition position;
    QString place;
    QString problem;

    // "housing.json:12:7: commands[3].dimension.nominal must be a number"
    QString text() const;
};

struct PartProgramLoadResult {
    std::optional<SimProgram> program;
    // Meaningful only when there is no program.
    PartProgramFileError error;
};

// Reads a part program in the JSON format of docs/part-program-format.md. `fileName` names the file in
// error texts and gives the defaults of the part program's file name, full name, folder and name.
PartProgramLoadResult parsePartProgram(const QByteArray& json, const QString& fileName);
PartProgramLoadResult loadPartProgramFile(const QString& path);

// The part program in the same format, every property written out.
QByteArray partProgramJson(const SimProgram& program);
// Writes the file atomically: an existing file is replaced only once the new one is complete. Empty
// when that worked, else the file's path and the reason.
QString savePartProgramFile(const SimProgram& program, const QString& path);

}  // namespace korvex
