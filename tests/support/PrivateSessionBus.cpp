#include "support/PrivateSessionBus.h"

namespace korvex::test {
namespace {

constexpr int kStartTimeoutMs = 10000;

}  // namespace

PrivateSessionBus::PrivateSessionBus() {
    daemon_.setProgram(QStringLiteral("dbus-daemon"));
    daemon_.setArguments(
        {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address")});
    daemon_.setProcessChannelMode(QProcess::SeparateChannels);
    daemon_.start();
    if (!daemon_.waitForStarted(kStartTimeoutMs)) {
        failure_ = QStringLiteral("dbus-daemon could not be started: ") + daemon_.errorString();
        return;
    }
    while (!daemon_.canReadLine() && daemon_.waitForReadyRead(kStartTimeoutMs)) {
    }
    const QString address = QString::fromUtf8(daemon_.readLine()).trimmed();
    if (address.isEmpty()) {
        failure_ = QStringLiteral("dbus-daemon gave no address: ") +
                   QString::fromUtf8(daemon_.readAllStandardError());
        return;
    }
    address_ = address;
    qputenv("DBUS_SESSION_BUS_ADDRESS", address_.toUtf8());
}

PrivateSessionBus::~PrivateSessionBus() {
    if (daemon_.state() == QProcess::NotRunning)
        return;
    daemon_.kill();
    daemon_.waitForFinished(kStartTimeoutMs);
}

}  // namespace korvex::test
