#pragma once

#include "app/core/RunView.h"
#include "app/window/output/OutputDialogContext.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QDialog;
class QGroupBox;
class QLabel;
class QListWidget;
class QTableWidget;
class QToolButton;

namespace korvex {

struct Session;
struct TrafficLightColours;
class CharacteristicBrowser;
class HostConnector;
class ReportOutput;
class RunControl;
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
        // The report filler; without one, report requests are refused with a message.
        ReportOutput* report = nullptr;
    };

    // Messages, status texts and progress go to `user` when given (tests), else to this window's own
    // message boxes, status bar and progress bar.
    MainWindow(Session& session, Outputs outputs, UserInteraction* user = nullptr);
    ~MainWindow() override;

    CharacteristicBrowser& browser() { return *browser_; }
    RunControl& runControl() { return *runControl_; }

    // The start-up of the window: the stored language, position and header data, then every text.
    void load();
    // Sets the caption and every tool tip and label from the language tables.
    void applyLanguage();
    // Shows or hides the header data and fills its grid with the variable names of the list.
    void showHeaderDataFrame(bool visible);

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
    void showDialog(QDialog* dialog);
    void openOutputFileSettings();
    void dimEvaluation();
    void moveToStoredPosition();
    void switchLanguage(const QString& language);
    void showLamps(const TrafficLightColours& colours);
    void openWindowPosition();
    void openAbout();

    Session& session_;
    MainWindowActions* actions_;
    std::unique_ptr<WidgetUserInteraction> ownUser_;
    UserInteraction* user_;
    std::unique_ptr<ReportOutput> ownReport_;
    std::array<QLabel*, 4> programCaptions_{};
    std::array<QLabel*, 4> programValues_{};
    std::array<QToolButton*, 6> markButtons_{};
    std::array<QGroupBox*, 5> frames_{};
    QListWidget* characteristicList_ = nullptr;
    QTableWidget* valueGrid_ = nullptr;
    QListWidget* commentList_ = nullptr;
    QTableWidget* headerGrid_ = nullptr;
    EvaluationPanel* evaluation_ = nullptr;
    CharacteristicBrowser* browser_ = nullptr;
    RunControl* runControl_ = nullptr;
    bool ended_ = false;
};

}  // namespace korvex
