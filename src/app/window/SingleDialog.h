#pragma once

#include <QDialog>
#include <QPointer>

namespace korvex {

// One instance of a dialog: opening it while it is open brings the open one to the front instead of
// stacking a second one over it. The dialog is deleted when it closes.
class SingleDialog {
  public:
    template <typename MakeDialog>
    void open(MakeDialog makeDialog) {
        if (dialog_ == nullptr) {
            dialog_ = makeDialog();
            dialog_->setAttribute(Qt::WA_DeleteOnClose);
        }
        bringToFront();
    }

    // Shows the open dialog in front of the others; false when none is open.
    bool bringToFront() {
        if (dialog_ == nullptr) {
            return false;
        }
        dialog_->show();
        dialog_->raise();
        dialog_->activateWindow();
        return true;
    }

    QDialog* dialog() const { return dialog_; }

  private:
    QPointer<QDialog> dialog_;
};

}  // namespace korvex
