#pragma once

#include <QDBusContext>
#include <QObject>

namespace korvex {

class SimServer;

// The simulated host's object on the bus: the parent of its interfaces (one adaptor each) and the
// holder of the call being answered, through which an interface answers with an error.
class SimBusObject : public QObject, public QDBusContext {
    Q_OBJECT

  public:
    SimBusObject(SimServer& server, QObject* parent) : QObject(parent), server_(server) {}

    SimServer& server() { return server_; }

  private:
    SimServer& server_;
};

}  // namespace korvex
