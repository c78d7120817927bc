#pragma once

#include <QString>

namespace korvex {

// The assignment object of a variable-assignment command (type 191). Every call may throw HostCallError.
class HostAssignment {
  public:
    virtual ~HostAssignment() = default;

    virtual QString variableName() = 0;
    virtual QString value() = 0;
};

}  // namespace korvex
