#include "host/dbus/HostBus.h"
#include "host/simserver/SimBusService.h"
#include "host/simserver/SimOptions.h"
#include "host/simserver/SimRequestError.h"
#include "host/simserver/SimServer.h"
#include "host/simserver/SimWindow.h"

#include <QApplication>
#include <QDBusConnection>
#include <QTextStream>
#include <QTimer>

#include <chrono>
#include <cstring>
#include <memory>

namespace {

using namespace korvex;

constexpr int kCannotStart = 1;
constexpr int kLostTheBus = 3;
constexpr std::chrono::milliseconds kBusCheckInterval{250};

// A window needs a display, and is not wanted with --no-window. Decided before the application
// object exists, because that decides between a widget application and a plain one.
bool windowPossible(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--no-window") == 0)
            return false;
    }
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
           qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
}

int fail(const QString& text, int exitCode) {
    QTextStream(stderr) << text << '\n';
    return exitCode;
}

// Quits the simulator once the messages sent so far have reached the bus.
void quitWhenSent() {
    waitUntilSent(QDBusConnection::sessionBus());
    QCoreApplication::quit();
}

// libdbus does not end a Qt program when its bus goes away, and a host nobody can reach any longer
// must not go on silently: the connection is checked now and then, and its loss ends the simulator.
void quitWhenTheBusIsLost(QObject& owner) {
    auto* check = new QTimer(&owner);
    QObject::connect(check, &QTimer::timeout, &owner, [check] {
        if (QDBusConnection::sessionBus().isConnected())
            return;
        check->stop();
        QTextStream(stderr) << "korvex-host-sim: lost the connection to the session bus; ending.\n";
        QCoreApplication::exit(kLostTheBus);
    });
    check->start(kBusCheckInterval);
}

void scheduleRun(SimServer& server, const SimOptions& options) {
    if (!options.runAfter)
        return;
    QTimer::singleShot(*options.runAfter, &server, [&server, type = options.terminationType] {
        try {
            server.run(type);
        } catch (const SimRequestError& error) {
            QTextStream(stderr) << error.message << '\n';
        }
    });
    if (options.quitAfterRun)
        QObject::connect(&server.runner(), &SimRunner::finished, &server, quitWhenSent, Qt::QueuedConnection);
}

int serve(const SimOptions& options, bool withWindow) {
    SimServer server;
    server.runner().setPacing(options.pacing);
    if (!options.partProgramPath.isEmpty()) {
        try {
            server.openPartProgram(options.partProgramPath);
        } catch (const SimRequestError& error) {
            return fail(error.message, kCannotStart);
        }
    }
    const QString failure = publishOnBus(server, QDBusConnection::sessionBus());
    if (!failure.isEmpty())
        return fail(failure, kCannotStart);
    QObject::connect(&server, &SimServer::quitRequested, &server, quitWhenSent, Qt::QueuedConnection);
    quitWhenTheBusIsLost(server);
    scheduleRun(server, options);
    std::unique_ptr<SimWindow> window;
    if (withWindow) {
        window = std::make_unique<SimWindow>(server, options.terminationType);
        window->show();
    }
    return QCoreApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
    const bool withWindow = windowPossible(argc, argv);
    const std::unique_ptr<QCoreApplication> application =
        withWindow ? std::make_unique<QApplication>(argc, argv)
                   : std::make_unique<QCoreApplication>(argc, argv);
    const auto parsed = parseSimOptions(QCoreApplication::arguments());
    if (const auto* exit = std::get_if<SimOptionsExit>(&parsed))
        return fail(exit->text, exit->exitCode);
    return serve(std::get<SimOptions>(parsed), withWindow);
}
