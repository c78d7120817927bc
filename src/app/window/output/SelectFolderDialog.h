#pragma once

#include "app/window/output/OutputDialogContext.h"

#include <QDialog>

namespace korvex {

class FolderChooser;

// frm_SelectFolder: asks for the result folder just before an ASCII file is written (the
// "SelectFolder" option). OK stores the drive and the folder and then emits folderConfirmed, on
// which the main window writes the file; Cancel writes nothing.
class SelectFolderDialog : public QDialog {
    Q_OBJECT

  public:
    explicit SelectFolderDialog(const OutputDialogContext& context, QWidget* parent = nullptr);

    QString folder() const;

  Q_SIGNALS:
    void folderConfirmed();

  private:
    void confirm();

    OutputDialogContext context_;
    FolderChooser* folder_;
};

}  // namespace korvex
