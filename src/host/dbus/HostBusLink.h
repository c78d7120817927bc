#pragma once

#include "host/HostCallError.h"

#include "host/dbus/HostBus.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QString>
#include <QVariant>

#include <chrono>

namespace korvex {

// The program's line to the host on the bus: every call goes to the host's object, blocks for at
// most the timeout (no events are handled meanwhile), and an error answer, a host that has gone and
// a host that does not answer in time all become HostCallError with a message for the user.
//
// The line leads to a bus name: the host's well-known name, or the unique name of one host process
// (boundTo), so that the objects of a host that has ended never reach a host started after it.
class HostBusLink {
  public:
    HostBusLink(QDBusConnection connection, std::chrono::milliseconds timeout,
                QString service = hostbus::serviceName());

    const QDBusConnection& connection() const { return connection_; }
    std::chrono::milliseconds timeout() const { return timeout_; }
    // The bus name the calls go to.
    const QString& service() const { return service_; }

    // A line to the process that owns the host's name now. Throws HostCallError when none does.
    HostBusLink boundToCurrentHost() const;

    // The reply's arguments.
    QList<QVariant> call(const QString& interface, const QString& method,
                         const QList<QVariant>& arguments = {}) const;
    // The reply's first argument, converted (structures and arrays with qdbus_cast).
    template <typename T>
    T callFor(const QString& interface, const QString& method, const QList<QVariant>& arguments = {}) const {
        return qdbus_cast<T>(call(interface, method, arguments).value(0));
    }

    QVariant property(const QString& interface, const QString& name) const;
    void setProperty(const QString& interface, const QString& name, const QVariant& value) const;

    // Whether the name the calls go to is on the bus; false also when the bus cannot be reached.
    bool hostIsOnBus() const;

    // What the user is told when the host has gone.
    static QString hostGoneText();
    // The failure of every call once the host has ended.
    static HostCallError hostGone();

  private:
    QDBusMessage send(QDBusMessage message) const;
    QDBusMessage busDriverCall(const QString& method, const QString& name) const;

    QDBusConnection connection_;
    std::chrono::milliseconds timeout_;
    QString service_;
};

}  // namespace korvex
