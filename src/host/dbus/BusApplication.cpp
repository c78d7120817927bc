#include "host/dbus/BusApplication.h"

#include "host/dbus/BusEventSource.h"
#include "host/dbus/BusObjects.h"
#include "host/dbus/HostBus.h"
#include "host/dbus/HostBusLink.h"

namespace korvex {

BusApplication::BusApplication(std::shared_ptr<const HostBusLink> link)
    : link_(std::move(link)), events_(std::make_unique<BusEventSource>(link_)) {}

BusApplication::~BusApplication() = default;

QVariant BusApplication::property(const char* name) const {
    return link_->property(hostbus::applicationInterface(), QString::fromLatin1(name));
}

void BusApplication::setProperty(const char* name, const QVariant& value) const {
    link_->setProperty(hostbus::applicationInterface(), QString::fromLatin1(name), value);
}

std::shared_ptr<HostPartProgram> BusApplication::activePartProgram() {
    const auto handle =
        link_->callFor<uint>(hostbus::applicationInterface(), QStringLiteral("ActivePartProgram"));
    return handle == hostbus::kNoPartProgram ? nullptr : makeBusPartProgram(link_, handle);
}

HostEventSource& BusApplication::events() {
    return *events_;
}

QString BusApplication::toolbarStateSourceFolder() {
    return property("ToolbarStateSourceFolder").toString();
}

QString BusApplication::toolbarStateTargetFolder() {
    return property("ToolbarStateTargetFolder").toString();
}

bool BusApplication::displayUpdates() {
    return property("DisplayUpdates").toBool();
}

void BusApplication::setDisplayUpdates(bool on) {
    setProperty("DisplayUpdates", on);
}

double BusApplication::windowLeft() {
    return property("WindowLeft").toDouble();
}

void BusApplication::setWindowLeft(double left) {
    setProperty("WindowLeft", left);
}

double BusApplication::windowWidth() {
    return property("WindowWidth").toDouble();
}

void BusApplication::setWindowWidth(double width) {
    setProperty("WindowWidth", width);
}

double BusApplication::windowTop() {
    return property("WindowTop").toDouble();
}

void BusApplication::setWindowTop(double top) {
    setProperty("WindowTop", top);
}

double BusApplication::windowHeight() {
    return property("WindowHeight").toDouble();
}

void BusApplication::setWindowHeight(double height) {
    setProperty("WindowHeight", height);
}

QString BusApplication::versionText() {
    return property("Version").toString();
}

}  // namespace korvex
