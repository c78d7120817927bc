#pragma once

#include "host/HostEventSource.h"

#include <QDBusServiceWatcher>

#include <memory>
#include <optional>

class QDBusMessage;

namespace korvex {

class HostBusLink;

// The host's events as they come over the bus, turned into HostEventSource signals on the thread
// that owns this object (the user-interface thread). The host's name leaving the bus becomes
// hostLost. A signal whose arguments do not have the agreed form is dropped.
class BusEventSource : public HostEventSource {
    Q_OBJECT

  public:
    explicit BusEventSource(std::shared_ptr<const HostBusLink> link, QObject* parent = nullptr);
    ~BusEventSource() override;

  private Q_SLOTS:
    void onObjectExecuted(const QDBusMessage& message);
    void onEndExecution(const QDBusMessage& message);
    void onAddObject(const QDBusMessage& message);
    void onHostUnregistered();

  private:
    struct CommandEvent {
        std::shared_ptr<HostPartProgram> partProgram;
        std::shared_ptr<HostCommand> command;
    };

    void subscribe(const QString& signal, const char* slot);
    std::optional<CommandEvent> commandEventOf(const QDBusMessage& message) const;

    std::shared_ptr<const HostBusLink> link_;
    QDBusServiceWatcher watcher_;
};

}  // namespace korvex
