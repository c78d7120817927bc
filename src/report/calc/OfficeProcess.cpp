#include "report/calc/OfficeProcess.h"

#include <QProcessEnvironment>
#include <QThread>
#include <QUrl>

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <string>
#include <vector>

namespace korvex::calc {
namespace {

constexpr std::chrono::milliseconds kPollInterval{50};

bool isLocaleVariable(const QString& entry) {
    return entry.startsWith(u"LANG=") || entry.startsWith(u"LANGUAGE=") || entry.startsWith(u"LC_");
}

// The byte strings of a command, and the null-terminated pointer arrays execve wants, made before the
// fork: after it only async-signal-safe calls are allowed.
struct ExecArguments {
    std::vector<std::string> argumentBytes;
    std::vector<std::string> environmentBytes;
    std::vector<char*> argv;
    std::vector<char*> envp;

    explicit ExecArguments(const OfficeCommand& command) {
        argumentBytes.push_back(command.program.toStdString());
        for (const QString& argument : command.arguments) {
            argumentBytes.push_back(argument.toStdString());
        }
        for (const QString& entry : command.environment) {
            environmentBytes.push_back(entry.toStdString());
        }
        for (std::string& bytes : argumentBytes) {
            argv.push_back(bytes.data());
        }
        argv.push_back(nullptr);
        for (std::string& bytes : environmentBytes) {
            envp.push_back(bytes.data());
        }
        envp.push_back(nullptr);
    }
};

[[noreturn]] void becomeOffice(const ExecArguments& exec, int devNull, pid_t parent, bool dieWithParent) {
    setpgid(0, 0);
    if (dieWithParent) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent) {
            _exit(127);
        }
    }
    dup2(devNull, STDIN_FILENO);
    dup2(devNull, STDOUT_FILENO);
    dup2(devNull, STDERR_FILENO);
    execve(exec.argv[0], exec.argv.data(), exec.envp.data());
    _exit(127);
}

}  // namespace

OfficeCommand officeCommand(const OfficeLaunch& launch, const QStringList& callerEnvironment) {
    OfficeCommand command{launch.programFolder + QStringLiteral("/soffice.bin"), {}, {}};
    if (launch.window == OfficeWindow::Headless) {
        command.arguments << QStringLiteral("--headless");
    }
    command.arguments
        << QStringLiteral("--invisible") << QStringLiteral("--norestore") << QStringLiteral("--nologo")
        << QStringLiteral("--nodefault") << QStringLiteral("--nolockcheck")
        << QStringLiteral("--accept=pipe,name=%1;urp;StarOffice.ComponentContext").arg(launch.pipeName)
        << QStringLiteral("-env:UserInstallation=%1")
               .arg(QUrl::fromLocalFile(launch.profileFolder).toString(QUrl::FullyEncoded));
    // The office takes its locale from its environment; number format codes must mean the same in
    // every office, whatever language the operator works in. The bridge's own bootstrap variable
    // would make the office abort.
    for (const QString& entry : callerEnvironment) {
        if (!isLocaleVariable(entry) && !entry.startsWith(u"URE_BOOTSTRAP=")) {
            command.environment << entry;
        }
    }
    command.environment << QStringLiteral("LANG=C.UTF-8") << QStringLiteral("LC_ALL=C.UTF-8")
                        << QStringLiteral("SAL_ENABLE_FILE_LOCKING=1");
    return command;
}

std::variant<std::unique_ptr<OfficeProcess>, QString> OfficeProcess::start(const OfficeLaunch& launch) {
    const QStringList environment = QProcessEnvironment::systemEnvironment().toStringList();
    if (launch.window == OfficeWindow::Visible && !qEnvironmentVariableIsSet("DISPLAY") &&
        !qEnvironmentVariableIsSet("WAYLAND_DISPLAY")) {
        return QStringLiteral("there is no display to show the office window on");
    }
    const ExecArguments exec(officeCommand(launch, environment));
    const int devNull = open("/dev/null", O_RDWR | O_CLOEXEC);
    if (devNull < 0) {
        return QStringLiteral("/dev/null cannot be opened");
    }
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid == 0) {
        becomeOffice(exec, devNull, parent, launch.window == OfficeWindow::Headless);
    }
    const int forkError = errno;
    close(devNull);
    if (pid < 0) {
        return QStringLiteral("the office process cannot be started: %1")
            .arg(QString::fromLocal8Bit(strerror(forkError)));
    }
    // Either side may set the group first; the second call then fails harmlessly.
    setpgid(pid, pid);
    return std::unique_ptr<OfficeProcess>(new OfficeProcess(pid));
}

OfficeProcess::~OfficeProcess() {
    if (!released_) {
        stop(std::chrono::milliseconds::zero());
    }
}

bool OfficeProcess::hasEnded() {
    if (ended_) {
        return true;
    }
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
        ended_ = true;
        if (WIFEXITED(status)) {
            exitStatus_ = WEXITSTATUS(status);
        }
    }
    return ended_;
}

void OfficeProcess::stop(std::chrono::milliseconds grace) {
    for (auto waited = std::chrono::milliseconds::zero(); waited < grace && !hasEnded();
         waited += kPollInterval) {
        QThread::msleep(static_cast<unsigned long>(kPollInterval.count()));
    }
    // What the office started itself (helpers, a crash reporter) shares its group.
    kill(-pid_, SIGKILL);
    if (!ended_) {
        kill(pid_, SIGKILL);
        int status = 0;
        waitpid(pid_, &status, 0);
        ended_ = true;
    }
}

}  // namespace korvex::calc
