#include "support/HostSimProcess.h"

#include "host/HostCallError.h"
#include "host/dbus/HostBus.h"
#include "host/dbus/HostBusLink.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDeadlineTimer>
#include <QThread>

#include <signal.h>

namespace korvex::test {
namespace {

constexpr int kWaitMs = 10000;

HostBusLink busLink() {
    return HostBusLink(QDBusConnection::sessionBus(), hostbus::kCallTimeout);
}

// Handles events until the condition holds or the time is up; whether it holds.
template <typename Condition>
bool waitFor(Condition condition) {
    const QDeadlineTimer deadline(kWaitMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
    return true;
}

}  // namespace

QString HostSimProcess::programPath() {
    return QStringLiteral(KORVEX_HOST_SIM_PROGRAM);
}

HostSimProcess::HostSimProcess(const QStringList& arguments) {
    process_.setProgram(programPath());
    process_.setArguments(QStringList{QStringLiteral("--no-window")} + arguments);
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start();
    if (!process_.waitForStarted(kWaitMs)) {
        failure_ = QStringLiteral("korvex-host-sim did not start: ") + process_.errorString();
        return;
    }
    const HostBusLink link = busLink();
    if (!waitFor([&] { return link.hostIsOnBus() || process_.state() != QProcess::Running; }) ||
        !link.hostIsOnBus())
        failure_ = QStringLiteral("korvex-host-sim did not take its name on the bus");
}

HostSimProcess::~HostSimProcess() {
    resume();
    kill();
}

QList<QVariant> HostSimProcess::call(const QString& interface, const QString& method,
                                     const QList<QVariant>& arguments) {
    return busLink().call(interface, method, arguments);
}

QList<QVariant> HostSimProcess::simulator(const QString& method, const QList<QVariant>& arguments) {
    return call(hostbus::simulatorInterface(), method, arguments);
}

bool HostSimProcess::waitUntilIdle() {
    const HostBusLink link = busLink();
    return waitFor([&] {
        try {
            return !link.property(hostbus::simulatorInterface(), QStringLiteral("Running")).toBool();
        } catch (const HostCallError&) {
            return true;
        }
    });
}

void HostSimProcess::kill() {
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.kill();
    process_.waitForFinished(kWaitMs);
}

void HostSimProcess::pause() {
    if (process_.state() == QProcess::Running)
        ::kill(static_cast<pid_t>(process_.processId()), SIGSTOP);
}

void HostSimProcess::resume() {
    if (process_.state() == QProcess::Running)
        ::kill(static_cast<pid_t>(process_.processId()), SIGCONT);
}

}  // namespace korvex::test
