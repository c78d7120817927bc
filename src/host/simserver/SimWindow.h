#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QSpinBox;

namespace korvex {

class SimServer;

// The simulator's small window: which part program is open, a Run button with the pause between
// commands and the termination type of the run, the progress of a run, and a button to open another
// part-program file.
class SimWindow : public QWidget {
    Q_OBJECT

  public:
    SimWindow(SimServer& server, int terminationType, QWidget* parent = nullptr);

  private:
    void showPartProgram();
    void showProgress(int executed, int count);
    void showRunEnded(int terminationType);
    void run();
    void openPartProgram();
    // Takes the place and size that the host window's geometry properties give, when they give one.
    void followWindowGeometry();
    void tell(const QString& text);

    SimServer& server_;
    QLabel* programLabel_;
    QLabel* statusLabel_;
    QSpinBox* pacing_;
    QSpinBox* termination_;
    QPushButton* runButton_;
    QPushButton* openButton_;
};

}  // namespace korvex
