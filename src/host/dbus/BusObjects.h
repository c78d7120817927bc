#pragma once

#include "host/CommandSnapshot.h"

#include <QString>

#include <memory>
#include <optional>

namespace korvex {

class HostBusLink;
class HostCommand;
class HostCommandCollection;
class HostPartProgram;

// The host's part program, its commands and a command, reached over the bus. A part program is
// named by the handle the host gave it when it opened it; a command by its unique id.
//
// Objects that come with an event carry what the event told: the part program its full name, the
// command the snapshot taken when it was executed or added. They answer those from the event, without
// a call; everything else they ask the host. Commands asked for by position or unique id fetch a
// fresh snapshot for every property.
std::shared_ptr<HostPartProgram> makeBusPartProgram(std::shared_ptr<const HostBusLink> link, unsigned handle,
                                                    std::optional<QString> knownFullName = std::nullopt);
std::shared_ptr<HostCommandCollection> makeBusCommandCollection(std::shared_ptr<const HostBusLink> link,
                                                                unsigned handle);
std::shared_ptr<HostCommand> makeBusCommand(std::shared_ptr<const HostBusLink> link, unsigned handle,
                                            UniqueId id, std::optional<CommandSnapshot> known = std::nullopt);

}  // namespace korvex
