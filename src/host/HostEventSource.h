#pragma once

#include <QObject>

#include <memory>

namespace korvex {

class HostCommand;
class HostPartProgram;

// The host's execution events, delivered on the user-interface thread. A backend emits the signals
// (the D-Bus backend from the bus signals, a COM backend from its event sink); the online capture and
// the live protocol connect to them independently and disconnect to stop listening. Handlers must not
// let a HostCallError escape: they catch it themselves.
class HostEventSource : public QObject {
    Q_OBJECT

  public:
    using QObject::QObject;

  Q_SIGNALS:
    // The host finished running a part program; termination type 2 means the run was aborted.
    void endExecution(std::shared_ptr<korvex::HostPartProgram> partProgram, int terminationType);
    // The host executed one command of a part program.
    void objectExecuted(std::shared_ptr<korvex::HostPartProgram> partProgram,
                        std::shared_ptr<korvex::HostCommand> command);
    // A command was added to a part program.
    void objectAdded(std::shared_ptr<korvex::HostPartProgram> partProgram,
                     std::shared_ptr<korvex::HostCommand> command);
};

}  // namespace korvex
