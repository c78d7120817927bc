#include "host/simserver/ApplicationAdaptor.h"

#include "host/HostApplication.h"
#include "host/simserver/SimServer.h"

namespace korvex {

ApplicationAdaptor::ApplicationAdaptor(SimBusObject& object) : SimAdaptor(object) {
    connect(&server(), &SimServer::objectExecuted, this, &ApplicationAdaptor::OnObjectExecuted);
    connect(&server(), &SimServer::endExecution, this, &ApplicationAdaptor::OnEndExecution);
    connect(&server(), &SimServer::objectAdded, this, &ApplicationAdaptor::OnAddObject);
}

QString ApplicationAdaptor::version() {
    return server().application().versionText();
}

QString ApplicationAdaptor::toolbarStateSourceFolder() {
    return server().application().toolbarStateSourceFolder();
}

QString ApplicationAdaptor::toolbarStateTargetFolder() {
    return server().application().toolbarStateTargetFolder();
}

bool ApplicationAdaptor::displayUpdates() {
    return server().application().displayUpdates();
}

void ApplicationAdaptor::setDisplayUpdates(bool on) {
    server().application().setDisplayUpdates(on);
}

double ApplicationAdaptor::windowLeft() {
    return server().application().windowLeft();
}

void ApplicationAdaptor::setWindowLeft(double left) {
    server().application().setWindowLeft(left);
    Q_EMIT server().windowGeometryChanged();
}

double ApplicationAdaptor::windowTop() {
    return server().application().windowTop();
}

void ApplicationAdaptor::setWindowTop(double top) {
    server().application().setWindowTop(top);
    Q_EMIT server().windowGeometryChanged();
}

double ApplicationAdaptor::windowWidth() {
    return server().application().windowWidth();
}

void ApplicationAdaptor::setWindowWidth(double width) {
    server().application().setWindowWidth(width);
    Q_EMIT server().windowGeometryChanged();
}

double ApplicationAdaptor::windowHeight() {
    return server().application().windowHeight();
}

void ApplicationAdaptor::setWindowHeight(double height) {
    server().application().setWindowHeight(height);
    Q_EMIT server().windowGeometryChanged();
}

uint ApplicationAdaptor::ActivePartProgram() {
    return server().programHandle();
}

}  // namespace korvex
