#pragma once

#include <memory>

namespace korvex {

class HostApplication;

// Reaches the host program through one backend: over D-Bus to korvex-host-sim on Linux, by COM on
// Windows, or to a host living in the same process (tests). The connection step asks it whether the
// host runs before it asks for the application object, as the host's main window is looked for
// before its automation server is called.
class HostConnector {
  public:
    virtual ~HostConnector() = default;

    // Whether the host program runs: its main window exists (on Linux: its name is on the bus).
    virtual bool hostIsRunning() = 0;
    // The host's application object. May throw HostCallError.
    virtual std::shared_ptr<HostApplication> application() = 0;
};

// The connector of the platform's backend (korvex_host_dbus on Linux); main() hands it to the session.
std::unique_ptr<HostConnector> makePlatformHostConnector();

}  // namespace korvex
