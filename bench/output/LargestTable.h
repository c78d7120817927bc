#pragma once

#include "characteristics/ValueTables.h"
#include "util/UserInteraction.h"

namespace korvex::bench {

// The most rows a part program can give.
inline constexpr int kRows = 32767;

// Answers every message with its default, as nobody is there to read it.
class SilentUser : public UserInteraction {
  public:
    MessageAnswer showMessage(const Message& message) override { return message.defaultAnswer; }
    void setStatusText(const QString&) override {}
    void setProgress(int, int) override {}
};

// kRows reported X_LOCATION rows with every field filled, a two-line comment for every ten rows.
ValueTables largestTable();

}  // namespace korvex::bench
