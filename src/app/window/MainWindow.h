#pragma once

#include <QMainWindow>

#include <array>
#include <memory>

class QGroupBox;
class QLabel;
class QListWidget;
class QTableWidget;
class QToolButton;

namespace korvex {

struct Session;
class EvaluationPanel;
class MainWindowActions;
class WidgetUserInteraction;

// frm_Hauptfenster: the part program, its characteristics with the marking, the values of one
// characteristic, its comment, the counts with their lamps and the header data.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(Session& session);
    ~MainWindow() override;

    WidgetUserInteraction& user() { return *user_; }
    MainWindowActions& actions() { return *actions_; }

    // Sets every caption, tool tip and label from the language tables.
    void applyLanguage();

  private:
    QWidget* buildProgramFrame();
    QWidget* buildCharacteristicFrame();
    QWidget* buildValueFrame();
    QWidget* buildCommentFrame();
    QWidget* buildHeaderDataFrame();
    void openWindowPosition();
    void openAbout();

    Session& session_;
    MainWindowActions* actions_;
    std::unique_ptr<WidgetUserInteraction> user_;
    std::array<QLabel*, 4> programCaptions_{};
    std::array<QLabel*, 4> programValues_{};
    std::array<QToolButton*, 6> markButtons_{};
    std::array<QGroupBox*, 5> frames_{};
    QListWidget* characteristicList_ = nullptr;
    QTableWidget* valueGrid_ = nullptr;
    QListWidget* commentList_ = nullptr;
    QTableWidget* headerGrid_ = nullptr;
    EvaluationPanel* evaluation_ = nullptr;
};

}  // namespace korvex
