#include "report/protocol/ProtocolWindows.h"

#include "host/HostApplication.h"

#include <cmath>

namespace korvex {
namespace {

constexpr int kEdge = 1;

double hostHeight(QSize screen) {
    return screen.height() * 2.0 / 3.0;
}

}  // namespace

QRect protocolSpreadsheetFrame(QSize screen) {
    const int top = static_cast<int>(std::lround(hostHeight(screen)));
    return {kEdge, top, screen.width(), screen.height() - top};
}

void placeHostWindowForProtocol(HostApplication& host, QSize screen) {
    host.setWindowHeight(hostHeight(screen));
    host.setWindowWidth(static_cast<float>(screen.width()));
    host.setWindowTop(kEdge);
    host.setWindowLeft(kEdge);
}

}  // namespace korvex
