#pragma once

#include "characteristics/ValueTables.h"

#include <QString>

namespace korvex {

class SettingsStore;

// Which lamp of the main window's traffic light lights after an evaluation.
enum class TrafficLight { Green, Yellow, Red };

struct EvaluationSummary {
    ResultCounts counts;
    // Some row lies beyond the intervention limit (out of tolerance or not).
    bool anyFlagged = false;
    TrafficLight light = TrafficLight::Green;

    // The texts of the three count labels.
    QString outOfTolLabel() const { return QString::number(counts.outOfTol); }
    QString overLimitLabel() const { return QString::number(counts.overLimit); }
    QString inTolLabel() const { return QString::number(counts.inTol); }
};

// The intervention percentage from the setting "TolProzent"; 90 when it is missing, empty or not a
// number. The setting is not written back.
double interventionPercent(const SettingsStore& settings);

// Whether the type's tolerance zone is bounded on one side only (form and position tolerances whose
// ideal value 0 is their natural lower bound).
bool hasOneSidedTolerance(const QString& typeName);

// Classifies every row: sets each row's overLimit flag and the tables' counts afresh (evaluating the
// same rows twice gives the same result) and tells which lamp lights.
EvaluationSummary evaluateTolerances(ValueTables& tables, double percent);

}  // namespace korvex
