#pragma once

#include "capture/RunEnd.h"
#include "characteristics/CharacteristicReader.h"
#include "characteristics/CommandCapture.h"
#include "host/UniqueId.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace korvex {

class HostApplication;
class HostCommand;
class HostPartProgram;
struct CommandSnapshot;
struct HostSession;

// Captures the characteristics of a host run while it executes: every command the connected part
// program executes goes through the same per-command step as the offline read, one at a time.
// Commands of another part program are ignored. The run ends at its end of execution or at an
// executed comment "EEK"; then the capture stops listening and hands over through runEnded. A run
// that executes more dimension rows than its command count (a part program that loops) simply
// grows the tables.
//
// The main window owns it: it connects to the host, shows the program labels and switches the
// capture on; runEnded leads to its end-of-run processing, which switches the capture off.
class OnlineCapture : public QObject {
    Q_OBJECT

  public:
    OnlineCapture(const ReaderEnvironment& environment, const ReaderTargets& targets,
                  QObject* parent = nullptr);
    ~OnlineCapture() override;

    // Starts capturing the runs of the session's part program: the tables are reset and sized to its
    // command count, the header-data values emptied, the capture switches read afresh, and the
    // host's events listened to. The session must be connected. False, and the user told, when the
    // host fails meanwhile.
    bool switchOn(const HostSession& session);
    // Stops listening. Switching off a capture that is off does nothing.
    void switchOff();
    bool isOn() const { return application_ != nullptr; }

  Q_SIGNALS:
    // A command of the run was handled (the main window may repaint its list).
    void commandCaptured();
    // The run ended; the capture is off already. Emitted last: a receiver may end the program or
    // destroy the capture.
    void runEnded(korvex::RunEnd end);

  private:
    void onObjectExecuted(const std::shared_ptr<HostPartProgram>& program,
                          const std::shared_ptr<HostCommand>& command);
    void onEndExecution(const std::shared_ptr<HostPartProgram>& program, int terminationType);
    void onHostLost(const QString& message);
    void endCaptureOnHostFailure(const QString& text);
    bool isOurs(HostPartProgram& program) const;
    // Asks whether an aborted run is to be evaluated.
    RunEnd askAboutAbortedRun();
    void tellHostLost(const QString& message);
    // Switches off, then tells the main window; nothing may touch the capture afterwards.
    void endRun(RunEnd end);

    ReaderEnvironment environment_;
    ReaderTargets targets_;
    std::shared_ptr<HostApplication> application_;
    QString programName_;
    // The program's first command, and whether the run was joined after it had begun: the first
    // executed command seen was another one, so what was captured is not the whole run.
    std::optional<UniqueId> firstCommand_;
    std::optional<bool> joinedLate_;
    CaptureOptions options_;
    std::vector<QMetaObject::Connection> connections_;
};

}  // namespace korvex
