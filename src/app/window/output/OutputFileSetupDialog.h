#pragma once

#include "app/window/output/OutputDialogContext.h"
#include "output/OutputFileSettings.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace korvex {

class FolderChooser;

// frm_Ausgabedatei_Setup: the result file name and kind (delimited text or AQDEF), the result folder and the
// program switches that other parts read (ZozadRegel, HEADER, MultiLine, TolProzent, CurrentUser, MINIMIZE).
// Opens with the stored values; OK stores them (switching to the per-user root first when asked) and tells
// the main window whether header data are used; export and import go through OutputFile_Settings.cfg in the
// program folder.
class OutputFileSetupDialog : public QDialog {
    Q_OBJECT

  public:
    explicit OutputFileSetupDialog(const OutputDialogContext& context, QWidget* parent = nullptr);

    // The values the controls show.
    OutputFileSettings values() const;

  Q_SIGNALS:
    // After OK: the main window shows its header-data grid exactly when header data are used.
    void headerDataSwitched(bool useHeaderData);

  private:
    QWidget* folderFrame();
    QWidget* fileNameFrame();
    QWidget* programFrame();
    QWidget* buttonRow();
    void applyCaptions();
    void showValues(const OutputFileSettings& values);
    void enableFolderControls();
    void save();
    void exportValues();
    void importValues();

    OutputDialogContext context_;
    QRadioButton* partProgramFolder_ = nullptr;
    QRadioButton* askBeforeOutput_ = nullptr;
    QRadioButton* fixedFolder_ = nullptr;
    FolderChooser* folder_ = nullptr;
    QLabel* folderPath_ = nullptr;
    std::array<QComboBox*, ResultFileNaming::kPositions> nameParts_{};
    QComboBox* separator_ = nullptr;
    QCheckBox* counter_ = nullptr;
    QComboBox* fileKind_ = nullptr;
    QCheckBox* zozadRegel_ = nullptr;
    QCheckBox* headerData_ = nullptr;
    QCheckBox* multiLine_ = nullptr;
    QLineEdit* tolProzent_ = nullptr;
    QCheckBox* currentUser_ = nullptr;
    QCheckBox* minimize_ = nullptr;
};

}  // namespace korvex
