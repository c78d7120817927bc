#include "host/simserver/SimRunner.h"

#include "host/sim/SimHost.h"

#include <algorithm>
#include <utility>

namespace korvex {
namespace {

// Commands executed per turn of the event loop when there is no pause between them.
constexpr int kBatchWithoutPause = 100;

}  // namespace

SimRunner::SimRunner(QObject* parent) : QObject(parent) {
    connect(&timer_, &QTimer::timeout, this, &SimRunner::step);
}

void SimRunner::setPacing(int milliseconds) {
    pacing_ = std::max(milliseconds, 0);
    timer_.setInterval(pacing_);
    Q_EMIT pacingChanged(pacing_);
}

void SimRunner::start(SimHost& host, int terminationType) {
    host_ = &host;
    position_ = 0;
    terminationType_ = terminationType;
    timer_.start(pacing_);
    Q_EMIT started();
}

int SimRunner::commandCount() const {
    return static_cast<int>(host_->program().commands.size());
}

void SimRunner::step() {
    const int batch = pacing_ > 0 ? 1 : kBatchWithoutPause;
    for (int done = 0; done < batch && position_ < commandCount(); ++done)
        host_->executeCommand(position_++);
    Q_EMIT progressed(position_, commandCount());
    if (position_ < commandCount())
        return;
    timer_.stop();
    SimHost& host = *std::exchange(host_, nullptr);
    host.endExecution(terminationType_);
    Q_EMIT finished(terminationType_);
}

}  // namespace korvex
