#include "host/simserver/SimBusService.h"

#include "host/dbus/HostBus.h"
#include "host/dbus/SnapshotMarshalling.h"
#include "host/simserver/ApplicationAdaptor.h"
#include "host/simserver/CommandsAdaptor.h"
#include "host/simserver/PartProgramAdaptor.h"
#include "host/simserver/SimServer.h"
#include "host/simserver/SimulatorAdaptor.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>

namespace korvex {

QString publishOnBus(SimServer& server, QDBusConnection connection) {
    if (!connection.isConnected())
        return QStringLiteral("The session bus cannot be reached: %1").arg(connection.lastError().message());
    registerSnapshotBusTypes();
    auto* object = new SimBusObject(server, &server);
    new ApplicationAdaptor(*object);
    new PartProgramAdaptor(*object);
    new CommandsAdaptor(*object);
    new SimulatorAdaptor(*object);
    if (!connection.registerObject(hostbus::objectPath(), object, QDBusConnection::ExportAdaptors))
        return QStringLiteral("The object %1 is already served on this connection.")
            .arg(hostbus::objectPath());
    if (!connection.registerService(hostbus::serviceName())) {
        return QStringLiteral("The name %1 cannot be taken (is another host running?): %2")
            .arg(hostbus::serviceName(), connection.lastError().message());
    }
    return {};
}

void waitUntilSent(const QDBusConnection& connection) {
    const QDBusMessage ping = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus.Peer"), QStringLiteral("Ping"));
    connection.call(ping, QDBus::Block, static_cast<int>(hostbus::kCallTimeout.count()));
}

}  // namespace korvex
