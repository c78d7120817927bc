#pragma once

#include <QDBusConnection>
#include <QString>

namespace korvex {

class SimServer;

// Puts the simulated host on the bus: one object at hostbus::objectPath() with the Application,
// PartProgram, Commands and Simulator interfaces (introspectable), then the well-known name, which
// tells the program that the host runs. Empty when that worked, else why not (e.g. another host
// owns the name).
QString publishOnBus(SimServer& server, QDBusConnection connection);

// Returns once every message sent so far on the connection has reached the bus, or after the call
// timeout: the bus answers a call only after the messages sent before it.
void waitUntilSent(const QDBusConnection& connection);

}  // namespace korvex
