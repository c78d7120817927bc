#pragma once

#include "app/core/QtTranslation.h"
#include "app/core/RunView.h"
#include "app/window/SingleDialog.h"
#include "app/window/output/OutputDialogContext.h"

#include <QMainWindow>
#include <QSize>

#include <array>
#include <memory>

class QGroupBox;
class QLabel;
class QListView;
class QListWidget;
class QSplitter;
class QTableWidget;
class QToolButton;

namespace korvex {

struct Session;
struct TrafficLightColours;
class CharacteristicBrowser;
class ElidedLabel;
class HostConnector;
class ReportOutput;
class RunControl;
class SpreadsheetBackend;
class EvaluationPanel;
class MainWindowActions;
class UserInteraction;
class WidgetUserInteraction;

// frm_Hauptfenster: the part program, its characteristics with the marking, the values of one
// characteristic, its comment, the counts with their lamps and the header data.
class MainWindow : public QMainWindow, public RunView {
    Q_OBJECT
  public:
    struct Outputs {
        HostConnector& host;
        // The report filler; without one, the window fills workbooks with the embedded xlsx engine.
        ReportOutput* report = nullptr;
        // The office suite's spreadsheets, loaded at run time: the live protocol and the templates the
        // embedded engine cannot open. Null when no office suite is installed.
        SpreadsheetBackend* office = nullptr;
    };
    // The size the window opens at.
    static constexpr QSize kDefaultSize{1120, 780};

    // Messages, status texts and progress go to `user` when given (tests), else to this window's own
    // message boxes, status bar and progress bar.
    MainWindow(Session& session, Outputs outputs, UserInteraction* user = nullptr);
    ~MainWindow() override;

    CharacteristicBrowser& browser() { return *browser_; }
    RunControl& runControl() { return *runControl_; }

    // The start-up of the window: the stored language and header data, then every text.
    void load();
    // Shows the window, on top of all others, with its frame where the settings TOP and LEFT put it.
    void showAtStoredPosition();
    // Sets the caption and every tool tip and label from the language tables.
    void applyLanguage();
    // The side panels take the width their texts need and the middle panel the rest, as when the
    // window is first shown; a language changed while the window is shown needs it again.
    void fitPanelsToTexts();
    // Shows or hides the header data and fills its grid with the variable names of the list.
    void showHeaderDataFrame(bool visible);
    // Fills the header data grid again from the session's header variables (after their list changed).
    void rebuildHeaderGrid();

    // What the run control shows and asks of the window.
    void showProgramLabels(const ProgramLabels& labels) override;
    void clearCharacteristics() override;
    void resetResults() override;
    void showCharacteristics() override;
    void showEvaluation(const EvaluationSummary& summary) override;
    void showHeaderDataValues() override;
    void showCaptureState(bool on) override;
    void minimize() override;
    Selection selection() const override;
    void setSelection(const Selection& selection) override;
    void askForOutputFolder() override;
    void endProgram(int exitStatus) override;

  Q_SIGNALS:
    // The program is to end with this exit status (the unattended runs, the file menu's exit).
    void programEnded(int exitStatus);

  protected:
    // Closing the window ends the program; an unattended run closed before it wrote its output has
    // not produced it.
    void closeEvent(QCloseEvent* event) override;

  private:
    // The exit status when the operator ends the program (menu or window close).
    int operatorExitStatus() const;
    QWidget* buildProgramFrame();
    QWidget* buildCharacteristicFrame();
    QWidget* buildValueFrame();
    QWidget* buildCommentFrame();
    QWidget* buildHeaderDataFrame();
    void connectMarkButtons();
    void connectRunActions();
    OutputDialogContext outputDialogContext();
    void openOutputFileSettings();
    void dimEvaluation();
    // Moves the frame to the position once the window manager has framed the window, waiting for
    // that at most `waitsLeft` times.
    void placeOnceFramed(QPoint position, int waitsLeft);
    void switchLanguage(const QString& language);
    // The language menu shows the active language and which languages have a file.
    void markLanguages();
    void showLamps(const TrafficLightColours& colours);
    void openWindowPosition();
    void openAbout();
    void openBatchFile();
    void openSavePartProgram();
    void openHeaderData();
    void openReportDesign();
    void fillReportFromToolbar();
    // Toolbar button 3: the live protocol window in place of this one.
    void openLiveProtocol();

    Session& session_;
    HostConnector& hostConnector_;
    MainWindowActions* actions_;
    std::unique_ptr<WidgetUserInteraction> ownUser_;
    UserInteraction* user_;
    std::unique_ptr<SpreadsheetBackend> ownSpreadsheets_;
    std::unique_ptr<ReportOutput> ownReport_;
    ReportOutput* report_ = nullptr;
    SpreadsheetBackend* office_ = nullptr;
    std::array<QLabel*, 4> programCaptions_{};
    std::array<ElidedLabel*, 4> programValues_{};
    std::array<QToolButton*, 6> markButtons_{};
    std::array<QGroupBox*, 5> frames_{};
    QListView* characteristicList_ = nullptr;
    QSplitter* panels_ = nullptr;
    QTableWidget* valueGrid_ = nullptr;
    QListWidget* commentList_ = nullptr;
    QTableWidget* headerGrid_ = nullptr;
    EvaluationPanel* evaluation_ = nullptr;
    CharacteristicBrowser* browser_ = nullptr;
    RunControl* runControl_ = nullptr;
    QtTranslation qtTranslation_;
    SingleDialog outputFileSettingsDialog_;
    SingleDialog asciiSettingsDialog_;
    SingleDialog selectFolderDialog_;
    SingleDialog windowPositionDialog_;
    SingleDialog aboutDialog_;
    SingleDialog batchFileDialog_;
    SingleDialog savePartProgramDialog_;
    SingleDialog headerDataDialog_;
    SingleDialog reportDesignDialog_;
    SingleDialog onlineWindow_;
    // Whether the program labels show a part program, or still the text that none was read.
    bool programShown_ = false;
    // The StatusBar entry of the capture state the status panel shows.
    static constexpr int kReadyStatus = 12;
    static constexpr int kCaptureOnStatus = 13;
    static constexpr int kCaptureOffStatus = 14;
    int statusEntry_ = kReadyStatus;
    bool ended_ = false;
};

}  // namespace korvex
