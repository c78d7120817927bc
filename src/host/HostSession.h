#pragma once

#include <QString>

#include <memory>

namespace korvex {

class HostApplication;
class HostCommandCollection;
class HostPartProgram;

// The objects of the connected host, held from a successful connection until the program releases
// them or connects afresh. The command being handled (and its dimension, comment and assignment)
// is not kept here: the offline read and the online capture hand it from step to step.
struct HostSession {
    std::shared_ptr<HostApplication> application;
    std::shared_ptr<HostPartProgram> partProgram;
    std::shared_ptr<HostCommandCollection> commands;
    // The connected part program's name by the rule of programNameOf; events of a part program with
    // another name are not ours.
    QString connectedProgramName;

    bool isConnected() const { return partProgram != nullptr && commands != nullptr; }
};

// The name that identifies a part program in events: its full name without the last four
// characters (the extension and its dot).
QString programNameOf(const QString& fullName);

// Lets go of every host object of the session; the program name stays.
void releaseHostObjects(HostSession& session);

}  // namespace korvex
