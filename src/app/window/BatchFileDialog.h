#pragma once

#include "app/core/BatchFile.h"

#include <QDialog>

#include <array>
#include <functional>

class QLabel;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

namespace korvex {

struct Session;
class UserInteraction;

// frm_BatchFile: writes the batch file with which a part program starts this program unattended,
// beside report workbook 1. It stays open when the batch file cannot be written, so that the
// operator can mend the choice.
class BatchFileDialog : public QDialog {
    Q_OBJECT
  public:
    // Asks for a file to open (title, filter; an empty filter shows every file). Empty when cancelled.
    using FileChooser = std::function<QString(QWidget* parent, const QString& title, const QString& filter)>;

    // `programPath` is the executable the batch file starts.
    BatchFileDialog(QWidget* parent, const Session& session, UserInteraction& user, QString programPath,
                    FileChooser chooseFile);

    // The request as the dialog shows it.
    BatchRequest request() const;

  private:
    // A frame with a path label and the button that chooses it, added to the layout; the label.
    QLabel* addPathFrame(QVBoxLayout& layout, const char* frameName, const char* labelName,
                         const char* buttonName);
    QWidget* buildOptionFrames();
    void applyTexts();
    void connectButtons();
    void choose(QLabel* path, const QString& title, const QString& filter);
    void createBatchFile();

    const Session& session_;
    UserInteraction& user_;
    QString programPath_;
    FileChooser chooseFile_;
    QLabel* workbook1_ = nullptr;
    QLabel* workbook2_ = nullptr;
    QLabel* layoutFile_ = nullptr;
    std::array<QRadioButton*, 3> selection_{};
    std::array<QRadioButton*, 3> report_{};
};

// The open-file dialog of the platform.
QString chooseFileToOpen(QWidget* parent, const QString& title, const QString& filter);

}  // namespace korvex
