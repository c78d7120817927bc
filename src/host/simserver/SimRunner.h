#pragma once

#include <QObject>
#include <QTimer>

namespace korvex {

class SimHost;

// Executes a part program the way the host runs it: "object executed" for every command in program
// order, a settable pause between two commands, then "end execution" with the termination type
// chosen at the start. A pause of 0 executes as fast as it can, a batch of commands per turn of the
// event loop so that calls and the window are still served meanwhile.
class SimRunner : public QObject {
    Q_OBJECT

  public:
    explicit SimRunner(QObject* parent = nullptr);

    int pacing() const { return pacing_; }
    // Milliseconds between two commands; also for a run going on. Negative counts as 0.
    void setPacing(int milliseconds);
    bool isRunning() const { return host_ != nullptr; }

    // Starts a run of the host's part program at its first command. The host must outlive the run.
    void start(SimHost& host, int terminationType);

  Q_SIGNALS:
    void pacingChanged(int milliseconds);
    void started();
    void progressed(int executed, int count);
    void finished(int terminationType);

  private:
    void step();
    int commandCount() const;

    QTimer timer_;
    int pacing_ = 0;
    SimHost* host_ = nullptr;
    int position_ = 0;
    int terminationType_ = 0;
};

}  // namespace korvex
