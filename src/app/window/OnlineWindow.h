#pragma once

#include "host/HostSession.h"

#include <QDialog>

#include <memory>

class QLabel;
class QPushButton;

namespace korvex {

class HostConnector;
class LanguageTables;
class LiveProtocol;
class SpreadsheetBackend;
class UserInteraction;

// frm_Online: the small always-on-top window of the live protocol, with its pause and stop buttons
// and the number of rows written. Closing it in any way stops the protocol; the spreadsheet stays
// open with it for the operator.
class OnlineWindow : public QDialog {
    Q_OBJECT

  public:
    struct Parts {
        const LanguageTables& language;
        UserInteraction& user;
        HostConnector& host;
        SpreadsheetBackend& spreadsheets;
    };

    OnlineWindow(Parts parts, QWidget* parent);
    ~OnlineWindow() override;

    // Shows the window, connects to the host and opens the protocol. When the host or the
    // spreadsheet cannot be reached (the user has been told) the window stays open, inert, until
    // it is stopped.
    void start();
    // Null when the protocol did not start or has been stopped.
    LiveProtocol* protocol() const { return protocol_.get(); }

  private:
    QString text(int entry) const;
    void togglePause();
    // The pause button is as wide as the longer of its two captions, so the window keeps its size when
    // the caption changes.
    void fitPauseButton();
    void showPauseState();
    void showRows(int lastRow);
    void stopProtocol();

    Parts parts_;
    HostSession hostSession_;
    std::unique_ptr<LiveProtocol> protocol_;
    QPushButton* pauseButton_;
    QPushButton* stopButton_;
    QLabel* rowsLabel_;
};

}  // namespace korvex
