#include "host/dbus/HostBusLink.h"

#include "host/HostCallError.h"
#include "host/dbus/HostBus.h"

#include <QDBusArgument>
#include <QDBusError>
#include <QDBusVariant>

namespace korvex {
namespace {

QString failureText(const QDBusError& error, std::chrono::milliseconds timeout) {
    switch (error.type()) {
        case QDBusError::ServiceUnknown:
        case QDBusError::Disconnected:
            return HostBusLink::hostGoneText();
        case QDBusError::NoReply:
        case QDBusError::Timeout:
        case QDBusError::TimedOut:
            return QStringLiteral("KORVEX did not answer within %1 seconds (%2).")
                .arg(static_cast<double>(timeout.count()) / 1000.0)
                .arg(error.message());
        default:
            return QStringLiteral("KORVEX refused a request: %1").arg(error.message());
    }
}

QString propertiesInterface() {
    return QStringLiteral("org.freedesktop.DBus.Properties");
}

QDBusMessage hostMessage(const QString& interface, const QString& method, const QList<QVariant>& arguments) {
    QDBusMessage message =
        QDBusMessage::createMethodCall(hostbus::serviceName(), hostbus::objectPath(), interface, method);
    message.setArguments(arguments);
    return message;
}

}  // namespace

HostBusLink::HostBusLink(QDBusConnection connection, std::chrono::milliseconds timeout)
    : connection_(std::move(connection)), timeout_(timeout) {}

QString HostBusLink::hostGoneText() {
    return QStringLiteral("KORVEX is no longer running.");
}

QDBusMessage HostBusLink::send(QDBusMessage message) const {
    if (!connection_.isConnected())
        throw HostCallError(hostGoneText());
    const QDBusMessage reply = connection_.call(message, QDBus::Block, static_cast<int>(timeout_.count()));
    if (reply.type() == QDBusMessage::ReplyMessage)
        return reply;
    const QDBusError error(reply);
    // No answer may mean that the host ended before it answered: then say so.
    if (error.type() == QDBusError::NoReply && !hostIsOnBus())
        throw HostCallError(hostGoneText());
    throw HostCallError(failureText(error, timeout_));
}

QList<QVariant> HostBusLink::call(const QString& interface, const QString& method,
                                  const QList<QVariant>& arguments) const {
    return send(hostMessage(interface, method, arguments)).arguments();
}

QVariant HostBusLink::property(const QString& interface, const QString& name) const {
    const QList<QVariant> reply = call(propertiesInterface(), QStringLiteral("Get"), {interface, name});
    return qdbus_cast<QDBusVariant>(reply.value(0)).variant();
}

void HostBusLink::setProperty(const QString& interface, const QString& name, const QVariant& value) const {
    call(propertiesInterface(), QStringLiteral("Set"),
         {interface, name, QVariant::fromValue(QDBusVariant(value))});
}

bool HostBusLink::hostIsOnBus() const {
    if (!connection_.isConnected())
        return false;
    QDBusMessage message = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("NameHasOwner"));
    message.setArguments({hostbus::serviceName()});
    const QDBusMessage reply = connection_.call(message, QDBus::Block, static_cast<int>(timeout_.count()));
    return reply.type() == QDBusMessage::ReplyMessage && reply.arguments().value(0).toBool();
}

}  // namespace korvex
