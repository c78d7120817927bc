#include "app/X11Session.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace korvex::test {
namespace {

constexpr int kStartTimeoutMs = 10000;
// Displays from here on are seldom taken by a desktop or by other programs' test servers.
constexpr int kFirstDisplay = 94;
constexpr int kLastDisplay = 140;

// A display number that no X server on this machine holds: its lock file is not there (a socket
// left behind by a server that was killed is taken over).
int freeDisplay() {
    for (int display = kFirstDisplay; display <= kLastDisplay; ++display) {
        if (!QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(display))) {
            return display;
        }
    }
    return -1;
}

// Asked to end first, so that the X server takes its socket and lock file away.
void stop(QProcess& process) {
    if (process.state() == QProcess::NotRunning) {
        return;
    }
    process.terminate();
    if (!process.waitForFinished(kStartTimeoutMs)) {
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
    const int free = freeDisplay();
    if (free < 0) {
        failure_ = QStringLiteral("no free X display");
        return false;
    }
    // Xvfb writes the display number to standard output once it accepts clients.
    server_.start(QStringLiteral("Xvfb"),
                  {QStringLiteral(":%1").arg(free), QStringLiteral("-displayfd"), QStringLiteral("1"),
                   QStringLiteral("-screen"), QStringLiteral("0"), QStringLiteral("1280x1024x24"),
                   QStringLiteral("-nolisten"), QStringLiteral("tcp")});
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
    windowManager_.setProcessChannelMode(QProcess::MergedChannels);
    windowManager_.start(
        QStringLiteral("openbox"),
        {QStringLiteral("--sm-disable"), QStringLiteral("--startup"), QStringLiteral("echo ready")});
    QByteArray output;
    while (windowManager_.waitForReadyRead(kStartTimeoutMs)) {
        output += windowManager_.readAll();
        if (output.split('\n').contains("ready")) {
            return true;
        }
    }
    failure_ = QStringLiteral("openbox did not start: ") + QString::fromLocal8Bit(output);
    return false;
}

}  // namespace korvex::test
