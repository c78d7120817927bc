#pragma once

#include <QString>

#include <array>

namespace korvex {

// How a start was asked for by the mode letter of argument 1.
enum class RunMode {
    Interactive,  // no mode letter: the window waits for the user
    All,          // "a"/"A": offline read, all characteristics
    Marked,       // "m"/"M": offline read, marked characteristics only
    Online,       // "o"/"O": capture the next host run (marked characteristics)
};

// The up to five command-line arguments, addressed 1 to 5 as the batch files write them:
// run mode letter, first report workbook, layout file, selection word, second report workbook.
class StartArguments {
  public:
    static constexpr int kMaxArguments = 5;

    StartArguments() = default;

    // Argument 1..5; empty when not given.
    QString at(int index) const;
    void set(int index, const QString& value);

    // Reads argument 1 afresh: only the exact letters a, A, m, M, o, O select a mode.
    RunMode runMode() const;
    bool isUnattended() const { return runMode() != RunMode::Interactive; }

  private:
    std::array<QString, kMaxArguments + 1> arguments_;  // entry 0 is never used
};

}  // namespace korvex
