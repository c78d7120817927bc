#pragma once

#include "host/HostConnector.h"
#include "host/dbus/HostBus.h"

#include <QDBusConnection>

#include <chrono>
#include <memory>

namespace korvex {

class HostBusLink;

// Reaches the host on the session bus: it runs when its well-known name has an owner. Every call to
// it waits at most `timeout`.
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
