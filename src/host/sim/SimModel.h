#pragma once

#include "host/UniqueId.h"
#include "host/sim/SimProgram.h"

#include <QString>

#include <memory>
#include <optional>
#include <unordered_map>

namespace korvex {

class HostCommand;
class HostCommandCollection;
class HostPartProgram;

// The state of a simulated host, shared by the objects it hands out.
struct SimModel {
    SimProgram program;
    QString filePath;
    bool partProgramOpen = true;
    QString lastToolbarStatePath;
    std::optional<UniqueId> lastActivated;

    // Position in program order of the command with that unique id; -1 when there is none.
    int positionOf(UniqueId id) const;
    // Call after every change to the commands.
    void indexCommands();
    QString save() const;

  private:
    static quint64 keyOf(UniqueId id);

    std::unordered_map<quint64, int> positions_;
};

// The host objects over a model. They hold the model weakly: once the host is gone, every call throws
// HostCallError.
std::shared_ptr<HostPartProgram> makeSimPartProgram(std::weak_ptr<SimModel> model);
std::shared_ptr<HostCommandCollection> makeSimCommandCollection(std::weak_ptr<SimModel> model);
std::shared_ptr<HostCommand> makeSimCommand(std::weak_ptr<SimModel> model, UniqueId id);

}  // namespace korvex
