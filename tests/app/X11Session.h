#pragma once

#include <QProcess>
#include <QString>

namespace korvex::test {

// An X server of the test program's own (Xvfb) with a window manager that draws frames (openbox),
// announced in DISPLAY. Both end with the object. Not running when either program is missing.
class X11Session {
  public:
    X11Session();
    ~X11Session();
    X11Session(const X11Session&) = delete;
    X11Session& operator=(const X11Session&) = delete;

    bool isRunning() const { return failure_.isEmpty(); }
    // Why there is no X server with a window manager.
    const QString& failure() const { return failure_; }

  private:
    bool startServer();
    bool startWindowManager();

    QProcess server_;
    QProcess windowManager_;
    QString failure_;
};

}  // namespace korvex::test
