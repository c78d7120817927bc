#pragma once

#include "capture/RunEnd.h"
#include "output/AsciiOutput.h"

#include <QObject>

#include <memory>

namespace korvex {

struct HostSession;
struct Session;
class HostConnector;
class OnlineCapture;
class ReportOutput;
class RunView;
class UserInteraction;

// Gathers the results and acts on the command line: the offline read, online capture on and off,
// the end-of-run processing, and the unattended outputs with the program's end.
class RunControl : public QObject {
    Q_OBJECT
  public:
    struct Parts {
        Session& session;
        HostSession& host;
        HostConnector& connector;
        RunView& view;
        UserInteraction& user;
        ReportOutput& report;
    };

    explicit RunControl(Parts parts, QObject* parent = nullptr);
    ~RunControl() override;

    // The last step of the start-up: the mode letter starts the offline read or the capture.
    void dispatchStartArguments();

    void readProgramOffline();
    void toggleOnlineReceive();
    bool isCapturing() const;
    // The ASCII output of toolbar button 5 and of an unattended run without a workbook.
    void writeAsciiOutput();
    // The output folder was chosen: write the file (and end an unattended "a" run).
    void writeAsciiIntoChosenFolder();
    // Has the host open the command of a characteristic row; an axis row opens its whole block.
    void locateInHost(int rowNumber);

  private:
    bool connectHost();
    void showProgramLabels();
    void switchCaptureOn();
    void switchCaptureOff();
    void endOfRun(RunEnd end);
    void actOnStartOptions();
    void fillReports();
    // The output folder is either the one the settings name (asking for it first when they say so)
    // or the one just chosen.
    enum class AsciiFolder { AsSettingsSay, Chosen };
    AsciiOutputResult outputAscii(AsciiFolder folder);
    void endUnattendedRun(bool produced);

    Parts parts_;
    std::unique_ptr<OnlineCapture> capture_;
};

}  // namespace korvex
