#pragma once

#include "host/CommandSnapshot.h"
#include "host/UniqueId.h"

#include <memory>
#include <vector>

namespace korvex {

class HostCommand;

// The commands of a part program, in program order. Every call may throw HostCallError.
class HostCommandCollection {
  public:
    virtual ~HostCommandCollection() = default;

    virtual int count() = 0;
    // The command at position 0..count()-1 in program order; null outside.
    virtual std::shared_ptr<HostCommand> commandAt(int position) = 0;
    // The command with that unique id; null when there is none.
    virtual std::shared_ptr<HostCommand> commandWithUniqueId(UniqueId id) = 0;

    // The snapshots of up to `count` commands from position `first` on, in program order; fewer (or
    // none) when the program ends before. Remote backends answer it with one round trip.
    virtual std::vector<CommandSnapshot> snapshots(int first, int count) = 0;
};

}  // namespace korvex
