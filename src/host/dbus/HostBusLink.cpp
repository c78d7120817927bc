#include "host/dbus/HostBusLink.h"

#include "host/HostCallError.h"
#include "host/dbus/HostBus.h"

#include <QDBusArgument>
#include <QDBusError>
#include <QDBusVariant>

namespace korvex {
namespace {

HostCallError failure(const QDBusError& error, std::chrono::milliseconds timeout) {
    switch (error.type()) {
        case QDBusError::ServiceUnknown:
        case QDBusError::Disconnected:
            return HostBusLink::hostGone();
        case QDBusError::NoReply:
        case QDBusError::Timeout:
        case QDBusError::TimedOut: {
            const double seconds = static_cast<double>(timeout.count()) / 1000.0;
            return HostCallError(HostFailure::NoAnswer,
                                 QStringLiteral("(%1 s, %2)").arg(seconds).arg(error.message()),
                                 QStringLiteral("KORVEX did not answer within %1 seconds (%2).")
                                     .arg(seconds)
                                     .arg(error.message()));
        }
        default:
            return HostCallError(HostFailure::Refused, error.message(),
                                 QStringLiteral("KORVEX refused a request: %1").arg(error.message()));
    }
}

QString propertiesInterface() {
    return QStringLiteral("org.freedesktop.DBus.Properties");
}

}  // namespace

HostBusLink::HostBusLink(QDBusConnection connection, std::chrono::milliseconds timeout, QString service)
    : connection_(std::move(connection)), timeout_(timeout), service_(std::move(service)) {}

HostBusLink HostBusLink::boundToCurrentHost() const {
    const QDBusMessage reply = busDriverCall(QStringLiteral("GetNameOwner"), service_);
    if (reply.type() != QDBusMessage::ReplyMessage)
        throw hostGone();
    return HostBusLink(connection_, timeout_, reply.arguments().value(0).toString());
}

QString HostBusLink::hostGoneText() {
    return QStringLiteral("KORVEX is no longer running.");
}

HostCallError HostBusLink::hostGone() {
    return HostCallError(HostFailure::Gone, QString(), hostGoneText());
}

QDBusMessage HostBusLink::send(QDBusMessage message) const {
    if (!connection_.isConnected())
        throw hostGone();
    const QDBusMessage reply = connection_.call(message, QDBus::Block, static_cast<int>(timeout_.count()));
    if (reply.type() == QDBusMessage::ReplyMessage)
        return reply;
    const QDBusError error(reply);
    // No answer may mean that the host ended before it answered: then say so.
    if (error.type() == QDBusError::NoReply && !hostIsOnBus())
        throw hostGone();
    throw failure(error, timeout_);
}

QList<QVariant> HostBusLink::call(const QString& interface, const QString& method,
                                  const QList<QVariant>& arguments) const {
    QDBusMessage message = QDBusMessage::createMethodCall(service_, hostbus::objectPath(), interface, method);
    message.setArguments(arguments);
    return send(std::move(message)).arguments();
}

QVariant HostBusLink::property(const QString& interface, const QString& name) const {
    const QList<QVariant> reply = call(propertiesInterface(), QStringLiteral("Get"), {interface, name});
    return qdbus_cast<QDBusVariant>(reply.value(0)).variant();
}

void HostBusLink::setProperty(const QString& interface, const QString& name, const QVariant& value) const {
    call(propertiesInterface(), QStringLiteral("Set"),
         {interface, name, QVariant::fromValue(QDBusVariant(value))});
}

QDBusMessage HostBusLink::busDriverCall(const QString& method, const QString& name) const {
    QDBusMessage message = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"),
                                                          QStringLiteral("/org/freedesktop/DBus"),
                                                          QStringLiteral("org.freedesktop.DBus"), method);
    message.setArguments({name});
    return connection_.call(message, QDBus::Block, static_cast<int>(timeout_.count()));
}

bool HostBusLink::hostIsOnBus() const {
    if (!connection_.isConnected())
        return false;
    const QDBusMessage reply = busDriverCall(QStringLiteral("NameHasOwner"), service_);
    return reply.type() == QDBusMessage::ReplyMessage && reply.arguments().value(0).toBool();
}

}  // namespace korvex
