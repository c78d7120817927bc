#pragma once

#include "host/CommandSnapshot.h"
#include "host/UniqueId.h"

#include <QString>

#include <memory>

namespace korvex {

class HostAssignment;
class HostComment;
class HostDimension;

// One command of a part program. Every call may throw HostCallError.
class HostCommand {
  public:
    virtual ~HostCommand() = default;

    virtual int typeCode() = 0;
    virtual QString identifierText() = 0;
    virtual bool isDimension() = 0;
    virtual bool isComment() = 0;
    virtual bool isMarked() = 0;
    virtual UniqueId uniqueId() = 0;

    // The command's objects; null when the command has none of that kind.
    virtual std::shared_ptr<HostDimension> dimension() = 0;
    virtual std::shared_ptr<HostComment> comment() = 0;
    virtual std::shared_ptr<HostAssignment> assignment() = 0;

    // The command's field by field code and index, as text, as real value and as whole number.
    virtual QString fieldText(int code, int index) = 0;
    virtual double fieldValue(int code, int index) = 0;
    virtual int fieldNumber(int code, int index) = 0;

    // The command before this one in program order; null for the first command.
    virtual std::shared_ptr<HostCommand> previous() = 0;
    // Has the host act on the command the way its operator would open it (locating a characteristic).
    virtual void activate() = 0;

    // Every field the characteristic readers need, in one call. A backend without a bulk call of its
    // own returns readCommandSnapshot(*this).
    virtual CommandSnapshot snapshot() = 0;
};

}  // namespace korvex
