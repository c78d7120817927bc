#pragma once

#include "host/simserver/SimAdaptor.h"

namespace korvex {

// com.dornwell.KORVEX.Simulator: what the simulated host offers beyond the host's own interface, to
// drive it from tests, scripts and busctl: runs, their pacing, other part programs, new commands.
class SimulatorAdaptor : public SimAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.dornwell.KORVEX.Simulator")
    // Milliseconds between two executed commands; 0 executes as fast as possible.
    Q_PROPERTY(int Pacing READ pacing WRITE setPacing)
    Q_PROPERTY(bool Running READ running)

  public:
    SimulatorAdaptor(SimBusObject& object);

    int pacing();
    void setPacing(int milliseconds);
    bool running();

  public Q_SLOTS:
    // Executes the open part program: OnObjectExecuted per command, then OnEndExecution.
    void Run(int terminationType);
    // Opens a part-program file in place of the open part program; returns its handle.
    uint OpenPartProgram(const QString& path);
    void ClosePartProgram();
    // Inserts a command, written as one element of the "commands" array of a part-program file, at
    // `position` (appended when outside the program) and emits OnAddObject; returns its unique id.
    void AddCommand(const QString& command, int position, int& first, int& second);
    // Ends the simulator.
    void Quit();
};

}  // namespace korvex
