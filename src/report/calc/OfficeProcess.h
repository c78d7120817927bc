#pragma once

#include <QString>
#include <QStringList>

#include <sys/types.h>

#include <chrono>
#include <memory>
#include <optional>
#include <variant>

namespace korvex::calc {

enum class OfficeWindow { Headless, Visible };

// What an office is started with: where it is installed, whether it shows windows, and the user
// profile and pipe that are its alone.
struct OfficeLaunch {
    QString programFolder;
    OfficeWindow window = OfficeWindow::Headless;
    QString profileFolder;
    QString pipeName;
};

// The "soffice.bin" child process of this program. It runs in a process group of its own; a headless
// one is killed by the kernel when this program dies. Destroying the object kills what still runs of
// it, unless it was released for the operator.
class OfficeProcess {
  public:
    // The exit status an office uses to ask for a restart (after it made a fresh profile).
    static constexpr int kRestartStatus = 81;

    static std::variant<std::unique_ptr<OfficeProcess>, QString> start(const OfficeLaunch& launch);
    ~OfficeProcess();
    OfficeProcess(const OfficeProcess&) = delete;
    OfficeProcess& operator=(const OfficeProcess&) = delete;

    pid_t pid() const { return pid_; }
    // Reaps the child when it has ended; never blocks.
    bool hasEnded();
    // The exit status once it ended normally.
    std::optional<int> exitStatus() const { return exitStatus_; }
    // Waits up to `grace` for the office to end by itself, then kills its process group; reaps it.
    void stop(std::chrono::milliseconds grace);
    // Leaves the office running when this object goes: the operator keeps its window.
    void release() { released_ = true; }

  private:
    explicit OfficeProcess(pid_t pid) : pid_(pid) {}

    pid_t pid_;
    bool ended_ = false;
    bool released_ = false;
    std::optional<int> exitStatus_;
};

// The command line and the environment an office is started with.
struct OfficeCommand {
    QString program;
    QStringList arguments;
    QStringList environment;
};
OfficeCommand officeCommand(const OfficeLaunch& launch, const QStringList& callerEnvironment);

}  // namespace korvex::calc
