#pragma once

#include <QList>
#include <QProcess>
#include <QStringList>
#include <QVariant>

namespace korvex::test {

// korvex-host-sim started for a test or a benchmark, on the process's session bus, without its
// window. The constructor waits (at most a few seconds) until the host's name is on the bus; the
// destructor kills the simulator if it still runs.
class HostSimProcess {
  public:
    // The arguments after the program: options and the part-program file.
    explicit HostSimProcess(const QStringList& arguments);
    ~HostSimProcess();
    HostSimProcess(const HostSimProcess&) = delete;
    HostSimProcess& operator=(const HostSimProcess&) = delete;

    static QString programPath();

    bool isOnBus() const { return failure_.isEmpty(); }
    // Why the simulator is not on the bus.
    const QString& failure() const { return failure_; }
    QProcess& process() { return process_; }

    // Calls a method of the simulator's object. Throws HostCallError when it is refused.
    QList<QVariant> call(const QString& interface, const QString& method,
                         const QList<QVariant>& arguments = {});
    // Calls a method of the Simulator interface.
    QList<QVariant> simulator(const QString& method, const QList<QVariant>& arguments = {});
    // Waits (at most a few seconds) until no run is going on; false when one still is.
    bool waitUntilIdle();

    // Ends the simulator at once, as a crash would.
    void kill();
    // Stops the simulator from answering, and lets it go on.
    void pause();
    void resume();

  private:
    QProcess process_;
    QString failure_;
};

}  // namespace korvex::test
