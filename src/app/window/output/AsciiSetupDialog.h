#pragma once

#include "app/window/output/OutputDialogContext.h"
#include "output/AsciiFormat.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace korvex {

// frm_ASCII_Setup: which columns the ASCII result file holds and in which order, its delimiter and
// file type. Opens with the stored format; OK stores it, Cancel and closing drop the changes; export
// and import go through ASCII_Settings.cfg in the program folder. The place logic is AsciiFormat's.
class AsciiSetupDialog : public QDialog {
    Q_OBJECT

  public:
    explicit AsciiSetupDialog(const OutputDialogContext& context, QWidget* parent = nullptr);

    const AsciiFormat& format() const { return format_; }

  private:
    QWidget* columnsFrame();
    QWidget* delimiterFrame();
    QWidget* fileTypeFrame();
    QWidget* buttonRow();
    void applyCaptions();
    void showFormat();
    void save();
    void exportFormat();
    void importFormat();

    OutputDialogContext context_;
    AsciiFormat format_;
    std::array<QCheckBox*, kAsciiColumnCount> checks_{};
    std::array<QLabel*, kAsciiColumnCount> places_{};
    QLineEdit* delimiter_ = nullptr;
    QRadioButton* csv_ = nullptr;
    QRadioButton* txt_ = nullptr;
};

}  // namespace korvex
