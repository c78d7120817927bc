#include "app/X11Session.h"

#include <QStandardPaths>

namespace korvex::test {
namespace {

constexpr int kStartTimeoutMs = 10000;

void stop(QProcess& process) {
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(kStartTimeoutMs);
    }
}

}  // namespace

X11Session::X11Session() {
    if (startServer()) {
        startWindowManager();
    }
}

X11Session::~X11Session() {
    stop(windowManager_);
    stop(server_);
}

bool X11Session::startServer() {
    if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty()) {
        failure_ = QStringLiteral("Xvfb is not installed");
        return false;
    }
    // Xvfb picks a free display number and writes it to standard output once it accepts clients.
    server_.start(
        QStringLiteral("Xvfb"),
        {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
         QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    while (server_.waitForReadyRead(kStartTimeoutMs) && !server_.canReadLine()) {
    }
    const QByteArray display = server_.readLine().trimmed();
    if (display.isEmpty()) {
        failure_ = QStringLiteral("Xvfb did not start: ") + QString::fromUtf8(server_.readAllStandardError());
        return false;
    }
    qputenv("DISPLAY", ":" + display);
    return true;
}

bool X11Session::startWindowManager() {
    if (QStandardPaths::findExecutable(QStringLiteral("openbox")).isEmpty()) {
        failure_ = QStringLiteral("openbox is not installed");
        return false;
    }
    // openbox runs its start-up command once it manages the screen: windows shown after that get frames.
    windowManager_.start(
        QStringLiteral("openbox"),
        {QStringLiteral("--sm-disable"), QStringLiteral("--startup"), QStringLiteral("echo ready")});
    while (windowManager_.waitForReadyRead(kStartTimeoutMs) && !windowManager_.canReadLine()) {
    }
    if (windowManager_.readLine().trimmed() != "ready") {
        failure_ = QStringLiteral("openbox did not start");
        return false;
    }
    return true;
}

}  // namespace korvex::test
