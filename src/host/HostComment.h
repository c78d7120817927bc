#pragma once

#include <QString>

namespace korvex {

// The comment object of a comment command. Every call may throw HostCallError.
class HostComment {
  public:
    virtual ~HostComment() = default;

    virtual int kind() = 0;
    virtual QString text() = 0;
    // Line 1, 2, ...; empty beyond the comment's last line.
    virtual QString line(int number) = 0;
};

}  // namespace korvex
