#include "host/dbus/BusHostConnector.h"

#include "host/dbus/BusApplication.h"
#include "host/dbus/HostBusLink.h"
#include "host/dbus/SnapshotMarshalling.h"

namespace korvex {

BusHostConnector::BusHostConnector(QDBusConnection connection, std::chrono::milliseconds timeout)
    : link_(std::make_shared<HostBusLink>(std::move(connection), timeout)) {
    registerSnapshotBusTypes();
}

bool BusHostConnector::hostIsRunning() {
    return link_->hostIsOnBus();
}

std::shared_ptr<HostApplication> BusHostConnector::application() {
    return std::make_shared<BusApplication>(std::make_shared<HostBusLink>(link_->boundToCurrentHost()));
}

std::unique_ptr<HostConnector> makePlatformHostConnector() {
    return std::make_unique<BusHostConnector>();
}

}  // namespace korvex
