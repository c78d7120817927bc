#pragma once

#include "host/HostApplication.h"
#include "host/HostEventSource.h"
#include "host/UniqueId.h"
#include "host/sim/SimProgram.h"

#include <QString>

#include <memory>
#include <optional>

namespace korvex {

class HostCommand;
struct SimModel;

// The simulated host: one part program, loaded from its file, served in-process through the host
// interfaces. It executes the program (events in program order), adds commands and saves the program
// back to its file. Objects it hands out stay usable while the host lives; once it is gone every call
// on them throws HostCallError, as with a host program that has ended.
class SimHost : public HostApplication {
  public:
    static constexpr int kNormalTermination = 0;
    static constexpr int kAbortedTermination = 2;

    // `filePath` is where save() writes the program.
    explicit SimHost(SimProgram program, QString filePath = {});
    ~SimHost() override;
    SimHost(const SimHost&) = delete;
    SimHost& operator=(const SimHost&) = delete;

    std::shared_ptr<HostPartProgram> activePartProgram() override;
    HostEventSource& events() override { return events_; }
    QString toolbarStateSourceFolder() override;
    QString toolbarStateTargetFolder() override;
    bool displayUpdates() override;
    void setDisplayUpdates(bool on) override;
    double windowLeft() override;
    void setWindowLeft(double left) override;
    double windowWidth() override;
    void setWindowWidth(double width) override;
    double windowTop() override;
    void setWindowTop(double top) override;
    double windowHeight() override;
    void setWindowHeight(double height) override;
    QString versionText() override;

    const SimProgram& program() const;
    // A host without an open part program answers activePartProgram() with null.
    void setPartProgramOpen(bool open);

    // Emits "object executed" for the command at that position (0-based; ignored outside).
    void executeCommand(int position);
    // Emits "end execution".
    void endExecution(int terminationType);
    // Executes every command in program order, then ends the execution.
    void execute(int terminationType = kNormalTermination);

    // Inserts the command at `position` (appends when outside) and emits "object added". A command
    // whose unique id is [0, 0] or already used gets a fresh one. Returns the id it has.
    UniqueId addCommand(SimCommand command, int position = -1);

    // Writes the program back to its file, atomically. Empty when that worked, else the reason.
    QString save();

    // What the host was last asked to do: the toolbar-state file handed to it, the command activated.
    QString lastToolbarStatePath() const;
    std::optional<UniqueId> lastActivatedCommand() const;

  private:
    std::shared_ptr<HostCommand> commandAt(int position) const;

    std::shared_ptr<SimModel> model_;
    HostEventSource events_;
};

}  // namespace korvex
