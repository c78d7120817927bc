#pragma once

#include "util/UserInteraction.h"

#include <QPointer>

class QLabel;
class QMainWindow;
class QProgressBar;

namespace korvex {

// Message boxes over the main window, the first panel of its status bar and its progress bar. The
// panel is a permanent one, so that menus and tool tips never wipe what it says. In an unattended run every
// message is also written to standard error, and where no display exists a box is answered with its default
// at once, so a measuring run is never held up by a box nobody can see.
class WidgetUserInteraction : public UserInteraction {
  public:
    WidgetUserInteraction(QMainWindow* window, bool unattended);

    MessageAnswer showMessage(const Message& message) override;
    void setStatusText(const QString& text) override;
    void setProgress(int value, int maximum) override;

  private:
    QPointer<QMainWindow> window_;
    QPointer<QLabel> statusPanel_;
    QPointer<QProgressBar> progress_;
    bool unattended_;
};

}  // namespace korvex
