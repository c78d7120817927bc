#pragma once

#include "host/HostConnector.h"
#include "host/dbus/HostBus.h"

#include <QDBusConnection>

#include <chrono>
#include <memory>

namespace korvex {

class HostBusLink;

// Reaches the host on the session bus: it runs when its well-known name has an owner. The application
// object, and every object it hands out, talks to the process that owned the name when the object was
// made; should that host end, they fail even when another host has taken the name since. Every call
// waits at most `timeout`.
class BusHostConnector : public HostConnector {
  public:
    explicit BusHostConnector(QDBusConnection connection = QDBusConnection::sessionBus(),
                              std::chrono::milliseconds timeout = hostbus::kCallTimeout);

    bool hostIsRunning() override;
    std::shared_ptr<HostApplication> application() override;

  private:
    std::shared_ptr<const HostBusLink> link_;
};

}  // namespace korvex
