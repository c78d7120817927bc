#include "host/dbus/BusEventSource.h"

#include "host/dbus/BusObjects.h"
#include "host/dbus/HostBus.h"
#include "host/dbus/HostBusLink.h"
#include "host/dbus/SnapshotMarshalling.h"

#include <QDBusMessage>
#include <QDBusMetaType>

namespace korvex {
namespace {

// A command event: (part program handle, its full name, the command's snapshot).
QString commandEventSignature() {
    return QStringLiteral("us") +
           QString::fromLatin1(QDBusMetaType::typeToSignature(QMetaType::fromType<CommandSnapshot>()));
}

// The end of a run: (part program handle, its full name, termination type).
QString endEventSignature() {
    return QStringLiteral("usi");
}

}  // namespace

BusEventSource::BusEventSource(std::shared_ptr<const HostBusLink> link, QObject* parent)
    : HostEventSource(parent),
      link_(std::move(link)),
      watcher_(link_->service(), link_->connection(), QDBusServiceWatcher::WatchForUnregistration) {
    registerSnapshotBusTypes();
    subscribe(QStringLiteral("OnObjectExecuted"), SLOT(onObjectExecuted(QDBusMessage)));
    subscribe(QStringLiteral("OnEndExecution"), SLOT(onEndExecution(QDBusMessage)));
    subscribe(QStringLiteral("OnAddObject"), SLOT(onAddObject(QDBusMessage)));
    connect(&watcher_, &QDBusServiceWatcher::serviceUnregistered, this, &BusEventSource::onHostUnregistered);
}

BusEventSource::~BusEventSource() = default;

void BusEventSource::subscribe(const QString& signal, const char* slot) {
    QDBusConnection connection = link_->connection();
    connection.connect(link_->service(), hostbus::objectPath(), hostbus::applicationInterface(), signal, this,
                       slot);
}

std::optional<BusEventSource::CommandEvent> BusEventSource::commandEventOf(
    const QDBusMessage& message) const {
    if (message.signature() != commandEventSignature())
        return std::nullopt;
    const QList<QVariant> arguments = message.arguments();
    const uint handle = arguments.value(0).toUInt();
    auto command = qdbus_cast<CommandSnapshot>(arguments.value(2));
    const UniqueId id = command.uniqueId;
    return CommandEvent{makeBusPartProgram(link_, handle, arguments.value(1).toString()),
                        makeBusCommand(link_, handle, id, std::move(command))};
}

void BusEventSource::onObjectExecuted(const QDBusMessage& message) {
    if (const std::optional<CommandEvent> event = commandEventOf(message))
        Q_EMIT objectExecuted(event->partProgram, event->command);
}

void BusEventSource::onAddObject(const QDBusMessage& message) {
    if (const std::optional<CommandEvent> event = commandEventOf(message))
        Q_EMIT objectAdded(event->partProgram, event->command);
}

void BusEventSource::onEndExecution(const QDBusMessage& message) {
    if (message.signature() != endEventSignature())
        return;
    const QList<QVariant> arguments = message.arguments();
    Q_EMIT endExecution(makeBusPartProgram(link_, arguments.value(0).toUInt(), arguments.value(1).toString()),
                        arguments.value(2).toInt());
}

void BusEventSource::onHostUnregistered() {
    Q_EMIT hostLost(HostBusLink::hostGoneText());
}

}  // namespace korvex
