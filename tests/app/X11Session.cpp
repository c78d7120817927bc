#include "app/X11Session.h"

#include <QStandardPaths>

namespace korvex::test {
namespace {

constexpr int kStartTimeoutMs = 10000;

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
    // Without a display number Xvfb takes the first free one itself, so servers of tests that run at the
    // same time never race for one; it writes the number to standard output once it accepts clients.
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
