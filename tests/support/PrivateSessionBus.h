#pragma once

#include <QProcess>
#include <QString>

namespace korvex::test {

// A session bus of the process's own: a dbus-daemon started for it and announced in
// DBUS_SESSION_BUS_ADDRESS, so that QtDBus and the programs the process starts use it. Create it
// before anything connects to the session bus; the daemon ends with the object.
class PrivateSessionBus {
  public:
    PrivateSessionBus();
    ~PrivateSessionBus();
    PrivateSessionBus(const PrivateSessionBus&) = delete;
    PrivateSessionBus& operator=(const PrivateSessionBus&) = delete;

    bool isRunning() const { return !address_.isEmpty(); }
    // Why the bus could not be started.
    const QString& failure() const { return failure_; }

  private:
    QProcess daemon_;
    QString address_;
    QString failure_;
};

}  // namespace korvex::test
