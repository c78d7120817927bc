#pragma once

namespace korvex {

// How a host run ended for the online capture, and so what the main window does next.
enum class RunEnd {
    // The run ended, or passed an "EEK" comment: evaluate the rows, fill the list and the grid,
    // switch capture off and act on the command-line options (the end-of-run processing).
    Evaluate,
    // An aborted run (termination type 2) that the user chose not to evaluate: end the program at
    // once, without output.
    QuitWithoutOutput,
    // The host vanished during the run. The rows captured until then stay in the tables and the user
    // has been told; show them, but do not treat them as a finished run.
    HostLost,
    // The run ended, but capture was switched on after it had begun (its first command was not seen):
    // the rows are shown, never output as a complete run.
    JoinedLate,
};

}  // namespace korvex
