#pragma once

#include "report/CellRange.h"
#include "report/layout/LayoutValues.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace korvex {

class LanguageTables;
class SettingsStore;
class UserInteraction;

// Where each item of a report goes. A position is a column in the rows layout (characteristics run
// down the sheet) and a row in the columns layout (characteristics run across); an item without a
// position is left out.
struct ReportLayout {
    using Position = std::optional<int>;

    bool characteristicsInRows = true;
    int startRow = 0;
    int endRow = 0;
    // Rows layout: one column per measurement; columns layout: one column per characteristic.
    std::vector<int> measurementColumns;

    Position id;
    Position nominal;
    Position runningNumber;
    Position upperTol;
    Position lowerTol;
    Position deviation;
    Position outOfTol;
    Position symbol;
    Position comment;
    std::array<Position, 3> elements;
    std::array<Position, 3> datums;
    Position unit;
    int commentLength = 0;

    // In the other direction: a row (rows layout) or a column (columns layout).
    Position dateLine;
    Position timeLine;

    std::optional<CellRef> programName;
    std::optional<CellRef> drawingNumber;
    std::optional<CellRef> revision;
    std::optional<CellRef> pageNumber;
    std::optional<CellRef> pageCount;

    // The row and column text of each header variable as stored: a number, column letters, "VM" (the
    // measurement place) or "NotUsed".
    struct HeaderPlace {
        QString row;
        QString column;
    };
    std::vector<HeaderPlace> headerPlaces;
    bool headerPlaced = false;

    // Characteristics that are not selected are left out of the report entirely.
    bool emptyCells = false;

    // How many characteristics a page holds.
    int pageCapacity() const;
};

// Why a layout cannot be used.
struct LayoutProblem {
    enum class Kind {
        // A required value is missing or zero.
        Missing,
        // A value is there but names no place: the value's name and text say which.
        Invalid,
    };
    Kind kind = Kind::Missing;
    QString name;
    QString text;
};

// The layout from its stored texts, or what is wrong with it. `cappedColumn` is set when a column
// name lay beyond IV and column 256 is used instead.
struct ResolvedLayout {
    std::optional<ReportLayout> layout;
    LayoutProblem problem;
    bool cappedColumn = false;
};
ResolvedLayout resolveLayout(const LayoutValues& values);

// Reads the layout from the settings for `headerCount` header variables and tells the user what is
// wrong with it (MessageBoxen 39, or 62 with the value) or that a column beyond IV is used as IV (40).
std::optional<ReportLayout> readLayout(const SettingsStore& settings, int headerCount, UserInteraction& user,
                                       const LanguageTables& language);

}  // namespace korvex
