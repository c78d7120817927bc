#pragma once

#include "app/core/CharacteristicSelection.h"

#include <QString>

namespace korvex {

struct EvaluationSummary;

// The part program's texts shown in the main window.
struct ProgramLabels {
    QString fileName;
    QString name;
    QString revision;
    QString drawingNumber;
};

// What the run control needs of the main window. The window implements it with its widgets; tests
// with a recording stand-in.
class RunView {
  public:
    virtual ~RunView() = default;

    virtual void showProgramLabels(const ProgramLabels& labels) = 0;
    // Empties the characteristic list and the comment lines.
    virtual void clearCharacteristics() = 0;
    // The value column emptied, the counts 0 and every lamp dimmed, as a gathering starts.
    virtual void resetResults() = 0;
    // Lists every row and shows the first one.
    virtual void showCharacteristics() = 0;
    virtual void showEvaluation(const EvaluationSummary& summary) = 0;
    virtual void showHeaderDataValues() = 0;
    // Toolbar button 1 and the status bar follow the capture.
    virtual void showCaptureState(bool on) = 0;
    virtual void minimize() = 0;

    virtual Selection selection() const = 0;
    virtual void setSelection(const Selection& selection) = 0;

    // Opens the output-folder dialog without waiting for it; its OK continues with the ASCII output.
    virtual void askForOutputFolder() = 0;
    // Closes every window and ends the program with the exit status.
    virtual void endProgram(int exitStatus) = 0;
};

}  // namespace korvex
