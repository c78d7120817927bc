#pragma once

#include "host/CommandSnapshot.h"
#include "host/UniqueId.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace korvex {

// The simulated host's part program as its file holds it: the application's properties, the part
// program's properties and the commands in program order.

struct SimWindowGeometry {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    friend bool operator==(const SimWindowGeometry&, const SimWindowGeometry&) = default;
};

struct SimApplicationState {
    QString version;
    QString toolbarStateSourceFolder;
    QString toolbarStateTargetFolder;
    bool displayUpdates = true;
    SimWindowGeometry window;

    friend bool operator==(const SimApplicationState&, const SimApplicationState&) = default;
};

struct SimPartProgramInfo {
    QString name;
    QString revision;
    QString drawingNumber;
    QString fileName;
    QString fullName;
    QString folder;

    friend bool operator==(const SimPartProgramInfo&, const SimPartProgramInfo&) = default;
};

// One command field, addressed by field code and index, in its three readings.
struct SimField {
    int code = 0;
    int index = fieldcode::kSingleFieldIndex;
    QString text;
    double value = 0;
    int number = 0;

    friend bool operator==(const SimField&, const SimField&) = default;
};

struct SimComment {
    int kind = 1;
    QString text;
    QStringList lines;

    friend bool operator==(const SimComment&, const SimComment&) = default;
};

struct SimCommand {
    int typeCode = 0;
    QString identifierText;
    bool isDimension = false;
    bool isComment = false;
    bool marked = false;
    UniqueId uniqueId;
    std::optional<DimensionSnapshot> dimension;
    std::optional<SimComment> comment;
    std::optional<AssignmentSnapshot> assignment;
    std::vector<SimField> fields;

    // The field with that code and index; null when the command has none.
    const SimField* field(int code, int index) const;

    friend bool operator==(const SimCommand&, const SimCommand&) = default;
};

struct SimProgram {
    SimApplicationState application;
    SimPartProgramInfo partProgram;
    std::vector<SimCommand> commands;

    friend bool operator==(const SimProgram&, const SimProgram&) = default;
};

}  // namespace korvex
