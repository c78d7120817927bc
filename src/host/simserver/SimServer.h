#pragma once

#include "host/CommandSnapshot.h"
#include "host/UniqueId.h"
#include "host/simserver/SimRunner.h"

#include <QObject>
#include <QString>

#include <memory>

namespace korvex {

class HostApplication;
class HostCommand;
class HostCommandCollection;
class HostPartProgram;
class SimHost;

// The simulated host that korvex-host-sim serves: the in-process model of the open part program
// (replaced when another part-program file is opened), the handle by which callers name that part
// program, and its runs. Requests it refuses throw SimRequestError.
//
// Every opened part program gets a new handle, so a caller still holding the handle of a part
// program that has since been closed or replaced is told so instead of reaching the new one. The
// application's properties (version, window geometry, ...) come from the file last opened.
class SimServer : public QObject {
    Q_OBJECT

  public:
    explicit SimServer(QObject* parent = nullptr);
    ~SimServer() override;

    // Opens the part-program file in place of the open one; returns the new handle. Refused during a run.
    unsigned openPartProgram(const QString& path);
    // Refused during a run.
    void closePartProgram();
    // The open part program's handle; 0 (hostbus::kNoPartProgram) when none is open.
    unsigned programHandle() const { return handle_; }

    HostApplication& application();
    // The open part program's own objects; `handle` must name it.
    std::shared_ptr<HostPartProgram> partProgram(unsigned handle);
    std::shared_ptr<HostCommandCollection> commands(unsigned handle);
    std::shared_ptr<HostCommand> command(unsigned handle, UniqueId id);

    // Inserts a command given in the part-program file's format (one element of "commands") at
    // `position` (appended when outside) and announces it; returns its unique id.
    UniqueId addCommand(const QString& json, int position);

    // Executes the open part program, ending with `terminationType`.
    void run(int terminationType);
    SimRunner& runner() { return runner_; }

    // Asks the program to end (it quits once the request is answered).
    void requestQuit() { Q_EMIT quitRequested(); }

  Q_SIGNALS:
    void objectExecuted(uint program, const QString& fullName, const korvex::CommandSnapshot& command);
    void endExecution(uint program, const QString& fullName, int terminationType);
    void objectAdded(uint program, const QString& fullName, const korvex::CommandSnapshot& command);
    // Another part program was opened, or the open one closed.
    void partProgramChanged();
    // A caller wrote one of the host window's geometry properties.
    void windowGeometryChanged();
    void quitRequested();

  private:
    void replaceHost(std::unique_ptr<SimHost> host);
    void refuseDuringRun(const QString& what) const;
    void requireOpenPartProgram() const;

    std::unique_ptr<SimHost> host_;
    unsigned handle_ = 0;
    unsigned lastHandle_ = 0;
    SimRunner runner_;
};

}  // namespace korvex
