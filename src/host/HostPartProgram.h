#pragma once

#include <QString>

#include <memory>

namespace korvex {

class HostCommandCollection;

// A part program open in the host. Every call may throw HostCallError.
class HostPartProgram {
  public:
    virtual ~HostPartProgram() = default;

    virtual QString name() = 0;
    // The folder that holds the part program's file.
    virtual QString folder() = 0;
    virtual QString revision() = 0;
    virtual QString drawingNumber() = 0;
    virtual QString fileName() = 0;
    // The full name; without its last four characters (the extension and its dot) it identifies the
    // program in events.
    virtual QString fullName() = 0;

    virtual std::shared_ptr<HostCommandCollection> commands() = 0;

    // Saves the part program in the host.
    virtual void save() = 0;
    // Hands the host a toolbar-state file to take its toolbar layout from.
    virtual void loadToolbarState(const QString& path) = 0;
};

}  // namespace korvex
